#pragma once

// TestDataSource: a private ODBC data source for one test (or benchmark).
//
//   TestDataSource source("CREATE TABLE T(A INTEGER); INSERT INTO T VALUES(1);");
//   THenv env;                            // ODBC objects after the source
//   THdbc dbc(&env);
//   dbc.SetDataSource(source.Name());     // "MUSARIX"
//   dbc.Connect();
//
// The constructor
// - makes a fresh temporary directory,
// - creates the SQLite database file <dir>/<name>.db with the sqlite3 C API
//   and runs the given SQL on it (or uses Options::DatabaseFile),
// - writes <dir>/odbc.ini with the section [<name>]: Driver=<path of
//   libsqlite3odbc.so>, Database=<file>, plus Options::DsnLines, and
//   <dir>/odbcinst.ini with traces off,
// - sets ODBCINI to <dir>/odbc.ini and ODBCSYSINI to <dir>.
// The user's own ODBC configuration is never read or touched. The destructor
// restores ODBCINI and ODBCSYSINI and removes the directory (and with it the
// database file it created; a file given in Options::DatabaseFile is left
// alone).
//
// Rules:
// - Create it before any ODBC object and destroy the ODBC objects first
//   (declare the TestDataSource before them).
// - One TestDataSource at a time per process: the constructor throws
//   std::logic_error while another one exists. (The driver manager reads
//   ODBCSYSINI once per process; ODBCINI, which holds the data source, is
//   read at every connect, so later data sources of the same process work.)
// - Errors (file system, SQLite) throw std::runtime_error with the reason.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class TestDataSource
{
public:
    struct Options
    {
        // Data source name.
        std::string Name = "MUSARIX";
        // Extra "Key=Value" lines of the data source section, e.g. "StepAPI=1".
        std::vector<std::string> DsnLines;
        // Use this existing database file instead of creating <dir>/<name>.db
        // (the setup SQL, if any, is still run on it).
        std::filesystem::path DatabaseFile;
    };

    // Creates the data source; setupSql (may be empty) is run with
    // sqlite3_exec, so it may hold several statements.
    explicit TestDataSource(std::string_view setupSql = {});
    TestDataSource(std::string_view setupSql, Options options);
    ~TestDataSource();

    TestDataSource(const TestDataSource&) = delete;
    TestDataSource& operator=(const TestDataSource&) = delete;

    // The data source name (for THdbc::SetDataSource).
    const std::string& Name() const noexcept { return options_.Name; }
    // The temporary directory (removed by the destructor).
    const std::filesystem::path& Directory() const noexcept { return dir_; }
    // The SQLite database file.
    const std::filesystem::path& DatabaseFile() const noexcept { return database_; }
    // The odbc.ini written for the data source.
    std::filesystem::path OdbcIniFile() const { return dir_ / "odbc.ini"; }

    // Runs more SQL on the database directly through the sqlite3 C API (not
    // through ODBC); throws std::runtime_error with SQLite's message. A write
    // while an ODBC statement still steps through a result (forward-only
    // cursor with StepAPI=1) fails with "database is locked".
    void ExecSql(std::string_view sql) const;

    // Path of the SQLite ODBC driver (the CMake cache variable
    // MUSARIX_SQLITE_ODBC_DRIVER).
    static std::string DriverPath();

private:
    Options options_;
    std::filesystem::path dir_;
    std::filesystem::path database_;
    bool hadOdbcIni_ = false;
    std::string oldOdbcIni_;
    bool hadOdbcSysIni_ = false;
    std::string oldOdbcSysIni_;
};
