#include "benchmarks/synth/SqliteDatabase.h"

namespace musarix::synth {

SqliteDatabase::SqliteDatabase(const std::string& path, Mode mode)
{
    const int flags =
        mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw SqliteError("Cannot open " + path + ": " + message);
    }
}

SqliteDatabase::~SqliteDatabase()
{
    sqlite3_close(db_);
}

void SqliteDatabase::exec(const std::string& sql)
{
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        throw SqliteError(text + " in: " + sql.substr(0, 200));
    }
}

void SqliteDatabase::check(int rc, const std::string& what) const
{
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE) {
        throw SqliteError(what + ": " + sqlite3_errmsg(db_));
    }
}

} // namespace musarix::synth
