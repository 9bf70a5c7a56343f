#pragma once

// EODBC: the exception of every failed ODBC call.
//
// Raised by the environment's error object (TODBCError) when an ODBC call of
// THenv, THdbc or THstmt returns something other than SQL_SUCCESS or
// SQL_SUCCESS_WITH_INFO. The message is the driver's first diagnostic
// message, or one of the fixed texts "ODBC Invalid Handle",
// "ODBC Return Code <n>" and "Unable to retrieve ODBC error.".

#include "odbc/Exception.h"

#include <cstdint>
#include <string>

class THbase;

class EODBC : public Exception
{
public:
    EODBC(THbase* sender, std::string sqlState, std::int32_t nativeError, std::string message);

    // The handle object whose call failed (THenv, THdbc or THstmt). A plain
    // pointer: it is valid only while that object lives, so read it where the
    // exception is caught, not later.
    THbase* Sender() const noexcept { return sender_; }
    // The five-character SQLSTATE of the diagnostic; empty when no diagnostic
    // was read ("ODBC Invalid Handle", "ODBC Return Code <n>", "Unable to
    // retrieve ODBC error.").
    const std::string& SqlState() const noexcept { return sqlState_; }
    // The driver's native error code; 0 when no diagnostic was read.
    std::int32_t NativeError() const noexcept { return nativeError_; }

private:
    THbase* sender_;
    std::string sqlState_;
    std::int32_t nativeError_;
};
