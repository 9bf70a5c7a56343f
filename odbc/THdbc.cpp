#include "odbc/THdbc.h"

#include "odbc/Exception.h"
#include "odbc/THenv.h"

#include <algorithm>
#include <utility>

#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // see TODBCError.cpp

namespace {

SQLCHAR* SqlText(const std::string& text)
{
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str()));
}

SQLSMALLINT SqlLength(const std::string& text)
{
    return static_cast<SQLSMALLINT>(text.size());
}

} // namespace

THdbc::THdbc(std::string name) : THbase(std::move(name)) {}

THdbc::THdbc(THenv* henv, std::string name) : THbase(std::move(name))
{
    SetParentLink(henv);
}

THdbc::~THdbc()
{
    ReleaseHandle();
}

THenv* THdbc::Henv() const noexcept
{
    return static_cast<THenv*>(ParentLink());
}

void THdbc::SetHenv(THenv* henv)
{
    if (henv == Henv()) {
        return;
    }
    if (Initialised()) {
        Terminate();
    }
    SetParentLink(henv);
}

void THdbc::SetIsolationLevel(std::uint32_t level)
{
    isolationLevel_ = level;
    if (Initialised()) {
        ApplyIsolationLevel();
    }
}

void THdbc::SetCursorLib(std::uint16_t cursorLib)
{
    cursorLib_ = cursorLib;
    if (Initialised()) {
        ApplyCursorLib();
    }
}

void THdbc::ApplyIsolationLevel()
{
    if (connected_) {
        SQLULEN current = 0;
        Check(SQLGetConnectOption(Handle(), SQL_TXN_ISOLATION, &current));
        if (current == isolationLevel_) {
            return;
        }
    }
    Check(SQLSetConnectOption(Handle(), SQL_TXN_ISOLATION, isolationLevel_));
}

void THdbc::ApplyCursorLib() noexcept
{
    Store(SQLSetConnectOption(Handle(), SQL_ODBC_CURSORS, cursorLib_));
}

void THdbc::Init()
{
    if (Initialised()) {
        return;
    }
    THenv* env = Henv();
    if (env == nullptr) {
        throw Exception("Property Henv of " + Name() + " not set.");
    }
    SQLHDBC handle = SQL_NULL_HDBC;
    Check(SQLAllocConnect(env->Handle(), &handle));
    SetHandle(handle);
    SetInitialised(true);
    env->Children().Add(this);
    ApplyIsolationLevel();
    ApplyCursorLib();
}

std::string THdbc::ConnectionString() const
{
    std::string text;
    if (!dataSource_.empty()) {
        text += "DSN=" + dataSource_ + ";";
    }
    if (!userName_.empty()) {
        text += "UID=" + userName_ + ";";
    }
    if (!password_.empty()) {
        text += "PWD=" + password_ + ";";
    }
    if (!driver_.empty()) {
        text += "DRIVER=" + driver_ + ";";
    }
    for (const std::string& line : attributes_) {
        text += line + ";";
    }
    return text;
}

void THdbc::Connect()
{
    if (!Initialised()) {
        Init();
    }
    if (connected_) {
        return;
    }
    SQLRETURN rc = SQL_SUCCESS;
    if (infoPrompt_ == 0 && driver_.empty() && attributes_.empty()) {
        rc = SQLConnect(Handle(), SqlText(dataSource_), SqlLength(dataSource_), SqlText(userName_),
                        SqlLength(userName_), SqlText(password_), SqlLength(password_));
    } else {
        const std::string text = ConnectionString();
        SQLCHAR completed[255] = {};
        SQLSMALLINT completedLength = 0;
        // No main window on this platform: window handle 0.
        rc = SQLDriverConnect(Handle(), nullptr, SqlText(text), SqlLength(text), completed,
                              static_cast<SQLSMALLINT>(sizeof completed), &completedLength,
                              static_cast<SQLUSMALLINT>(infoPrompt_));
    }
    Check(rc);
    connected_ = true;
    ReadDriverFacts();
}

void THdbc::ReadDriverFacts()
{
    describeParamMissing_ = !FunctionSupported(SQL_API_SQLDESCRIBEPARAM);
    posOperations_ = GetInfoInteger(SQL_POS_OPERATIONS);
    positionedStatements_ = GetInfoInteger(SQL_POSITIONED_STATEMENTS);
}

void THdbc::Disconnect()
{
    children_.TerminateAll();
    if (!connected_) {
        return;
    }
    const SQLRETURN rc = SQLDisconnect(Handle());
    if (IsSuccess(rc)) {
        connected_ = false;
    }
    Check(rc);
}

void THdbc::Terminate()
{
    children_.TerminateAll();
    if (connected_) {
        Disconnect();
    }
    if (!Initialised()) {
        return;
    }
    const SQLRETURN rc = SQLFreeConnect(Handle());
    if (IsSuccess(rc)) {
        SetInitialised(false);
        SetHandle(SQL_NULL_HDBC);
        if (THenv* env = Henv()) {
            env->Children().Remove(this);
        }
    }
    Check(rc);
}

bool THdbc::FunctionSupported(SQLUSMALLINT function)
{
    if (function == SQL_API_ALL_FUNCTIONS || function == SQL_API_ODBC3_ALL_FUNCTIONS) {
        throw Exception("Cannot return information for more than one function at a time.");
    }
    SQLUSMALLINT supported = SQL_FALSE;
    Check(SQLGetFunctions(Handle(), function, &supported));
    return supported != SQL_FALSE;
}

std::uint32_t THdbc::GetInfoInteger(SQLUSMALLINT infoType)
{
    SQLUINTEGER value = 0;
    Check(SQLGetInfo(Handle(), infoType, &value, static_cast<SQLSMALLINT>(sizeof value), nullptr));
    return value;
}

std::string THdbc::GetInfoString(SQLUSMALLINT infoType)
{
    std::string buffer(256, '\0');
    for (;;) {
        SQLSMALLINT length = 0;
        Check(SQLGetInfo(Handle(), infoType, buffer.data(), static_cast<SQLSMALLINT>(buffer.size()),
                         &length));
        const auto size = static_cast<std::size_t>(length < 0 ? 0 : length);
        if (size < buffer.size() || buffer.size() >= 32767) {
            buffer.resize(std::min(size, buffer.size() - 1));
            return buffer;
        }
        buffer.assign(std::min<std::size_t>(size + 1, 32767), '\0');
    }
}

THenv* THdbc::Environment() const noexcept
{
    return Henv();
}

void THdbc::ReleaseHandle() noexcept
{
    children_.ReleaseAll();
    if (connected_) {
        Store(SQLDisconnect(Handle()));
        connected_ = false;
    }
    if (Initialised()) {
        Store(SQLFreeConnect(Handle()));
        SetInitialised(false);
        SetHandle(SQL_NULL_HDBC);
        if (THenv* env = Henv()) {
            env->Children().Remove(this);
        }
    }
}
