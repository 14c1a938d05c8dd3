#include "Transaction.h"

#include "Connection.h"

Transaction::Transaction(Connection& connection) : m_connection(connection)
{
    m_connection.startTransaction();
    m_open = true;
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    try {
        m_connection.rollback();
    } catch (...) {
        // Already unwinding from the error that matters; a lost connection rolls back by itself.
    }
}

void Transaction::commit()
{
    m_open = false;  // whatever the outcome, the transaction is over once COMMIT was sent
    m_connection.commit();
}

void Transaction::rollback()
{
    m_open = false;
    m_connection.rollback();
}
