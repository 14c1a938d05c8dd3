#include "DatabaseError.h"
#include "DatabaseTest.h"
#include "UnDM.h"

#include <gtest/gtest.h>

namespace {

// Test data in the host schema: one client, one groupable and one other operation, three invoices.
class DataModuleTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        db().configure(dm.FDConnection1);
        dm.FDConnection1.open();
        db().exec(QStringLiteral(
            "INSERT INTO par (parcod, pardes, parsit) VALUES (1, 'EMPRESA MATRIZ', 'A'), (123, 'MERCADO BOM PRECO', "
            "'A');"
            "INSERT INTO opnf (opnfcod, opnfdes, opnfsta) VALUES (5102, 'VENDA', 'G'), (5949, 'REMESSA', 'N');"
            "INSERT INTO nf (nfcod, nfempparcod, nfparcod, nfnum, nfserie, nfdtemi, nfopnfcod, nfvl, nfobs, nfsta) "
            "VALUES "
            " (1001, 1, 123, 101, '1', '2025-03-01', 5102, 100.00, repeat('x', 300), 'A'),"
            " (1002, 1, 123, 102, '1', '2025-03-02', 5102, 250.50, 'curta', 'A'),"
            " (1003, 1, 123, 103, '1', '2025-03-03', 5949, 10.00, null, 'A');"
            "INSERT INTO nfi (nfinfcod, nfinfempparcod, nfinfparcod, nfinfnum, nfiprocod, nfiseq, nfiqtde, nfivl, "
            "nfiinfadprod) VALUES "
            " (1001, 1, 123, 101, 500, 1, 2.5, 30.00, 'lote 7'), (1001, 1, 123, 101, 501, 2, 1, 5.00, null)"));
    }

    void selectInvoices()
    {
        Query& q = dm.FDQueryNF;
        q.close();
        q.sql().clear();
        for (const char* line :
             {"select ", "0 as ativo, parcod, pardes, cast(nfobs as Character Varying(254)) as nfobs,", " * ",
              "from nf ", "join par on parcod = nfparcod ", "join opnf on nfopnfcod = opnfcod and opnfsta = 'G'",
              "and nfparcod=123"})
            q.sql().add(QString::fromUtf8(line));
        q.open();
    }

    QString tableDigest() const
    {
        return db().scalar(QStringLiteral("select md5(string_agg(nf::text, '|' order by nfcod)) from nf"));
    }

    TDM dm;
};

TEST_F(DataModuleTest, TheInvoiceListBindsItsFieldsToTheFirstColumnOfEachName)
{
    selectInvoices();
    Query& q = dm.FDQueryNF;
    EXPECT_EQ(q.recordCount(), 2);  // the non-groupable operation is not listed
    EXPECT_EQ(q.fieldCount(), 87);
    const Field& nfobs = q.fieldByName(QStringLiteral("nfobs"));
    EXPECT_TRUE(q.locate(QStringLiteral("nfnum"), 101));
    EXPECT_EQ(nfobs.asString(), QString(254, u'x'));  // the cast column, not the whole remark of nf.*
    EXPECT_TRUE(nfobs.readOnly());
    EXPECT_EQ(nfobs.size(), 254);
    EXPECT_EQ(q.fieldByName(QStringLiteral("parcod")).asInteger(), 123);
    EXPECT_EQ(q.fieldByName(QStringLiteral("pardes")).asString(), QStringLiteral("MERCADO BOM PRECO"));
    EXPECT_EQ(q.fieldByName(QStringLiteral("nfvl")).asFloat(), 100.0);
    EXPECT_EQ(q.fieldByName(QStringLiteral("nfdtemi")).asString(), QStringLiteral("01/03/2025"));
    EXPECT_EQ(q.fieldByName(QStringLiteral("nfsta")).asString(), QStringLiteral("A"));  // char(2), blanks dropped
    EXPECT_EQ(q.fieldByName(QStringLiteral("ativo")).asInteger(), 0);
    EXPECT_EQ(dm.DsNF.dataSet(), &q);
}

TEST_F(DataModuleTest, TicksLiveInMemoryAndTheFilterShowsOnlyTickedRowsWhileOn)
{
    const QString before = tableDigest();
    selectInvoices();
    Query& q = dm.FDQueryNF;
    Field& ativo = q.fieldByName(QStringLiteral("ativo"));
    q.last();
    q.edit();
    ativo.setAsInteger(1);  // left in edit mode, as a double click leaves it

    q.setFilter(QStringLiteral("ativo = 1 "));
    q.setFiltered(true);
    EXPECT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.fieldByName(QStringLiteral("nfnum")).asInteger(), 102);
    q.setFiltered(false);
    EXPECT_EQ(q.recordCount(), 2);

    // Whatever is done with the list afterwards, nf itself never changes.
    dm.ExecutarSQL.close();
    dm.ExecutarSQL.sql().clear();
    dm.ExecutarSQL.sql().add(QStringLiteral("select count(*) as n from nf"));
    dm.ExecutarSQL.open();
    q.close();
    selectInvoices();
    EXPECT_EQ(q.fieldByName(QStringLiteral("ativo")).asInteger(), 0);
    EXPECT_EQ(tableDigest(), before);
}

TEST_F(DataModuleTest, InvoiceItemsOpenForOneInvoiceAndEmptyForOneWithout)
{
    Query& items = dm.FDQueryNfi;
    EXPECT_EQ(items.sql().count(), 6);
    EXPECT_TRUE(items.sql()[5].startsWith(QString(31, u' ') + QStringLiteral("where nfinfcod = :0")));
    items.param(0).setInteger(1001);
    items.param(1).setInteger(1);
    items.open();
    EXPECT_EQ(items.recordCount(), 2);
    EXPECT_EQ(items.fieldCount(), 30);
    EXPECT_TRUE(items.locate(QStringLiteral("nfiprocod"), 500));
    EXPECT_EQ(items.fieldByName(QStringLiteral("nfiqtde")).asFloat(), 2.5);
    EXPECT_EQ(items.fieldByName(QStringLiteral("nfiinfadprod")).asString(), QStringLiteral("lote 7"));

    items.close();
    items.param(0).setInteger(1002);
    items.param(1).setInteger(1);
    items.open();
    EXPECT_TRUE(items.isEmpty());
    EXPECT_TRUE(items.eof());
}

TEST_F(DataModuleTest, TheCommandDatasetRaisesTheServersMessage)
{
    Query& sql = dm.ExecutarSQL;
    sql.close();
    sql.sql().clear();
    sql.sql().add(QStringLiteral("INSERT INTO public.pv (pvcod, pvcanal) VALUES (:0, :1)"));
    sql.param(0).setInteger(1);
    sql.param(1).setText(QStringLiteral("TLX"));
    try {
        sql.execute();
        FAIL() << "the server took it";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("value too long for type character varying(2)"))) << e.what();
        EXPECT_EQ(e.sqlState(), QStringLiteral("22001"));
    }
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from pv")), QStringLiteral("0"));
}

}  // namespace
