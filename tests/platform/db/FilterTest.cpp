#include "DatabaseTest.h"
#include "DatasetError.h"
#include "FilterExpression.h"
#include "Query.h"

#include <gtest/gtest.h>

namespace {

class FilterSyntaxTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FilterSyntaxTest, AnExpressionItCannotReadIsRefusedWhenSet)
{
    EXPECT_THROW(FilterExpression::parse(QString::fromUtf8(GetParam())), DatasetError) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Cases, FilterSyntaxTest,
                         ::testing::Values("ativo = ", "ativo 1", "= 1", "ativo = 1 and", "(ativo = 1", "ativo = 1)",
                                           "check = 'X", "ativo == 1", "ativo = 1 ; drop", "ativo like 'x%'",
                                           "ativo ! 1", "ativo is 1", "1.2.3 = ativo"));

// Rows (ativo, check, nome): the filter reads the values the dataset holds, edits included.
class FilterTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        query.sql().setText(QStringLiteral(
            "select ativo, \"check\", nome from (values (1, 0, ''::varchar(1), 'ana'), (2, 1, 'X', 'bia'), "
            "(3, 0, 'X', null), (4, 1, '', 'Ana')) as t(id, ativo, \"check\", nome) order by id"));
        query.open();
    }

    int count(const char* expression)
    {
        query.setFilter(QString::fromUtf8(expression));
        query.setFiltered(true);
        const int rows = query.recordCount();
        query.setFiltered(false);
        return rows;
    }

    Query query{QStringLiteral("Q"), &connection};
};

TEST_F(FilterTest, SelectsTheRowsAnExpressionDescribes)
{
    EXPECT_EQ(count("ativo = 1 "), 2);
    EXPECT_EQ(count(" check = 'X' "), 2);
    EXPECT_EQ(count("ativo = 1 and check = 'X'"), 1);
    EXPECT_EQ(count("ativo = 1 or check = 'X'"), 3);
    EXPECT_EQ(count("not (ativo = 1)"), 2);
    EXPECT_EQ(count("ativo <> 1"), 2);
    EXPECT_EQ(count("ativo >= 0 AND ativo < 1"), 2);
    EXPECT_EQ(count("nome = 'ana'"), 1);   // text compares with case
    EXPECT_EQ(count("nome <> 'ana'"), 2);  // NULL satisfies no comparison
    EXPECT_EQ(count("nome is null"), 1);
    EXPECT_EQ(count("nome IS NOT NULL"), 3);
    EXPECT_EQ(count(""), 4);
    EXPECT_EQ(query.recordCount(), 4);
}

TEST_F(FilterTest, AnUnknownFieldIsAnErrorAndTheFilterStaysAsItWas)
{
    query.setFilter(QStringLiteral("ativo = 1"));
    query.setFiltered(true);
    EXPECT_THROW(query.setFilter(QStringLiteral("nada = 1")), DatasetError);
    EXPECT_EQ(query.filter(), QStringLiteral("ativo = 1"));
    EXPECT_EQ(query.recordCount(), 2);
    EXPECT_THROW(query.setFilter(QStringLiteral("ativo = ")), DatasetError);
    EXPECT_EQ(query.recordCount(), 2);
}

TEST_F(FilterTest, EditsDecideWhichRowsPassAndFilteringOffShowsAllAgain)
{
    query.setFilter(QStringLiteral(" check = 'X' "));
    query.first();
    query.edit();
    query.fieldByName(QStringLiteral("check")).setAsString(QStringLiteral("X"));  // ana
    query.setFiltered(true);                                                      // posts the pending edit first
    EXPECT_EQ(query.recordCount(), 3);
    EXPECT_EQ(query.fieldByName(QStringLiteral("nome")).asString(), QStringLiteral("ana"));
    EXPECT_TRUE(query.bof());

    // A posted row that stops passing leaves the filtered rows; the next one becomes current.
    query.edit();
    query.fieldByName(QStringLiteral("check")).setAsString(QString());
    query.post();
    EXPECT_EQ(query.recordCount(), 2);
    EXPECT_EQ(query.fieldByName(QStringLiteral("nome")).asString(), QStringLiteral("bia"));

    query.setFiltered(false);
    EXPECT_EQ(query.recordCount(), 4);
    EXPECT_EQ(query.fieldByName(QStringLiteral("nome")).asString(), QStringLiteral("ana"));
}

}  // namespace
