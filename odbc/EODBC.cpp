#include "odbc/EODBC.h"

#include <utility>

EODBC::EODBC(THbase* sender, std::string sqlState, std::int32_t nativeError, std::string message)
    : Exception(std::move(message)), sender_(sender), sqlState_(std::move(sqlState)),
      nativeError_(nativeError)
{
}
