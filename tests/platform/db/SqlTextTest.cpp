#include "ParameterMarkers.h"
#include "SqlLines.h"

#include <gtest/gtest.h>

namespace {

TEST(SqlLinesTest, ReadsAsLinesEachEndedByCrLf)
{
    SqlLines sql;
    EXPECT_EQ(sql.text(), QString());
    sql.add(QStringLiteral("select 1"));
    sql.add(QString());
    sql.add(QStringLiteral("from x "));
    EXPECT_EQ(sql.text(), QStringLiteral("select 1\r\n\r\nfrom x \r\n"));
}

struct SplitCase {
    const char* text;
    QStringList lines;
};

class SqlLinesSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SqlLinesSplitTest, SplitsAtEveryKindOfLineBreakWithoutATrailingEmptyLine)
{
    SqlLines sql;
    sql.setText(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(sql.lines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, SqlLinesSplitTest,
                         ::testing::Values(SplitCase{"", {}}, SplitCase{"a", {"a"}}, SplitCase{"a\r\n", {"a"}},
                                           SplitCase{"a\n", {"a"}}, SplitCase{"a\rb", {"a", "b"}},
                                           SplitCase{"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
                                           SplitCase{"a\n\nb", {"a", "", "b"}}, SplitCase{"a\r\n\r\n", {"a", ""}},
                                           SplitCase{"\n", {""}}, SplitCase{"  x  \r\n y", {"  x  ", " y"}}));

TEST(SqlLinesTest, TellsItsOwnerOfEveryChange)
{
    SqlLines sql;
    int changes = 0;
    sql.setOnChange([&] { ++changes; });
    sql.add(QStringLiteral("a"));
    sql.setText(QStringLiteral("b\nc"));
    sql.clear();
    EXPECT_EQ(changes, 3);
}

struct MarkerCase {
    const char* sql;
    const char* serverSql;
    QStringList names;
};

class ParameterMarkersTest : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(ParameterMarkersTest, TranslatesMarkersOutsideLiteralsCommentsAndCasts)
{
    const ParameterMarkers markers = ParameterMarkers::parse(QString::fromUtf8(GetParam().sql));
    EXPECT_EQ(markers.serverSql, QString::fromUtf8(GetParam().serverSql));
    EXPECT_EQ(markers.names, GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParameterMarkersTest,
    ::testing::Values(MarkerCase{"where a = :0 and b = :1", "where a = $1 and b = $2", {"0", "1"}},
                      MarkerCase{":1, :0, :1", "$1, $2, $1", {"1", "0"}},
                      MarkerCase{":Nome or :nome", "$1 or $1", {"Nome"}},
                      MarkerCase{":0,:1,:2,:3,:4,:5,:6,:7,:8,:9,:10);",
                                 "$1,$2,$3,$4,$5,$6,$7,$8,$9,$10,$11);",
                                 {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
                      MarkerCase{"select '10:30', x::int, :0", "select '10:30', x::int, $1", {"0"}},
                      MarkerCase{"select 'it''s :0', :1", "select 'it''s :0', $1", {"1"}},
                      MarkerCase{"select E'\\' :0', :1", "select E'\\' :0', $1", {"1"}},
                      MarkerCase{"select \"a:0\" from t where x = :0", "select \"a:0\" from t where x = $1", {"0"}},
                      MarkerCase{"-- :0\r\nselect :1", "-- :0\r\nselect $1", {"1"}},
                      MarkerCase{"/* :0 /* :1 */ :2 */ :3", "/* :0 /* :1 */ :2 */ $1", {"3"}},
                      MarkerCase{"select $$ :0 $$, $q$ :1 $q$, :2", "select $$ :0 $$, $q$ :1 $q$, $1", {"2"}},
                      MarkerCase{"select : 0, 'open :0", "select : 0, 'open :0", {}},
                      MarkerCase{"cast(nfobs as Character Varying(254)) as nfobs,",
                                 "cast(nfobs as Character Varying(254)) as nfobs,",
                                 {}}));

}  // namespace
