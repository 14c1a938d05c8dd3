#include "ConversionError.h"
#include "Conversions.h"
#include "Value.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct IntCase {
    const char* text;
    std::optional<int> expected;  // nothing: a conversion error
};

class StrToIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(StrToIntTest, ReadsOnlyPlainDecimalIntegersWithin32Bits)
{
    const IntCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    if (c.expected) {
        EXPECT_EQ(Conversions::strToInt(text), *c.expected);
    } else {
        try {
            Conversions::strToInt(text);
            FAIL() << "accepted " << c.text;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToIntTest,
                         ::testing::Values(IntCase{"12", 12}, IntCase{"-5", -5}, IntCase{"+7", 7}, IntCase{"007", 7},
                                           IntCase{"2147483647", 2147483647}, IntCase{"-2147483648", -2147483647 - 1},
                                           IntCase{"12a", {}}, IntCase{"", {}}, IntCase{" 1", {}}, IntCase{"1 ", {}},
                                           IntCase{"2147483648", {}}, IntCase{"-2147483649", {}}, IntCase{"0x10", {}},
                                           IntCase{"$10", {}}, IntCase{"1,5", {}}, IntCase{"-", {}},
                                           IntCase{"1 or 1=1", {}}, IntCase{"١٢", {}}));

TEST(RoundToIntTest, RoundsHalvesToTheEvenNeighbourAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(Conversions::roundToInt(2.5), 2);
    EXPECT_EQ(Conversions::roundToInt(3.5), 4);
    EXPECT_EQ(Conversions::roundToInt(-2.5), -2);
    EXPECT_EQ(Conversions::roundToInt(2.4999), 2);
    EXPECT_EQ(Conversions::roundToInt(2.5001), 3);
    EXPECT_EQ(Conversions::roundToInt(2147483647.4), 2147483647);
    EXPECT_THROW(Conversions::roundToInt(2147483647.5), ConversionError);
    EXPECT_THROW(Conversions::roundToInt(std::nan("")), ConversionError);
    EXPECT_THROW(Conversions::checkedInt(std::int64_t{1} << 31), ConversionError);
}

TEST(ValueTest, KeepsNullEmptyZeroAndEmptyTextApart)
{
    EXPECT_TRUE(Value().isEmpty());
    EXPECT_TRUE(Value::null().isNull());
    EXPECT_NE(Value::null(), Value(0));
    EXPECT_NE(Value::null(), Value(QString()));
    EXPECT_NE(Value(0), Value(QString()));
    EXPECT_NE(Value(), Value::null());
    EXPECT_THROW(Value::null().toInt(), ConversionError);
    EXPECT_EQ(Value().toInt(), 0);
    EXPECT_EQ(Value::null().toString(), QString());
}

TEST(ValueTest, ConvertsBetweenKindsUnderTheBrazilianLocale)
{
    EXPECT_EQ(Value(QStringLiteral("1234,5")).toDouble(), 1234.5);
    EXPECT_EQ(Value(1234.5).toString(), QStringLiteral("1234,5"));
    EXPECT_EQ(Value(2.5).toInt(), 2);
    EXPECT_EQ(Value(QDate(2025, 3, 1)).toString(), QStringLiteral("01/03/2025"));
    EXPECT_EQ(Value(QDateTime(QDate(2025, 3, 5), QTime(10, 30))).toString(), QStringLiteral("05/03/2025 10:30:00"));
    EXPECT_EQ(Value(QStringLiteral("05/03/2025 10:30")).toDateTime(),
              QDateTime(QDate(2025, 3, 5), QTime(10, 30), Qt::UTC));
    EXPECT_EQ(Value(QStringLiteral("01/01/1500")).toDateTime().date(), QDate(1500, 1, 1));
    EXPECT_EQ(Value(std::int64_t{5000000000}).toString(), QStringLiteral("5000000000"));
    EXPECT_THROW(Value(std::int64_t{5000000000}).toInt(), ConversionError);
    EXPECT_THROW(Value(QStringLiteral("abc")).toDouble(), ConversionError);
    EXPECT_THROW(Value(QStringLiteral("31/02/2025")).toDateTime(), ConversionError);
    EXPECT_THROW(Value(QDate(2025, 1, 1)).toDouble(), ConversionError);
    EXPECT_EQ(Value(std::vector<Value>{1, QStringLiteral("a")}).elements().size(), 2u);
    EXPECT_THROW(Value(1).elements(), ConversionError);
}

}  // namespace
