#include "TestDatabase.h"

#include "Connection.h"

#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace {

QString requiredEnv(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !*value)
        throw std::runtime_error(std::string(name) + " is not set: run the tests through scripts/test");
    return QString::fromUtf8(value);
}

PGconn* connectTo(const QString& database)
{
    const QByteArray host = TestDatabase::host().toUtf8(), port = TestDatabase::port().toUtf8(),
                     user = TestDatabase::user().toUtf8(), password = TestDatabase::password().toUtf8(),
                     dbname = database.toUtf8();
    const char* keywords[] = {"host", "port", "user", "password", "dbname", nullptr};
    const char* values[] = {host.constData(),     port.constData(),   user.constData(),
                            password.constData(), dbname.constData(), nullptr};
    PGconn* conn = PQconnectdbParams(keywords, values, 0);
    if (PQstatus(conn) != CONNECTION_OK) {
        const std::string message = PQerrorMessage(conn);
        PQfinish(conn);
        throw std::runtime_error("test database: " + message);
    }
    PQsetNoticeProcessor(
        conn, [](void*, const char*) {}, nullptr);
    return conn;
}

void run(PGconn* conn, const QString& sql)
{
    PGresult* result = PQexec(conn, sql.toUtf8().constData());
    const ExecStatusType status = PQresultStatus(result);
    const std::string message = PQresultErrorMessage(result);
    PQclear(result);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw std::runtime_error("test database: " + message + "\n" + sql.left(400).toStdString());
}

}  // namespace

QString TestDatabase::host()
{
    return requiredEnv("QUELVAR_PG_HOST");
}
QString TestDatabase::port()
{
    return requiredEnv("QUELVAR_PG_PORT");
}
QString TestDatabase::user()
{
    return requiredEnv("QUELVAR_PG_USER");
}
QString TestDatabase::password()
{
    return requiredEnv("QUELVAR_PG_PASSWORD");
}

TestDatabase::TestDatabase()
{
    static std::atomic<int> counter{0};
    m_name = QStringLiteral("quelvar_test_%1_%2").arg(getpid()).arg(counter++);
    PGconn* admin = connectTo(QStringLiteral("postgres"));
    try {
        run(admin, QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(m_name, requiredEnv("QUELVAR_PG_TEMPLATE")));
    } catch (...) {
        PQfinish(admin);
        throw;
    }
    PQfinish(admin);
    m_conn = connectTo(m_name);
}

TestDatabase::~TestDatabase()
{
    PQfinish(m_conn);
    try {
        PGconn* admin = connectTo(QStringLiteral("postgres"));
        run(admin, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
        PQfinish(admin);
    } catch (const std::exception&) {
        // The sandbox is removed whole at the end of the run.
    }
}

void TestDatabase::configure(Connection& connection) const
{
    connection.setParam(QStringLiteral("server"), host());
    connection.setParam(QStringLiteral("port"), port());
    connection.setParam(QStringLiteral("user_name"), user());
    connection.setParam(QStringLiteral("password"), password());
    connection.setParam(QStringLiteral("database"), m_name);
}

void TestDatabase::exec(const QString& sql) const
{
    run(m_conn, sql);
}

void TestDatabase::execFile(const QString& relativePath) const
{
    QFile file(QStringLiteral(QUELVAR_SOURCE_DIR "/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + relativePath.toStdString());
    exec(QString::fromUtf8(file.readAll()));
}

QStringList TestDatabase::column(const QString& sql) const
{
    PGresult* result = PQexec(m_conn, sql.toUtf8().constData());
    if (PQresultStatus(result) != PGRES_TUPLES_OK) {
        const std::string message = PQresultErrorMessage(result);
        PQclear(result);
        throw std::runtime_error("test database: " + message);
    }
    QStringList values;
    for (int row = 0; row < PQntuples(result); ++row)
        values.append(PQgetisnull(result, row, 0) ? QStringLiteral("<null>")
                                                  : QString::fromUtf8(PQgetvalue(result, row, 0)));
    PQclear(result);
    return values;
}

QString TestDatabase::scalar(const QString& sql) const
{
    const QStringList values = column(sql);
    return values.isEmpty() ? QString() : values.first();
}

void TestDatabase::reset() const
{
    exec(
        QStringLiteral("TRUNCATE nf, nfi, par, opnf, cli, plpg, clitc, tc, pv, pvi; "
                       "ALTER SEQUENCE pv_pvcod_seq RESTART WITH 1"));
}
