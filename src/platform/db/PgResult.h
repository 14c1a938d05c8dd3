#pragma once

#include <libpq-fe.h>

#include <memory>

struct PgResultDeleter {
    void operator()(PGresult* result) const noexcept { PQclear(result); }
};

using PgResult = std::unique_ptr<PGresult, PgResultDeleter>;
