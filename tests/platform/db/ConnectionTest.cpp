#include "DatabaseError.h"
#include "DatabaseTest.h"
#include "DatasetError.h"
#include "Query.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class ConnectionTest : public DatabaseTest {
protected:
    void SetUp() override { DatabaseTest::SetUp(); }

    QString databaseOf(Connection& c)
    {
        Query query(QString(), &c);
        query.sql().add(
            QStringLiteral("select current_database() as db, current_user as who, "
                           "current_setting('application_name') as app"));
        query.open();
        return query.fieldByName(QStringLiteral("db")).asString() + u'/' +
               query.fieldByName(QStringLiteral("who")).asString() + u'/' +
               query.fieldByName(QStringLiteral("app")).asString();
    }
};

TEST_F(ConnectionTest, TakesNoSettingFromTheEnvironmentOrAPasswordFile)
{
    QTemporaryDir dir;
    const QString passfile = dir.filePath(QStringLiteral("pgpass"));
    QFile file(passfile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("*:*:*:*:wrong-password\n");
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    const std::pair<const char*, QByteArray> hostile[] = {
        {"PGHOST", "/nonexistent"},
        {"PGHOSTADDR", "192.0.2.1"},
        {"PGPORT", "1"},
        {"PGUSER", "nobody"},
        {"PGPASSWORD", "wrong"},
        {"PGDATABASE", "nope"},
        {"PGSERVICE", "no_such_service"},
        {"PGSERVICEFILE", passfile.toUtf8()},
        {"PGPASSFILE", passfile.toUtf8()},
        {"PGOPTIONS", "-c no.such=setting -c search_path=nowhere"},
        {"PGSSLMODE", "require"},
        {"PGAPPNAME", "intruder"},
        {"PGCONNECT_TIMEOUT", "x"},
    };
    for (const auto& [name, value] : hostile)
        setenv(name, value.constData(), 1);

    Connection fresh;
    db().configure(fresh);
    fresh.open();
    EXPECT_TRUE(fresh.connected());
    EXPECT_EQ(databaseOf(fresh), db().name() + QStringLiteral("/quelvar/Quelvar"));
    for (const auto& [name, value] : hostile)
        unsetenv(name);
}

TEST_F(ConnectionTest, APasswordThatDoesNotMatchIsRefusedWithTheServersReason)
{
    Connection wrong;
    db().configure(wrong);
    wrong.setParam(QStringLiteral("password"), QStringLiteral("not-the-password"));
    try {
        wrong.open();
        FAIL() << "connected with a wrong password";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("password authentication failed"))) << e.what();
        EXPECT_FALSE(e.message().contains(QStringLiteral("not-the-password")));
    }
    EXPECT_FALSE(wrong.connected());

    Connection none;
    db().configure(none);
    none.setParam(QStringLiteral("password"), QString());  // removed: there is no other source of one
    EXPECT_THROW(none.open(), DatabaseError);
}

TEST_F(ConnectionTest, TheDatabaseNameIsANameAndNeverAConnectionString)
{
    Connection tricky;
    db().configure(tricky);
    tricky.setParam(QStringLiteral("database"), QStringLiteral("dbname=%1 user=postgres").arg(db().name()));
    try {
        tricky.open();
        FAIL() << "the name was read as settings";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("does not exist"))) << e.what();
    }
}

TEST_F(ConnectionTest, AnEmptyValueRemovesTheParameterAndUnknownNamesAreRefused)
{
    Connection c;
    c.setParam(QStringLiteral("port"), QStringLiteral("5999"));
    EXPECT_TRUE(c.hasParam(QStringLiteral("port")));
    c.setParam(QStringLiteral("port"), QString());
    EXPECT_FALSE(c.hasParam(QStringLiteral("port")));
    EXPECT_THROW(c.setParam(QStringLiteral("sslmode"), QStringLiteral("disable")), DatasetError);
}

TEST_F(ConnectionTest, ADatasetOnAClosedConnectionIsRefusedPlainly)
{
    Connection closed;
    Query query(QStringLiteral("Q"), &closed);
    query.sql().add(QStringLiteral("select 1"));
    try {
        query.open();
        FAIL() << "opened without a connection";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Sem conexão com o banco de dados."));
    }
}

TEST_F(ConnectionTest, ALostConnectionIsAnErrorWithoutSqlStateAndStaysLost)
{
    Query pid(QString(), &connection);
    pid.sql().add(QStringLiteral("select pg_backend_pid() as pid"));
    pid.open();
    const QString backend = pid.fieldByName(QStringLiteral("pid")).asString();
    db().exec(QStringLiteral("select pg_terminate_backend(%1)").arg(backend));

    Query query(QString(), &connection);
    query.sql().add(QStringLiteral("select 1 as one"));
    try {
        query.open();
        FAIL() << "a dead connection answered";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.sqlState().isEmpty());
        EXPECT_FALSE(e.message().isEmpty());
    }
    EXPECT_FALSE(connection.connected());
    EXPECT_THROW(query.open(), DatabaseError);
}

}  // namespace
