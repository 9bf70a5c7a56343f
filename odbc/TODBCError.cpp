#include "odbc/TODBCError.h"

#include "odbc/EODBC.h"
#include "odbc/THdbc.h"
#include "odbc/THenv.h"
#include "odbc/THstmt.h"

#include <cstring>

// unixODBC declares the ODBC 2.x calls without deprecation attributes; should
// a header version mark them, they must still build without warnings.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

void TODBCError::SetHandles(SQLHENV henv, SQLHDBC hdbc, SQLHSTMT hstmt) noexcept
{
    henv_ = henv;
    hdbc_ = hdbc;
    hstmt_ = hstmt;
}

void TODBCError::RaiseError(THbase& sender, SQLRETURN returnCode)
{
    henv_ = SQL_NULL_HENV;
    hdbc_ = SQL_NULL_HDBC;
    hstmt_ = SQL_NULL_HSTMT;
    if (auto* env = dynamic_cast<THenv*>(&sender)) {
        henv_ = env->Handle();
    } else if (auto* dbc = dynamic_cast<THdbc*>(&sender)) {
        if (THenv* owner = dbc->Henv()) {
            henv_ = owner->Handle();
        }
        hdbc_ = dbc->Handle();
    } else if (auto* stmt = dynamic_cast<THstmt*>(&sender)) {
        if (THdbc* connection = stmt->Hdbc()) {
            if (THenv* owner = connection->Henv()) {
                henv_ = owner->Handle();
            }
            hdbc_ = connection->Handle();
        }
        hstmt_ = stmt->Handle();
    }

    switch (returnCode) {
    case SQL_INVALID_HANDLE:
        throw EODBC(&sender, std::string(), 0, "ODBC Invalid Handle");
    case SQL_ERROR:
    case SQL_SUCCESS_WITH_INFO:
        ReadDiagnostic();
        throw EODBC(&sender, sqlState_, nativeError_, message_);
    default:
        throw EODBC(&sender, std::string(), 0, "ODBC Return Code " + std::to_string(returnCode));
    }
}

void TODBCError::ReadDiagnostic()
{
    SQLCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
    SQLCHAR text[255] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT textLength = 0;
    const SQLRETURN rc = SQLError(henv_, hdbc_, hstmt_, state, &native, text,
                                  static_cast<SQLSMALLINT>(sizeof text), &textLength);
    if (rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO) {
        const char* stateText = reinterpret_cast<const char*>(state);
        const char* messageText = reinterpret_cast<const char*>(text);
        sqlState_.assign(stateText, strnlen(stateText, sizeof state));
        std::size_t length = strnlen(messageText, sizeof text);
        if (rc == SQL_SUCCESS_WITH_INFO) {
            // The message was cut to the buffer: do not end inside a UTF-8 letter.
            length = ocl_detail::CompleteUtf8Length(messageText, length);
        }
        message_.assign(messageText, length);
        nativeError_ = static_cast<std::int32_t>(native);
    } else {
        sqlState_.clear();
        nativeError_ = 0;
        message_ = "Unable to retrieve ODBC error.";
    }
}
