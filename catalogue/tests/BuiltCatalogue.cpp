#include "catalogue/tests/BuiltCatalogue.h"

#include "odbc/CatalogSchema.h"
#include "tools/CatalogBuilder.h"

#include <sqlite3.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace fs = std::filesystem;

const TBuiltCatalogue& TBuiltCatalogue::Instance()
{
    // Building takes a moment; every check of the run reads the same output.
    static const TBuiltCatalogue catalogue;
    return catalogue;
}

TBuiltCatalogue::TBuiltCatalogue()
{
    // ctest builds the catalogue once for all test processes and names the
    // folder here; a run of the executable alone builds its own.
    if (const char* prebuilt = std::getenv("MUSARIX_CATALOGUE_DATA"); prebuilt && *prebuilt) {
        FDataDir = prebuilt;
        return;
    }
    std::string pattern = (fs::temp_directory_path() / "tst_catalogue.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    FTempDir = pattern;
    FDataDir = FTempDir / "data";
    BuildCatalogue(MUSARIX_CATALOGUE_SOURCE, FDataDir.string());
}

TBuiltCatalogue::~TBuiltCatalogue()
{
    if (FTempDir.empty())
        return;
    std::error_code ec;
    fs::remove_all(FTempDir, ec);
}

std::vector<TBuiltCatalogue::TRow> TBuiltCatalogue::Rows(const std::string& Sql) const
{
    sqlite3* raw = nullptr;
    const std::string file = File(CatalogDatabaseFile).string();
    const int opened = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(raw, &sqlite3_close);
    if (opened != SQLITE_OK)
        throw std::runtime_error("cannot open " + file);

    sqlite3_stmt* rawStmt = nullptr;
    if (sqlite3_prepare_v2(db.get(), Sql.c_str(), -1, &rawStmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db.get())) + " in: " + Sql);
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> stmt(rawStmt,
                                                                          &sqlite3_finalize);
    std::vector<TRow> rows;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        TRow row;
        const int columns = sqlite3_column_count(stmt.get());
        for (int c = 0; c < columns; ++c) {
            const unsigned char* text = sqlite3_column_text(stmt.get(), c);
            row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        }
        rows.push_back(std::move(row));
    }
    if (step != SQLITE_DONE)
        throw std::runtime_error(std::string(sqlite3_errmsg(db.get())) + " in: " + Sql);
    return rows;
}

std::string TBuiltCatalogue::Literal(const std::string& Text)
{
    std::string quoted = "'";
    for (const char c : Text) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}
