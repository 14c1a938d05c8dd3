#include "DataSource.h"
#include "DatabaseError.h"
#include "DatabaseTest.h"
#include "DatasetError.h"
#include "ConversionError.h"
#include "Query.h"
#include "Transaction.h"

#include <gtest/gtest.h>

namespace {

class QueryTest : public DatabaseTest {
protected:
    void openRows(const char* sql)
    {
        query.sql().setText(QString::fromUtf8(sql));
        query.open();
    }

    QString name() const { return query.fieldByName(QStringLiteral("nome")).asString(); }

    Query query{QStringLiteral("Q"), &connection};
};

constexpr const char* threeNames =
    "select n as id, nome from (values (1, 'Silva'), (2, 'SILVEIRA'), (3, 'Souza')) as t(n, nome) order by n";

TEST_F(QueryTest, WalksRowsFromFirstToEndOfData)
{
    openRows(threeNames);
    QStringList seen;
    for (query.first(); !query.eof(); query.next())
        seen << name();
    EXPECT_EQ(seen, (QStringList{"Silva", "SILVEIRA", "Souza"}));
    EXPECT_EQ(name(), QStringLiteral("Souza"));  // end of data stays on the last row
    EXPECT_EQ(query.recordCount(), 3);
    query.prior();
    EXPECT_EQ(query.recNo(), 1);
    query.last();
    EXPECT_TRUE(query.eof());
    query.setRecNo(0);
    EXPECT_EQ(name(), QStringLiteral("Silva"));
    EXPECT_THROW(query.setRecNo(3), DatasetError);
}

TEST_F(QueryTest, AnEmptyResultOpensWithNoRowAndNullFields)
{
    openRows("select 1 as id, 'x'::varchar(5) as nome where false");
    EXPECT_TRUE(query.active());
    EXPECT_TRUE(query.eof());
    EXPECT_TRUE(query.bof());
    EXPECT_TRUE(query.isEmpty());
    EXPECT_EQ(query.recordCount(), 0);
    EXPECT_TRUE(query.fieldByName(QStringLiteral("id")).value().isNull());
    EXPECT_EQ(query.fieldByName(QStringLiteral("id")).asInteger(), 0);
    EXPECT_THROW(query.edit(), DatasetError);
}

TEST_F(QueryTest, EveryOperationOnAClosedDatasetNamesTheDataset)
{
    const QString closed = QStringLiteral("Q: Cannot perform this operation on a closed dataset");
    auto expectClosed = [&](auto operation) {
        try {
            operation();
            ADD_FAILURE() << "no error";
        } catch (const DatasetError& e) {
            EXPECT_EQ(e.message(), closed);
        }
    };
    expectClosed([&] { query.first(); });
    expectClosed([&] { query.next(); });
    expectClosed([&] { query.recordCount(); });
    expectClosed([&] { query.edit(); });
    expectClosed([&] { query.post(); });
    expectClosed([&] { query.locate(QStringLiteral("id"), 1); });
    EXPECT_TRUE(query.eof());
    EXPECT_TRUE(query.isEmpty());

    openRows(threeNames);
    query.close();
    try {
        query.fieldByName(QStringLiteral("id"));
        ADD_FAILURE() << "no error";
    } catch (const DatasetError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Q: Field 'id' not found"));
    }
}

TEST_F(QueryTest, AFieldNameUsedTwiceBindsToTheFirstColumn)
{
    openRows("select 1 as x, 2 as X, 3 as y");
    EXPECT_EQ(query.fieldByName(QStringLiteral("x")).asInteger(), 1);
    EXPECT_EQ(query.fieldCount(), 3);
}

TEST_F(QueryTest, PersistentFieldsBindByNameAndAMissingOneStopsTheOpening)
{
    query.addField(QStringLiteral("b"), FieldType::ftInteger);
    query.addField(QStringLiteral("a"), FieldType::ftWideString, 10);
    openRows("select 'x' as a, 7 as b, 'ignored' as c, 8 as b");
    EXPECT_EQ(query.fieldCount(), 2);
    EXPECT_EQ(query.field(0).asInteger(), 7);
    EXPECT_EQ(query.field(1).asString(), QStringLiteral("x"));
    EXPECT_EQ(query.findField(QStringLiteral("c")), nullptr);

    query.sql().setText(QStringLiteral("select 1 as b"));
    try {
        query.open();
        ADD_FAILURE() << "opened without field a";
    } catch (const DatasetError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Q: Field 'a' not found"));
    }
    EXPECT_FALSE(query.active());

    query.sql().setText(QStringLiteral("select 'x' as a, current_date as b"));
    EXPECT_THROW(query.open(), DatasetError);  // a date cannot stand in an integer field
}

TEST_F(QueryTest, EditsStayInMemoryUntilTheDatasetIsClosed)
{
    db().exec(QStringLiteral("INSERT INTO par (parcod, pardes, parsit) VALUES (1, 'ANA', 'A'), (2, 'BIA', 'A')"));
    openRows("select 0 as ativo, parcod, pardes from par order by parcod");
    Field& ativo = query.fieldByName(QStringLiteral("ativo"));

    EXPECT_THROW(ativo.setAsInteger(1), DatasetError);  // not in edit mode
    query.edit();
    ativo.setAsInteger(1);
    EXPECT_EQ(query.state(), Query::State::Edit);
    query.next();  // moving on posts the edit
    EXPECT_EQ(query.state(), Query::State::Browse);
    EXPECT_EQ(ativo.valueAt(0), Value(1));
    query.edit();
    ativo.setAsInteger(1);
    query.cancel();
    EXPECT_EQ(ativo.asInteger(), 0);
    EXPECT_THROW(query.post(), DatasetError);  // nothing to post

    query.first();
    EXPECT_EQ(ativo.asInteger(), 1);
    query.close();
    query.open();
    EXPECT_EQ(ativo.asInteger(), 0);
}

TEST_F(QueryTest, AReadOnlyFieldRefusesEdits)
{
    openRows(threeNames);
    Field& nome = query.fieldByName(QStringLiteral("nome"));
    nome.setReadOnly(true);
    query.edit();
    try {
        nome.setAsString(QStringLiteral("x"));
        ADD_FAILURE() << "changed a read-only field";
    } catch (const DatasetError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Q: Field 'nome' cannot be modified"));
    }
    nome.setReadOnly(false);
    nome.setAsString(QStringLiteral("x"));
    query.post();
    EXPECT_EQ(name(), QStringLiteral("x"));
}

TEST_F(QueryTest, LocateFindsTheFirstMatchFromTheTop)
{
    openRows(threeNames);
    query.last();
    EXPECT_TRUE(
        query.locate(QStringLiteral("nome"), QStringLiteral("SILV"), {.caseInsensitive = true, .partialKey = true}));
    EXPECT_EQ(name(), QStringLiteral("Silva"));
    EXPECT_TRUE(
        query.locate(QStringLiteral("nome"), QStringLiteral("silvei"), {.caseInsensitive = true, .partialKey = true}));
    EXPECT_EQ(name(), QStringLiteral("SILVEIRA"));
    EXPECT_FALSE(query.locate(QStringLiteral("nome"), QStringLiteral("silva"), {}));  // with case, whole text
    EXPECT_FALSE(query.locate(QStringLiteral("nome"), QStringLiteral("Silv"), {.partialKey = false}));
    EXPECT_EQ(name(), QStringLiteral("SILVEIRA"));  // no match: the current row stays
    EXPECT_TRUE(query.locate(QStringLiteral("id"), QStringLiteral("3"), {.caseInsensitive = true, .partialKey = true}));
    EXPECT_EQ(name(), QStringLiteral("Souza"));
    EXPECT_THROW(query.locate(QStringLiteral("id"), QStringLiteral("TRES"), {}), ConversionError);
}

TEST_F(QueryTest, DisabledControlsHearNothingUntilEnabledAgain)
{
    openRows(threeNames);
    DataSource source;
    source.setDataSet(&query);
    int changed = 0, scrolled = 0;
    QObject::connect(&source, &DataSource::dataSetChanged, [&] { ++changed; });
    QObject::connect(&source, &DataSource::scrolled, [&] { ++scrolled; });
    {
        const ControlsDisabled still(query);
        for (query.first(); !query.eof(); query.next()) {
            query.edit();
            query.fieldByName(QStringLiteral("nome")).setAsString(QStringLiteral("x"));
            query.post();
        }
        EXPECT_TRUE(query.controlsDisabled());
        EXPECT_EQ(changed + scrolled, 0);
    }
    EXPECT_FALSE(query.controlsDisabled());
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(scrolled, 1);
    query.next();
    EXPECT_EQ(scrolled, 1);  // already at the end: nothing moved
    query.first();
    EXPECT_EQ(scrolled, 2);
}

TEST_F(QueryTest, ChangingTheStatementClosesTheDatasetAndForgetsItsParameters)
{
    query.sql().add(QStringLiteral("select :0::int as id"));
    query.param(0).setInteger(5);
    query.open();
    Field& id = query.fieldByName(QStringLiteral("id"));
    EXPECT_EQ(id.asInteger(), 5);
    query.close();
    query.param(0).setInteger(6);
    query.open();
    EXPECT_EQ(id.asInteger(), 6);  // the same statement reopened keeps its field objects
    query.sql().add(QStringLiteral(", :1::int as outro"));
    EXPECT_FALSE(query.active());
    ASSERT_EQ(query.params().count(), 2);
    EXPECT_EQ(query.param(0).type(), ParamType::Unknown);
    try {
        query.open();
        ADD_FAILURE() << "opened with unassigned parameters";
    } catch (const DatasetError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Q: Parameter '0' has no value"));
    }
    EXPECT_THROW(query.param(2), DatasetError);

    query.sql().setText(QStringLiteral("select 'x' as nome"));
    query.open();
    EXPECT_THROW(id.value(), DatasetError);  // a field of the earlier statement is refused, not read astray
}

TEST_F(QueryTest, TheServersRejectionCarriesItsMessageAndSqlState)
{
    openRows(threeNames);
    query.sql().setText(QStringLiteral("select nada from par"));
    try {
        query.open();
        ADD_FAILURE() << "the server accepted it";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("column \"nada\" does not exist"))) << e.what();
        EXPECT_EQ(e.sqlState(), QStringLiteral("42703"));
    }
    EXPECT_FALSE(query.active());
}

TEST_F(QueryTest, ExecuteWritesAndReportsTheRowsItTouched)
{
    query.sql().setText(QStringLiteral("INSERT INTO par (parcod, pardes, parsit) VALUES (:0, :1, 'A'), (:2, :1, 'A')"));
    query.param(0).setInteger(10);
    query.param(1).setText(QStringLiteral("ANA"));
    query.param(2).setInteger(11);
    EXPECT_EQ(query.execute(), 2);
    EXPECT_FALSE(query.active());
    query.sql().setText(QStringLiteral("UPDATE par SET parsit = 'I' WHERE parcod = :0"));
    query.param(0).setInteger(11);
    EXPECT_EQ(query.execute(), 1);
    EXPECT_EQ(db().column(QStringLiteral("select parcod || parsit from par order by parcod")),
              (QStringList{"10A", "11I"}));
    query.sql().setText(QStringLiteral("INSERT INTO par (parcod, pardes) VALUES (1, 'X')"));
    EXPECT_THROW(query.open(), DatasetError);  // no rows to show; it ran all the same
}

TEST_F(QueryTest, TextFromTheUserTravelsBoundAndIsStoredAsTyped)
{
    const QString hostile = QStringLiteral("O'Brien'); DELETE FROM par; -- :1 $1");
    query.sql().setText(QStringLiteral("INSERT INTO par (parcod, pardes, parsit) VALUES (1, :0, 'A')"));
    query.param(0).setText(hostile);
    query.execute();
    EXPECT_EQ(db().scalar(QStringLiteral("select pardes from par")), hostile);
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from par")), QStringLiteral("1"));

    query.sql().setText(QStringLiteral("select parcod from par where pardes = :0; delete from par"));
    query.param(0).setText(hostile);
    EXPECT_THROW(query.open(), DatabaseError);  // one statement per call, never two
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from par")), QStringLiteral("1"));
}

struct ParamCase {
    const char* what;
    std::function<void(Param&)> set;
    const char* cast;      // how the statement reads it back
    const char* expected;  // the server's text, "<null>" for NULL
};

class ParamTypeTest : public QueryTest, public ::testing::WithParamInterface<ParamCase> {};

TEST_P(ParamTypeTest, EachParameterTypeReachesTheServerAsThatType)
{
    const ParamCase& c = GetParam();
    const QString cast = QString::fromUtf8(c.cast);
    query.sql().setText(QStringLiteral("select pg_typeof(:0%1)::text as tipo, (:0%1)::text as valor").arg(cast));
    c.set(query.param(0));
    query.open();
    const QString valor = query.fieldByName(QStringLiteral("valor")).isNull()
                              ? QStringLiteral("<null>")
                              : query.fieldByName(QStringLiteral("valor")).asString();
    EXPECT_EQ(query.fieldByName(QStringLiteral("tipo")).asString() + u'=' + valor, QString::fromUtf8(c.expected))
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParamTypeTest,
    ::testing::Values(
        ParamCase{"integer", [](Param& p) { p.setInteger(-2147483647 - 1); }, "", "integer=-2147483648"},
        ParamCase{"large integer", [](Param& p) { p.setLargeInt(5000000000LL); }, "", "bigint=5000000000"},
        ParamCase{"float", [](Param& p) { p.setFloat(0.1 + 0.2); }, "", "double precision=0.30000000000000004"},
        ParamCase{"text", [](Param& p) { p.setText(QStringLiteral("João d'Ávila")); }, "", "text=João d'Ávila"},
        ParamCase{"empty text", [](Param& p) { p.setText(QString()); }, "", "text="},
        ParamCase{"date", [](Param& p) { p.setDate(QDate(1500, 1, 1)); }, "", "date=1500-01-01"},
        ParamCase{"date-time", [](Param& p) { p.setDateTime(QDateTime(QDate(2025, 3, 1), QTime(23, 59, 58, 123))); },
                  "", "timestamp without time zone=2025-03-01 23:59:58.123"},
        ParamCase{"zero date-time", [](Param& p) { p.setDateTime(QDateTime(QDate(1899, 12, 30), QTime(0, 0))); }, "",
                  "timestamp without time zone=1899-12-30 00:00:00"},
        ParamCase{"boolean", [](Param& p) { p.setBoolean(true); }, "", "boolean=true"},
        ParamCase{"null integer", [](Param& p) { p.setNull(); }, "", "integer=<null>"},
        ParamCase{"value: integer", [](Param& p) { p.setValue(Value(7)); }, "", "integer=7"},
        ParamCase{"value: text", [](Param& p) { p.setValue(Value(QStringLiteral("%"))); }, "", "text=%"},
        ParamCase{"value: null", [](Param& p) { p.setValue(Value::null()); }, "::int", "integer=<null>"}));

TEST_F(QueryTest, ATransactionLeavesAllOrNothing)
{
    Query insert(QStringLiteral("I"), &connection);
    insert.sql().setText(QStringLiteral("INSERT INTO par (parcod, pardes, parsit) VALUES (:0, 'X', 'A')"));
    {
        Transaction transaction(connection);
        insert.param(0).setInteger(1);
        insert.execute();
        EXPECT_TRUE(connection.inTransaction());
    }  // left without commit
    EXPECT_FALSE(connection.inTransaction());
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from par")), QStringLiteral("0"));

    {
        Transaction transaction(connection);
        insert.param(0).setInteger(2);
        insert.execute();
        insert.param(0).setInteger(2);
        EXPECT_THROW(insert.execute(), DatabaseError);  // duplicate key: the transaction is now failed
        try {
            transaction.commit();
            ADD_FAILURE() << "a failed transaction was reported as committed";
        } catch (const DatabaseError& e) {
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
    EXPECT_FALSE(connection.inTransaction());
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from par")), QStringLiteral("0"));

    Transaction transaction(connection);
    insert.param(0).setInteger(3);
    insert.execute();
    transaction.commit();
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from par")), QStringLiteral("1"));
}

}  // namespace
