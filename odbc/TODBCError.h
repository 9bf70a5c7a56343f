#pragma once

// TODBCError: the one error object of an environment.
//
// Every ODBC call of THenv, THdbc and THstmt that does not succeed is handed,
// together with the object that made the call, to RaiseError of the error
// object owned by the environment at the top of that object's tree. It reads
// the first diagnostic record of the failing handle with one SQLError call
// and raises EODBC. It keeps the handles and the diagnostic of the last
// failure until the next one.

#include <sql.h>

#include <cstdint>
#include <string>

class THbase;

class TODBCError
{
public:
    TODBCError() = default;
    TODBCError(const TODBCError&) = delete;
    TODBCError& operator=(const TODBCError&) = delete;
    ~TODBCError() = default;

    // Fills the handles from the failing object (an environment gives its
    // environment handle; a connection also its connection handle; a statement
    // also its statement handle), then raises EODBC with Sender = &sender:
    // - SQL_INVALID_HANDLE (-2): message "ODBC Invalid Handle";
    // - SQL_ERROR (-1), SQL_SUCCESS_WITH_INFO (1): the diagnostic read by
    //   ReadDiagnostic (message, SQLSTATE, native error);
    // - any other code: "ODBC Return Code " + the code in decimal.
    // The two cases without a diagnostic carry an empty SQLSTATE and native
    // error 0. Never returns.
    [[noreturn]] void RaiseError(THbase& sender, SQLRETURN returnCode);

    // One SQLError call with the stored handles, a message buffer of 255 bytes.
    // On success SqlState, NativeError and Message hold the first diagnostic;
    // otherwise SqlState is empty, NativeError 0 and Message
    // "Unable to retrieve ODBC error.".
    void ReadDiagnostic();

    // The handles of the last failing call (null where not applicable).
    SQLHENV Henv() const noexcept { return henv_; }
    SQLHDBC Hdbc() const noexcept { return hdbc_; }
    SQLHSTMT Hstmt() const noexcept { return hstmt_; }
    // Sets the handles directly (for a diagnostic read without a failing object).
    void SetHandles(SQLHENV henv, SQLHDBC hdbc, SQLHSTMT hstmt) noexcept;

    const std::string& SqlState() const noexcept { return sqlState_; }
    std::int32_t NativeError() const noexcept { return nativeError_; }
    const std::string& Message() const noexcept { return message_; }

private:
    SQLHENV henv_ = SQL_NULL_HENV;
    SQLHDBC hdbc_ = SQL_NULL_HDBC;
    SQLHSTMT hstmt_ = SQL_NULL_HSTMT;
    std::string sqlState_;
    std::int32_t nativeError_ = 0;
    std::string message_;
};
