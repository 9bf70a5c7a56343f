#include "tests/support/SqliteRows.h"

#include <stdexcept>

std::vector<std::vector<std::string>> SqliteRows(sqlite3* Db, const std::string& Sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(Db, Sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(Sql + ": " + sqlite3_errmsg(Db));
    std::vector<std::vector<std::string>> rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const unsigned char* text = sqlite3_column_text(stmt, i);
            row.push_back(text ? reinterpret_cast<const char*>(text) : "NULL");
        }
        rows.push_back(row);
    }
    sqlite3_finalize(stmt);
    return rows;
}
