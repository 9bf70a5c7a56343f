#include "tools/SourceText.h"

#include "tools/BuildError.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

std::string ReadSourceBytes(const std::string& Path, const std::string& DisplayName)
{
    std::ifstream in(Path, std::ios::binary);
    if (!in)
        throw TBuildError(DisplayName, 0,
                          std::string("cannot read the file: ") + std::strerror(errno));
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        throw TBuildError(DisplayName, 0, "cannot read the file");
    return content.str();
}

long long FirstInvalidUtf8(const std::string& Text)
{
    const auto* s = reinterpret_cast<const unsigned char*>(Text.data());
    const std::size_t n = Text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        std::size_t length;
        char32_t cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            length = 2;
            cp = c & 0x1Fu;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            cp = c & 0x0Fu;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            cp = c & 0x07u;
        } else {
            return static_cast<long long>(i);
        }
        if (i + length > n)
            return static_cast<long long>(i);
        for (std::size_t k = 1; k < length; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return static_cast<long long>(i);
            cp = (cp << 6) | (s[i + k] & 0x3Fu);
        }
        const char32_t minimum = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return static_cast<long long>(i);
        i += length;
    }
    return -1;
}

std::u32string DecodeUtf8(const std::string& Text)
{
    std::u32string out;
    const auto* s = reinterpret_cast<const unsigned char*>(Text.data());
    const std::size_t n = Text.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = s[i];
        std::size_t length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
        if (i + length > n)
            length = n - i;
        char32_t cp = length == 1   ? c
                      : length == 2 ? (c & 0x1Fu)
                      : length == 3 ? (c & 0x0Fu)
                                    : (c & 0x07u);
        for (std::size_t k = 1; k < length; ++k)
            cp = (cp << 6) | (s[i + k] & 0x3Fu);
        out.push_back(cp);
        i += length;
    }
    return out;
}

std::vector<std::string> ReadSourceLines(const std::string& Path, const std::string& DisplayName)
{
    std::string text = ReadSourceBytes(Path, DisplayName);
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    const long long bad = FirstInvalidUtf8(text);
    if (bad >= 0) {
        int line = 1;
        for (long long i = 0; i < bad; ++i)
            if (text[static_cast<std::size_t>(i)] == '\n')
                ++line;
        throw TBuildError(DisplayName, line,
                          "the text is not UTF-8 (invalid byte sequence); save the file as UTF-8");
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

std::string Trimmed(const std::string& Text)
{
    const char* blanks = " \t\r";
    const std::size_t first = Text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    const std::size_t last = Text.find_last_not_of(blanks);
    return Text.substr(first, last - first + 1);
}
