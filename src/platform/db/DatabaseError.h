#pragma once

#include "Exception.h"

// An error reported by the server or by the client library. A lost connection has no SQLSTATE.
class DatabaseError : public Exception {
public:
    DatabaseError(QString message, QString sqlState) : Exception(std::move(message)), m_sqlState(std::move(sqlState)) {}

    const QString& sqlState() const noexcept { return m_sqlState; }

private:
    QString m_sqlState;
};
