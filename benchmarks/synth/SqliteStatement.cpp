#include "benchmarks/synth/SqliteStatement.h"

namespace musarix::synth {

SqliteStatement::SqliteStatement(SqliteDatabase& db, const std::string& sql) : db_(db)
{
    db_.check(sqlite3_prepare_v2(db_.handle(), sql.c_str(), -1, &stmt_, nullptr),
              "Cannot prepare " + sql);
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(stmt_);
}

SqliteStatement& SqliteStatement::bind(int index, std::int64_t value)
{
    db_.check(sqlite3_bind_int64(stmt_, index, value), "bind");
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::string_view text)
{
    // SQLITE_TRANSIENT: the generator's strings are temporaries.
    db_.check(
        sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8),
        "bind");
    return *this;
}

SqliteStatement& SqliteStatement::bindNull(int index)
{
    db_.check(sqlite3_bind_null(stmt_, index), "bind");
    return *this;
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(stmt_);
    db_.check(rc, "step");
    return rc == SQLITE_ROW;
}

void SqliteStatement::run()
{
    while (step()) {
    }
    reset();
}

void SqliteStatement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::int64_t SqliteStatement::columnInteger(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

std::string_view SqliteStatement::columnText(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (text == nullptr) {
        return {};
    }
    return {text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))};
}

} // namespace musarix::synth
