#include "benchmarks/lists/SqliteFirstRowset.h"

#include "benchmarks/lists/RowDigest.h"

#include <memory>
#include <utility>

namespace musarix::bench {

SqliteFirstRowset::SqliteFirstRowset(synth::SqliteDatabase& db, std::string sql, int rows)
    : db_(db), sql_(std::move(sql)), rows_(rows)
{
}

int SqliteFirstRowset::run()
{
    sqlite3_stmt* raw = nullptr;
    db_.check(sqlite3_prepare_v2(db_.handle(), sql_.c_str(), -1, &raw, nullptr), sql_);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(raw, sqlite3_finalize);
    RowDigest digest;
    int read = 0;
    while (read < rows_) {
        const int rc = sqlite3_step(raw);
        if (rc == SQLITE_DONE) {
            break;
        }
        if (rc != SQLITE_ROW) {
            db_.check(rc, sql_);
        }
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(raw, 0));
        const auto length = static_cast<std::size_t>(sqlite3_column_bytes(raw, 0));
        digest.add(std::string_view(name == nullptr ? "" : name, length),
                   sqlite3_column_int64(raw, 1));
        ++read;
    }
    checksum_ = digest.value();
    return read;
}

} // namespace musarix::bench
