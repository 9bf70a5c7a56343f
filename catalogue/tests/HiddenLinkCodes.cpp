#include "catalogue/tests/HiddenLinkCodes.h"

#include <QString>

#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80 ... 0x9F.
char16_t FromWindows1252(unsigned Byte)
{
    static constexpr char16_t High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (Byte >= 0x80 && Byte < 0xA0)
        return High[Byte - 0x80];
    return static_cast<char16_t>(Byte);
}

// Decodes the group body starting at Pos up to its closing brace; Pos ends
// behind that brace.
std::string DecodeGroup(std::string_view Rtf, std::size_t& Pos)
{
    QString code;
    while (Pos < Rtf.size() && Rtf[Pos] != '}') {
        const char c = Rtf[Pos];
        if (c != '\\') {
            code += QChar(FromWindows1252(static_cast<unsigned char>(c)));
            ++Pos;
            continue;
        }
        const std::string_view rest = Rtf.substr(Pos + 1);
        if (rest.starts_with('\'') && rest.size() >= 3) {
            const auto byte =
                static_cast<unsigned>(std::stoul(std::string(rest.substr(1, 2)), nullptr, 16));
            code += QChar(FromWindows1252(byte));
            Pos += 4;
        } else if (rest.starts_with('u') && rest.size() > 1 &&
                   (std::isdigit(static_cast<unsigned char>(rest[1])) || rest[1] == '-')) {
            std::size_t used = 0;
            const int unit = std::stoi(std::string(rest.substr(1)), &used);
            code += QChar(static_cast<char16_t>(static_cast<std::uint16_t>(unit)));
            Pos += 2 + used;
            if (Pos < Rtf.size() && Rtf[Pos] == '?')
                ++Pos; // the fallback character for readers without \u
        } else if (!rest.empty()) {
            code += QChar(static_cast<char16_t>(static_cast<unsigned char>(rest[0])));
            Pos += 2;
        } else {
            ++Pos;
        }
    }
    ++Pos;
    return code.toStdString();
}

} // namespace

std::vector<std::string> HiddenLinkCodes(const std::string& Rtf)
{
    static constexpr std::string_view Opening = "{\\v ";
    std::vector<std::string> codes;
    std::size_t pos = 0;
    while ((pos = Rtf.find(Opening, pos)) != std::string::npos) {
        pos += Opening.size();
        codes.push_back(DecodeGroup(Rtf, pos));
    }
    return codes;
}
