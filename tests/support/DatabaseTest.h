#pragma once

#include "Connection.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <memory>

// A fresh database per test suite, emptied before every test, and an open program connection to it.
class DatabaseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = std::make_unique<TestDatabase>(); }
    static void TearDownTestSuite() { s_db.reset(); }

    void SetUp() override
    {
        db().reset();
        db().configure(connection);
        connection.open();
    }

    static const TestDatabase& db() { return *s_db; }

    Connection connection;

private:
    static inline std::unique_ptr<TestDatabase> s_db;
};
