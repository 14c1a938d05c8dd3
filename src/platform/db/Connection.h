#pragma once

#include "Params.h"
#include "PgResult.h"

#include <QString>

#include <libpq-fe.h>

#include <memory>
#include <utility>
#include <vector>

// The program's one connection to the host database. Its settings are the named parameters
// "server", "port", "user_name", "password" and "database", and nothing else: environment
// variables, password files, service files and connection strings in the database name are not read.
class Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& driverName() const { return m_driverName; }
    void setDriverName(const QString& name) { m_driverName = name; }

    // An empty value removes the parameter, so the client library's built-in default applies.
    void setParam(const QString& name, const QString& value);
    QString param(const QString& name) const;
    bool hasParam(const QString& name) const;

    void open();
    void close() noexcept;
    bool connected() const;

    // Runs one statement with bound parameters; raises DatabaseError on any failure.
    PgResult exec(const QString& sql, const std::vector<const Param*>& params = {});

    void startTransaction();
    // Counts only when the server really committed; a transaction it rolled back is an error.
    void commit();
    void rollback();
    bool inTransaction() const;

private:
    struct ConnDeleter {
        void operator()(PGconn* conn) const noexcept { PQfinish(conn); }
    };

    PGconn* requireConnection() const;
    [[noreturn]] void raiseFromResult(const PGresult* result) const;

    QString m_driverName;
    std::vector<std::pair<QString, QString>> m_params;
    std::unique_ptr<PGconn, ConnDeleter> m_conn;
};
