#pragma once

// THdbc: one ODBC connection.
//
// Life cycle: not allocated -> allocated (Init) -> connected (Connect) ->
// disconnected (Disconnect) -> freed (Terminate). Statements that allocated
// their handle on this connection are listed in Children(); Disconnect and
// Terminate terminate them first. See THbase.h for the lifetime rule.
//
// Connect (the program: DataSource "MUSARIX", InfoPrompt 0, no Driver, no
// Attributes):
// - InfoPrompt 0, Driver empty and Attributes empty: SQLConnect with
//   DataSource, UserName and Password;
// - otherwise SQLDriverConnect with the string "DSN=<DataSource>;UID=<UserName>;
//   PWD=<Password>;DRIVER=<Driver>;" (each part only when not empty) followed
//   by every line of Attributes and ";", window handle 0, InfoPrompt as the
//   completion mode.
// After connecting it reads three driver facts (DescribeParamMissing,
// PosOperations, PositionedStatements).

#include "odbc/TChildren.h"
#include "odbc/THbase.h"

#include <cstdint>
#include <string>
#include <vector>

class THenv;

class THdbc : public THbase
{
public:
    explicit THdbc(std::string name = "Hdbc1");
    explicit THdbc(THenv* henv, std::string name = "Hdbc1");
    ~THdbc() override;

    // --- properties ---------------------------------------------------------
    // The environment (nullptr: none, or destroyed). Setting another one while
    // the handle is allocated terminates the connection first.
    THenv* Henv() const noexcept;
    void SetHenv(THenv* henv);

    const std::string& Driver() const noexcept { return driver_; }
    void SetDriver(std::string driver) { driver_ = std::move(driver); }
    const std::string& DataSource() const noexcept { return dataSource_; }
    void SetDataSource(std::string dataSource) { dataSource_ = std::move(dataSource); }
    const std::string& UserName() const noexcept { return userName_; }
    void SetUserName(std::string userName) { userName_ = std::move(userName); }
    const std::string& Password() const noexcept { return password_; }
    void SetPassword(std::string password) { password_ = std::move(password); }
    // Extra connection-string parts, one "key=value" per line.
    const std::vector<std::string>& Attributes() const noexcept { return attributes_; }
    void SetAttributes(std::vector<std::string> attributes) { attributes_ = std::move(attributes); }

    // SQL_TXN_ISOLATION; default 2 (SQL_TXN_READ_COMMITTED). On an allocated
    // handle it is applied at once: when connected, only when it differs from
    // the driver's current value; before connecting it is handed to the driver
    // manager, which applies it when the connection is made (the current value
    // cannot be read before that). The SQLite driver answers a change with
    // SQL_SUCCESS_WITH_INFO ("option value changed"), which is a success.
    std::uint32_t IsolationLevel() const noexcept { return isolationLevel_; }
    void SetIsolationLevel(std::uint32_t level);

    // Completion mode of SQLDriverConnect; default 0 (no prompting).
    std::int16_t InfoPrompt() const noexcept { return infoPrompt_; }
    void SetInfoPrompt(std::int16_t infoPrompt) noexcept { infoPrompt_ = infoPrompt; }

    // The cursor-library choice, applied as SQL_ODBC_CURSORS (only the return
    // code is stored: the option can only be set before connecting). Default 2
    // (SQL_CUR_USE_DRIVER), as the program sets it; with 2, THstmt::Execute
    // closes the cursor first, so a statement can be executed again without
    // Prepare.
    std::uint16_t CursorLib() const noexcept { return cursorLib_; }
    void SetCursorLib(std::uint16_t cursorLib);

    // --- run-time state -----------------------------------------------------
    SQLHDBC Handle() const noexcept { return THbase::Handle(); }
    bool Connected() const noexcept { return connected_; }
    // The statements that hold a handle allocated on this connection.
    TChildren& Children() noexcept { return children_; }

    // Driver facts, read after connecting: SQLDescribeParam missing
    // (SQLGetFunctions 58), SQL_POS_OPERATIONS (SQLGetInfo 79) and
    // SQL_POSITIONED_STATEMENTS (SQLGetInfo 80).
    bool DescribeParamMissing() const noexcept { return describeParamMissing_; }
    std::uint32_t PosOperations() const noexcept { return posOperations_; }
    std::uint32_t PositionedStatements() const noexcept { return positionedStatements_; }

    // --- operations ---------------------------------------------------------
    // Raises Exception "Property Henv of <Name> not set." without environment;
    // otherwise SQLAllocConnect, registers with the environment, applies the
    // isolation level and the cursor library. Nothing when already allocated.
    void Init();
    // Init when needed, then connects (see above). Nothing when connected.
    void Connect();
    // Terminates all statements, SQLDisconnect. Nothing when not connected.
    void Disconnect();
    // Terminates all statements, disconnects when connected, SQLFreeConnect,
    // unregisters from the environment.
    void Terminate() override;

    // SQLGetFunctions for one function number. Raises Exception "Cannot return
    // information for more than one function at a time." for
    // SQL_API_ALL_FUNCTIONS (0) and SQL_API_ODBC3_ALL_FUNCTIONS (999).
    bool FunctionSupported(SQLUSMALLINT function);
    // SQLGetInfo of a 32-bit value (a 16-bit value comes back in the low half).
    std::uint32_t GetInfoInteger(SQLUSMALLINT infoType);
    // SQLGetInfo of a text value, e.g. SQL_DBMS_NAME ("SQLite"), any length.
    std::string GetInfoString(SQLUSMALLINT infoType);

protected:
    THenv* Environment() const noexcept override;
    void ReleaseHandle() noexcept override;

private:
    void ApplyIsolationLevel();
    void ApplyCursorLib() noexcept;
    std::string ConnectionString() const;
    void ReadDriverFacts();

    std::string driver_;
    std::string dataSource_;
    std::string userName_;
    std::string password_;
    std::vector<std::string> attributes_;
    std::uint32_t isolationLevel_ = SQL_TXN_READ_COMMITTED;
    std::int16_t infoPrompt_ = 0;
    std::uint16_t cursorLib_ = static_cast<std::uint16_t>(SQL_CUR_USE_DRIVER);
    bool connected_ = false;
    bool describeParamMissing_ = false;
    std::uint32_t posOperations_ = 0;
    std::uint32_t positionedStatements_ = 0;
    TChildren children_;
};
