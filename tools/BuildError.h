#pragma once

// The one kind of failure of the catalogue builder: a message that names the
// source file (relative to the source folder), the line (when there is one)
// and what is wrong.

#include <stdexcept>
#include <string>

class TBuildError : public std::runtime_error
{
public:
    TBuildError(const std::string& File, int Line, const std::string& Message)
        : std::runtime_error(Format(File, Line, Message)), FFile(File), FLine(Line),
          FMessage(Message)
    {
    }
    explicit TBuildError(const std::string& Message) : TBuildError(std::string(), 0, Message) {}

    const std::string& File() const { return FFile; }
    int Line() const { return FLine; }
    const std::string& Message() const { return FMessage; }

private:
    static std::string Format(const std::string& File, int Line, const std::string& Message)
    {
        if (File.empty())
            return Message;
        if (Line <= 0)
            return File + ": " + Message;
        return File + ":" + std::to_string(Line) + ": " + Message;
    }

    std::string FFile;
    int FLine;
    std::string FMessage;
};
