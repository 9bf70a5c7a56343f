#pragma once

// The program's general exception class (unit OCL).
//
// Every error of the program that is not an ODBC return code is raised as an
// Exception: its message is the text the user sees in the application's
// standard exception report, letter for letter (for instance
// "Property Hdbc of Hstmt1 not set."). The help context is the help topic
// number that the report may offer (0: none).
//
// Messages are UTF-8 text.

#include <exception>
#include <string>

class Exception : public std::exception
{
public:
    explicit Exception(std::string message, int helpContext = 0);

    // The message text (UTF-8); what() returns the same text.
    const char* what() const noexcept override;
    const std::string& Message() const noexcept { return message_; }
    void SetMessage(std::string message);

    int HelpContext() const noexcept { return helpContext_; }
    void SetHelpContext(int helpContext) noexcept { helpContext_ = helpContext; }

private:
    std::string message_;
    int helpContext_ = 0;
};
