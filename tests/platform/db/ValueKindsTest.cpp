#include "DatabaseTest.h"
#include "Query.h"

#include <gtest/gtest.h>

namespace {

struct KindCase {
    const char* expression;
    FieldType type;
    int size;
    ValueKind kind;
    const char* text;  // asString under the Brazilian locale
};

class ValueKindsTest : public DatabaseTest, public ::testing::WithParamInterface<KindCase> {
protected:
    Query query{QStringLiteral("Q"), &connection};
};

TEST_P(ValueKindsTest, EachColumnTypeComesBackAsItsFieldTypeAndValueKind)
{
    const KindCase& c = GetParam();
    query.sql().add(QStringLiteral("select %1 as v").arg(QString::fromUtf8(c.expression)));
    query.open();
    const Field& v = query.fieldByName(QStringLiteral("v"));
    EXPECT_EQ(fieldTypeName(v.dataType()), fieldTypeName(c.type)) << c.expression;
    EXPECT_EQ(v.size(), c.size) << c.expression;
    EXPECT_EQ(Value::kindName(v.value().kind()), Value::kindName(c.kind)) << c.expression;
    EXPECT_EQ(v.asString(), QString::fromUtf8(c.text)) << c.expression;
}

using enum FieldType;
INSTANTIATE_TEST_SUITE_P(
    Cases, ValueKindsTest,
    ::testing::Values(KindCase{"42::integer", ftInteger, 0, ValueKind::Integer, "42"},
                      KindCase{"0::integer", ftInteger, 0, ValueKind::Integer, "0"},
                      KindCase{"null::integer", ftInteger, 0, ValueKind::Null, ""},
                      KindCase{"(-7)::smallint", ftSmallint, 0, ValueKind::SmallInt, "-7"},
                      KindCase{"9000000000::bigint", ftLargeint, 0, ValueKind::LargeInt, "9000000000"},
                      KindCase{"1234.5600::numeric(14,4)", ftFMTBcd, 0, ValueKind::Double, "1234,56"},
                      KindCase{"0.000001::numeric(14,6)", ftFMTBcd, 0, ValueKind::Double, "0,000001"},
                      KindCase{"null::numeric(14,4)", ftFMTBcd, 0, ValueKind::Null, ""},
                      KindCase{"2.5::double precision", ftFloat, 0, ValueKind::Double, "2,5"},
                      KindCase{"'Série A'::varchar(10)", ftWideString, 10, ValueKind::String, "Série A"},
                      KindCase{"''::varchar(10)", ftWideString, 10, ValueKind::String, ""},
                      KindCase{"null::varchar(10)", ftWideString, 10, ValueKind::Null, ""},
                      KindCase{"'AB'::char(4)", ftFixedChar, 4, ValueKind::String, "AB"},
                      KindCase{"'long text'::text", ftMemo, 0, ValueKind::String, "long text"},
                      KindCase{"'2025-03-01'::date", ftDate, 0, ValueKind::DateTime, "01/03/2025"},
                      KindCase{"'1500-01-01'::date", ftDate, 0, ValueKind::DateTime, "01/01/1500"},
                      KindCase{"'2025-03-05 10:30:15.5'::timestamp", ftDateTime, 0, ValueKind::DateTime,
                               "05/03/2025 10:30:15"},
                      KindCase{"'2025-03-05 00:00'::timestamp", ftDateTime, 0, ValueKind::DateTime, "05/03/2025"},
                      KindCase{"'08:15:00'::time", ftTime, 0, ValueKind::DateTime, "08:15:00"},
                      KindCase{"true", ftBoolean, 0, ValueKind::Boolean, "Verdadeiro"},
                      KindCase{"'{1,2}'::int[]", ftUnknown, 0, ValueKind::String, "{1,2}"}));

class NullsTest : public DatabaseTest {};

TEST_F(NullsTest, NullStaysDistinctFromTheEmptyTextAndFromZeroThroughATable)
{
    db().exec(QStringLiteral(
        "INSERT INTO par (parcod, pardes, parfan, parcnpjcpf) VALUES (1, 'A', '', NULL), (0, 'B', NULL, '')"));
    Query query(QStringLiteral("Q"), &connection);
    query.sql().add(
        QStringLiteral("select parcod, parfan as pardes, parcnpjcpf as parfan from par order by parcod desc"));
    query.open();
    Field& parcod = query.fieldByName(QStringLiteral("parcod"));
    Field& pardes = query.fieldByName(QStringLiteral("pardes"));
    Field& parfan = query.fieldByName(QStringLiteral("parfan"));
    EXPECT_EQ(pardes.value(), Value(QString()));
    EXPECT_TRUE(parfan.value().isNull());
    EXPECT_FALSE(pardes.isNull());
    query.next();
    EXPECT_EQ(parcod.value(), Value(0));
    EXPECT_FALSE(parcod.isNull());
    EXPECT_TRUE(pardes.isNull());
    EXPECT_EQ(parfan.value(), Value(QString()));
}

}  // namespace
