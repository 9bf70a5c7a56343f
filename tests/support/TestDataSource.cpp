#include "tests/support/TestDataSource.h"

#include <sqlite3.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

#ifndef MUSARIX_SQLITE_ODBC_DRIVER
#error "MUSARIX_SQLITE_ODBC_DRIVER must be defined (path of libsqlite3odbc.so)"
#endif

namespace {

TestDataSource* liveSource = nullptr;

std::filesystem::path MakeTempDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "musarix-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("TestDataSource: cannot create a temporary directory from " +
                                 pattern);
    }
    return std::filesystem::path(pattern);
}

void WriteFile(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        throw std::runtime_error("TestDataSource: cannot write " + file.string());
    }
}

void RunSql(const std::filesystem::path& database, std::string_view sql)
{
    sqlite3* db = nullptr;
    int rc =
        sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        throw std::runtime_error("TestDataSource: cannot open " + database.string() + ": " +
                                 message);
    }
    if (!sql.empty()) {
        const std::string text(sql);
        char* error = nullptr;
        rc = sqlite3_exec(db, text.c_str(), nullptr, nullptr, &error);
        if (rc != SQLITE_OK) {
            std::string message = error != nullptr ? error : sqlite3_errstr(rc);
            sqlite3_free(error);
            sqlite3_close(db);
            throw std::runtime_error("TestDataSource: SQL failed on " + database.string() + ": " +
                                     message);
        }
    }
    sqlite3_close(db);
}

void Remember(const char* name, bool& had, std::string& value)
{
    const char* current = std::getenv(name);
    had = current != nullptr;
    value = had ? current : "";
}

void Restore(const char* name, bool had, const std::string& value)
{
    if (had) {
        setenv(name, value.c_str(), 1);
    } else {
        unsetenv(name);
    }
}

} // namespace

TestDataSource::TestDataSource(std::string_view setupSql) : TestDataSource(setupSql, Options{}) {}

TestDataSource::TestDataSource(std::string_view setupSql, Options options)
    : options_(std::move(options))
{
    if (liveSource != nullptr) {
        throw std::logic_error("TestDataSource: only one data source at a time per process");
    }
    if (options_.Name.empty()) {
        throw std::invalid_argument("TestDataSource: empty data source name");
    }
    dir_ = MakeTempDirectory();
    try {
        if (options_.DatabaseFile.empty()) {
            database_ = dir_ / (options_.Name + ".db");
        } else {
            database_ = std::filesystem::absolute(options_.DatabaseFile);
        }
        RunSql(database_, setupSql);

        std::string ini = "[" + options_.Name + "]\n";
        ini += "Description=Musarix test data source\n";
        ini += "Driver=" + DriverPath() + "\n";
        ini += "Database=" + database_.string() + "\n";
        for (const std::string& line : options_.DsnLines) {
            ini += line + "\n";
        }
        WriteFile(dir_ / "odbc.ini", ini);
        WriteFile(dir_ / "odbcinst.ini", "[ODBC]\nTrace=No\n");

        Remember("ODBCINI", hadOdbcIni_, oldOdbcIni_);
        Remember("ODBCSYSINI", hadOdbcSysIni_, oldOdbcSysIni_);
        setenv("ODBCINI", (dir_ / "odbc.ini").c_str(), 1);
        setenv("ODBCSYSINI", dir_.c_str(), 1);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
        throw;
    }
    liveSource = this;
}

TestDataSource::~TestDataSource()
{
    Restore("ODBCINI", hadOdbcIni_, oldOdbcIni_);
    Restore("ODBCSYSINI", hadOdbcSysIni_, oldOdbcSysIni_);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
    liveSource = nullptr;
}

void TestDataSource::ExecSql(std::string_view sql) const
{
    RunSql(database_, sql);
}

std::string TestDataSource::DriverPath()
{
    return MUSARIX_SQLITE_ODBC_DRIVER;
}
