#pragma once

#include "benchmarks/synth/SqliteDatabase.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace musarix::synth {

// One prepared statement, reused for every row of a bulk insert (binding
// and resetting is several times faster than preparing per row).
class SqliteStatement
{
public:
    SqliteStatement(SqliteDatabase& db, const std::string& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Parameters are numbered from 1, as in SQLite.
    SqliteStatement& bind(int index, std::int64_t value);
    SqliteStatement& bind(int index, std::string_view text);
    SqliteStatement& bindNull(int index);

    // Steps once; true while a row is available.
    bool step();
    // Runs an insert or update to completion and makes the statement ready
    // for the next set of parameters.
    void run();
    void reset();

    std::int64_t columnInteger(int column) const;
    std::string_view columnText(int column) const;

    sqlite3_stmt* handle() const { return stmt_; }

private:
    SqliteDatabase& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace musarix::synth
