#include "DatabaseError.h"
#include "DatabaseTest.h"
#include "Query.h"
#include "Transaction.h"

#include <gtest/gtest.h>

namespace {

class SchemaTest : public DatabaseTest {
protected:
    int columnCount(const char* table) const
    {
        return db()
            .scalar(QStringLiteral("select count(*) from information_schema.columns where table_schema = 'public' "
                                   "and table_name = '%1'")
                        .arg(QLatin1String(table)))
            .toInt();
    }

    void insertLine(int order)
    {
        Query line(QString(), &connection);
        line.sql().add(
            QStringLiteral("INSERT INTO public.pvi (pvipvempparcod, pvipvcod, pviprocod) VALUES (1, :0, 500)"));
        line.param(0).setInteger(order);
        line.execute();
    }
};

TEST_F(SchemaTest, OrderTablesHaveTheColumnsTheOrderInsertsName)
{
    EXPECT_EQ(columnCount("pv"), 68);
    EXPECT_EQ(columnCount("pvi"), 35);
    EXPECT_EQ(db().scalar(QStringLiteral("select nextval('pv_pvcod_seq') as seqpv")), QStringLiteral("1"));
}

TEST_F(SchemaTest, AnOrdersLinesMayPrecedeItsHeaderWithinOneTransactionButNotOutliveIt)
{
    {
        Transaction transaction(connection);
        insertLine(7);
        Query header(QString(), &connection);
        header.sql().add(QStringLiteral("INSERT INTO public.pv (pvcod) VALUES (7)"));
        header.execute();
        transaction.commit();
    }
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from pvi where pvipvcod = 7")), QStringLiteral("1"));

    Transaction orphan(connection);
    insertLine(8);
    EXPECT_THROW(orphan.commit(), DatabaseError);
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from pvi where pvipvcod = 8")), QStringLiteral("0"));
}

TEST_F(SchemaTest, TheDemoDataLoadsAndShowsWhatTheProgramNeeds)
{
    db().execFile(QStringLiteral("db/demo_data.sql"));
    EXPECT_GT(db().scalar(QStringLiteral("select count(*) from par where parsit = 'A'")).toInt(), 50);
    EXPECT_GT(db().scalar(QStringLiteral("select count(*) from par where parsit <> 'A'")).toInt(), 0);
    EXPECT_GT(db().scalar(QStringLiteral("select count(*) from opnf where opnfsta <> 'G'")).toInt(), 0);
    // Groupable invoices fall in the default period, the first of this month until now.
    EXPECT_GT(db().scalar(QStringLiteral("select count(*) from nf join opnf on nfopnfcod = opnfcod and opnfsta = 'G' "
                                         "where nfdtemi between date_trunc('month', current_date) and current_date"))
                  .toInt(),
              0);
    EXPECT_GT(db().scalar(QStringLiteral("select count(*) from nf where not exists "
                                         "(select 1 from nfi where nfinfcod = nfcod and nfinfempparcod = nfempparcod)"))
                  .toInt(),
              0);
    EXPECT_GT(db().scalar(QStringLiteral("select count(*) from nfi where nfiqtde <> trunc(nfiqtde)")).toInt(), 0);
    const QString charging = QStringLiteral(
        "select count(distinct cliparcod) from cli join plpg on cli_plano_pagamento = plpgcod "
        "join clitc on clitccliparcod = cliparcod join tc on clitctccod = tccod "
        "and plpgpzmedio between tcpzmediomin and tcpzmediomax");
    EXPECT_GT(db().scalar(charging).toInt(), 0);
    EXPECT_LT(db().scalar(charging).toInt(), db().scalar(QStringLiteral("select count(*) from cli")).toInt());
}

}  // namespace
