#include "Connection.h"

#include "DatabaseError.h"
#include "DatasetError.h"

#include <QByteArrayList>

#include <cstdlib>
#include <cstring>

extern char** environ;

namespace {

// Parameter names of the connection and the client library's keywords they stand for.
constexpr std::pair<const char*, const char*> keywordOf[] = {
    {"server", "host"}, {"port", "port"}, {"user_name", "user"}, {"password", "password"}, {"database", "dbname"},
};

const char* keywordFor(const QString& name)
{
    for (const auto& [param, keyword] : keywordOf)
        if (name.compare(QLatin1String(param), Qt::CaseInsensitive) == 0)
            return keyword;
    return nullptr;
}

// The client library fills every keyword we leave unset from PG* variables, and reads PGSERVICE
// even when everything is explicit.
void forgetPgEnvironment()
{
    QByteArrayList names;
    for (char** entry = environ; entry && *entry; ++entry) {
        if (std::strncmp(*entry, "PG", 2) == 0) {
            const char* equals = std::strchr(*entry, '=');
            names.append(QByteArray(*entry, equals ? equals - *entry : static_cast<qsizetype>(std::strlen(*entry))));
        }
    }
    for (const QByteArray& name : names)
        unsetenv(name.constData());
}

void ignoreNotice(void*, const char*) {}

QString connectionLost()
{
    return QStringLiteral("A conexão com o banco de dados foi perdida.");
}

QString trimmedMessage(const char* message)
{
    return QString::fromUtf8(message ? message : "").trimmed();
}

}  // namespace

void Connection::setParam(const QString& name, const QString& value)
{
    if (!keywordFor(name))
        throw DatasetError(QStringLiteral("Unknown connection parameter '%1'").arg(name));
    std::erase_if(m_params, [&](const auto& entry) { return entry.first.compare(name, Qt::CaseInsensitive) == 0; });
    if (!value.isEmpty())
        m_params.emplace_back(name, value);
}

QString Connection::param(const QString& name) const
{
    for (const auto& [key, value] : m_params)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

bool Connection::hasParam(const QString& name) const
{
    return !param(name).isEmpty();
}

void Connection::open()
{
    if (connected())
        return;
    forgetPgEnvironment();

    std::vector<std::pair<const char*, QByteArray>> settings;
    for (const auto& [name, value] : m_params)
        settings.emplace_back(keywordFor(name), value.toUtf8());
    // A path below a file can never exist, so no password file is ever read.
    settings.emplace_back("passfile", "/dev/null/no-password-file");
    settings.emplace_back("client_encoding", "UTF8");
    settings.emplace_back("options", "-c DateStyle=ISO,DMY");
    settings.emplace_back("application_name", "Quelvar");
    settings.emplace_back("connect_timeout", "15");
    std::vector<const char*> keywords;
    std::vector<const char*> values;
    for (const auto& [keyword, value] : settings) {
        keywords.push_back(keyword);
        values.push_back(value.constData());
    }
    keywords.push_back(nullptr);
    values.push_back(nullptr);

    std::unique_ptr<PGconn, ConnDeleter> conn(PQconnectdbParams(keywords.data(), values.data(), 0));
    if (!conn)
        throw DatabaseError(QStringLiteral("Sem memória para abrir a conexão com o banco de dados."), {});
    if (PQstatus(conn.get()) != CONNECTION_OK)
        throw DatabaseError(trimmedMessage(PQerrorMessage(conn.get())), {});
    PQsetNoticeProcessor(conn.get(), ignoreNotice, nullptr);
    m_conn = std::move(conn);
}

void Connection::close() noexcept
{
    m_conn.reset();
}

bool Connection::connected() const
{
    return m_conn && PQstatus(m_conn.get()) == CONNECTION_OK;
}

PGconn* Connection::requireConnection() const
{
    if (!m_conn)
        throw DatabaseError(QStringLiteral("Sem conexão com o banco de dados."), {});
    if (PQstatus(m_conn.get()) != CONNECTION_OK)
        throw DatabaseError(connectionLost(), {});
    return m_conn.get();
}

void Connection::raiseFromResult(const PGresult* result) const
{
    const char* sqlState = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    if (!result || !sqlState || PQstatus(m_conn.get()) != CONNECTION_OK) {
        const QString reason = trimmedMessage(PQerrorMessage(m_conn.get()));
        throw DatabaseError(reason.isEmpty() ? connectionLost() : reason,
                            {});
    }
    QString message = trimmedMessage(PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY));
    for (const int extra : {PG_DIAG_MESSAGE_DETAIL, PG_DIAG_MESSAGE_HINT}) {
        const QString text = trimmedMessage(PQresultErrorField(result, extra));
        if (!text.isEmpty())
            message += u'\n' + text;
    }
    throw DatabaseError(message, QString::fromLatin1(sqlState));
}

PgResult Connection::exec(const QString& sql, const std::vector<const Param*>& params)
{
    PGconn* conn = requireConnection();
    std::vector<Oid> types;
    std::vector<QByteArray> texts;
    std::vector<const char*> values;
    types.reserve(params.size());
    texts.reserve(params.size());
    values.reserve(params.size());
    for (const Param* param : params) {
        types.push_back(param->typeOid());
        texts.push_back(param->serverText());
        values.push_back(param->isNull() ? nullptr : texts.back().constData());
    }
    const QByteArray text = sql.toUtf8();
    PgResult result(PQexecParams(conn, text.constData(), static_cast<int>(params.size()), types.data(), values.data(),
                                 nullptr, nullptr, 0));
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK && status != PGRES_EMPTY_QUERY)
        raiseFromResult(result.get());
    return result;
}

void Connection::startTransaction()
{
    exec(QStringLiteral("BEGIN"));
}

void Connection::commit()
{
    const PgResult result = exec(QStringLiteral("COMMIT"));
    if (std::strcmp(PQcmdStatus(result.get()), "COMMIT") != 0)
        throw DatabaseError(QStringLiteral("O servidor desfez a transação; nada foi gravado."), {});
}

void Connection::rollback()
{
    exec(QStringLiteral("ROLLBACK"));
}

bool Connection::inTransaction() const
{
    if (!m_conn)
        return false;
    const PGTransactionStatusType status = PQtransactionStatus(m_conn.get());
    return status == PQTRANS_INTRANS || status == PQTRANS_INERROR || status == PQTRANS_ACTIVE;
}
