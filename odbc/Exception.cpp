#include "odbc/Exception.h"

#include <utility>

Exception::Exception(std::string message, int helpContext)
    : message_(std::move(message)), helpContext_(helpContext)
{
}

const char* Exception::what() const noexcept
{
    return message_.c_str();
}

void Exception::SetMessage(std::string message)
{
    message_ = std::move(message);
}
