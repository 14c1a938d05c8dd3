#include "EventosNumero.h"
#include "EventosString.h"
#include "QStringPrinter.h"
#include "RangeError.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

// Runs `routine` and gives its result, or nothing when it refused the text with a range error.
template <typename Routine>
std::optional<QString> resultOrRangeError(Routine routine)
{
    try {
        return routine();
    } catch (const RangeError& error) {
        EXPECT_FALSE(error.message().isEmpty());
        return std::nullopt;
    }
}

TEST(ValorSemZerosAEsqTest, StripsOnlyLeadingZeros)
{
    struct Case {
        QString text;
        const char* expected;
    };
    const Case cases[] = {
        {QStringLiteral("000123"), "123"},
        {QStringLiteral("000"), "0"},
        {QStringLiteral("0"), "0"},
        {QStringLiteral("0A0"), "A0"},
        {QString(), ""},
        {QStringLiteral(" 012"), " 012"},
        {QStringLiteral("100"), "100"},
        {QStringLiteral("0,50"), ",50"},
        {QString(255, u'0') + u'7', "7"},
        {QString(256, u'0'), "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(ValorSemZerosAEsq(c.text), QString::fromUtf8(c.expected));
    }
}

TEST(ValorSemZerosAEsqTest, RefusesTextsLongerThan256Characters)
{
    EXPECT_THROW(ValorSemZerosAEsq(QString(257, u'0')), RangeError);
    EXPECT_THROW(ValorSemZerosAEsq(QString(256, u'0') + u'1'), RangeError);
}

TEST(RetornaPosUltimoTest, GivesTheStartOfTheLastNonOverlappingMatch)
{
    struct Case {
        const char* sought;
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {",", "a,b,c", 4},
        {"ORDER BY", "SELECT A FROM T WHERE A LIKE :0", 0},
        {"ORDER BY", "SELECT A FROM T ORDER BY A", 17},
        {"AA", "AAAA", 3},
        {"AA", "AAA", 1},
        {"AA", "AAAAA", 3},
        {"LIKE", "A LIKE :0 AND B LIKE :1 ORDER BY A", 17},
        {"like", "A LIKE :0", 0},
        {"x", "x", 1},
        {"abc", "", 0},
        {"abc", "ab", 0},
        {"", "abc", 0},
        {"", "", 0},
        {"ç", "ação e ção", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sought) + " in " + c.text);
        EXPECT_EQ(retornaPosUltimo(QString::fromUtf8(c.sought), QString::fromUtf8(c.text)), c.expected);
    }
}

struct WordCase {
    const char* text;
    const char* posicao;
    std::optional<const char*> expected;  // nothing: a range error
};

void PrintTo(const WordCase& c, std::ostream* out)
{
    *out << '"' << c.text << "\", " << c.posicao;
}

class ApagaPalavraTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(ApagaPalavraTest, RemovesTheWordWithItsParentheses)
{
    const WordCase& c = GetParam();
    const auto result =
        resultOrRangeError([&] { return ApagaPalavra(QString::fromUtf8(c.text), QString::fromUtf8(c.posicao)); });
    const auto expected = c.expected ? std::optional(QString::fromUtf8(*c.expected)) : std::nullopt;
    EXPECT_EQ(result, expected);
}

INSTANTIATE_TEST_SUITE_P(UltimaPalavra, ApagaPalavraTest,
                         ::testing::Values(WordCase{"WHERE x = 1 AND UPPER(nome)", "u", "WHERE x = 1 AND "},
                                           WordCase{"WHERE (campo", "u", "WHERE ("},
                                           WordCase{"SELECT A   ", "u", "SELECT "},
                                           WordCase{"WHERE UPPER(CAST(A AS VARCHAR(254)))", "u", "WHERE "},
                                           WordCase{"X IN (A, B)", "u", "X IN "}, WordCase{"A\r\nB", "u", {}},
                                           WordCase{"", "u", {}}, WordCase{"    ", "u", {}}, WordCase{"nome", "u", {}},
                                           WordCase{"x)", "u", {}}, WordCase{"F(A B)", "u", {}}));

INSTANTIATE_TEST_SUITE_P(PrimeiraPalavra, ApagaPalavraTest,
                         ::testing::Values(WordCase{"nome DESC, x", "p", " DESC, x"},
                                           WordCase{"(a,b) DESC", "p", " DESC"}, WordCase{"nome,x", "p", ",x"},
                                           WordCase{"   nome DESC", "p", " DESC"},
                                           WordCase{"UPPER(A, B), C", "p", ", C"}, WordCase{"nome", "p", ""},
                                           WordCase{"DESC\r\nLIMIT 50", "p", " 50"},
                                           WordCase{"nome DESC", "q", " DESC"}, WordCase{"nome DESC", "U", " DESC"},
                                           WordCase{"", "p", ""}, WordCase{"   ", "p", {}}, WordCase{"(a b", "p", {}},
                                           WordCase{"f(a))", "p", {}}));

}  // namespace
