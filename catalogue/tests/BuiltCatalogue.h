#pragma once

// The demo catalogue as the program sees it: built once per test run from
// catalogue/ into a temporary data directory by the real builder, and read
// there with the sqlite3 C API and the media containers. Under ctest the
// catalogue is built once before all test processes (environment variable
// MUSARIX_CATALOGUE_DATA names its folder), so each process only reads it.

#include <filesystem>
#include <string>
#include <vector>

class TBuiltCatalogue
{
public:
    // One row of a query result; NULL cells come as empty texts, so queries
    // that must tell NULL apart filter it in SQL.
    using TRow = std::vector<std::string>;

    // The catalogue of this run; the first call builds it (and throws when the
    // builder refuses the source).
    static const TBuiltCatalogue& Instance();

    ~TBuiltCatalogue();
    TBuiltCatalogue(const TBuiltCatalogue&) = delete;
    TBuiltCatalogue& operator=(const TBuiltCatalogue&) = delete;

    const std::filesystem::path& DataDir() const { return FDataDir; }
    std::filesystem::path File(const char* Name) const { return FDataDir / Name; }

    // Every row of Sql on Musarix.db; throws std::runtime_error with SQLite's
    // message when the statement fails.
    std::vector<TRow> Rows(const std::string& Sql) const;
    // The number of rows Sql yields.
    std::size_t Count(const std::string& Sql) const { return Rows(Sql).size(); }

    // Text as an SQL string literal (quotes doubled).
    static std::string Literal(const std::string& Text);

private:
    TBuiltCatalogue();

    std::filesystem::path FTempDir; // empty when the catalogue was built beforehand
    std::filesystem::path FDataDir;
};
