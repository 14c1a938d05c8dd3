#pragma once

#include <QString>
#include <QStringList>

#include <libpq-fe.h>

class Connection;

// A fresh database for one test suite, copied from the sandbox's template (the host schema), on the
// throwaway server that scripts/test starts. It talks to the server through its own libpq connection
// so that what the tests check does not go through the code under test.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    static QString host();
    static QString port();
    static QString user();
    static QString password();

    const QString& name() const { return m_name; }
    // Points a program connection at this database with password authentication over TCP.
    void configure(Connection& connection) const;

    // Runs one or more statements; fails the test with the server's message on error.
    void exec(const QString& sql) const;
    void execFile(const QString& relativePath) const;
    // The first column of every row, as text ("<null>" for NULL).
    QStringList column(const QString& sql) const;
    QString scalar(const QString& sql) const;
    // Empties every host table and restarts the order numbering.
    void reset() const;

private:
    QString m_name;
    PGconn* m_conn = nullptr;
};
