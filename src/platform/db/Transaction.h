#pragma once

class Connection;

// Rolls back unless committed: every way out of a unit of work that did not reach commit() leaves
// nothing of it in the database.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();
    void rollback();

private:
    Connection& m_connection;
    bool m_open = false;
};
