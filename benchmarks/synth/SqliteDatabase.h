#pragma once

#include <sqlite3.h>

#include <stdexcept>
#include <string>

namespace musarix::synth {

// Failures of the plain SQLite API, with SQLite's own message.
class SqliteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Owns one sqlite3 connection. The generator and the reference half of the
// list benchmark talk to SQLite directly, without the ODBC layer, so that
// the benchmark has a baseline that is only the engine.
class SqliteDatabase
{
public:
    enum class Mode { ReadOnly, Create };

    SqliteDatabase(const std::string& path, Mode mode);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    sqlite3* handle() const { return db_; }

    // Runs one or more statements that return no rows.
    void exec(const std::string& sql);

    // Throws SqliteError with the connection's message if rc is an error.
    void check(int rc, const std::string& what) const;

private:
    sqlite3* db_ = nullptr;
};

} // namespace musarix::synth
