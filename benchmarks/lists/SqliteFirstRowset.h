#pragma once

#include "benchmarks/synth/SqliteDatabase.h"

#include <cstdint>
#include <string>

namespace musarix::bench {

// The engine's own cost for what a list screen needs first: compile the
// statement and step until one rowset is there, reading both columns. This
// is the floor that no layer above SQLite can go below.
class SqliteFirstRowset
{
public:
    SqliteFirstRowset(synth::SqliteDatabase& db, std::string sql, int rows);

    // Returns the number of rows read (fewer than asked at the end of the
    // result).
    int run();
    // The statement is finalised inside run(); nothing stays open.
    void close() {}

    // Sum over everything read, so the reads cannot be optimised away and
    // the ODBC side can be checked to see the same rows.
    std::uint64_t checksum() const { return checksum_; }

private:
    synth::SqliteDatabase& db_;
    std::string sql_;
    int rows_;
    std::uint64_t checksum_ = 0;
};

} // namespace musarix::bench
