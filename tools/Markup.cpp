#include "tools/Markup.h"

#include "tools/BuildError.h"
#include "tools/SourceText.h"

#include <cstdio>

namespace {

constexpr const char* RtfHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 ";

// One paragraph: its text with line breaks as '\n', and where each of its
// characters came from (for messages).
struct Paragraph
{
    std::string Text;
    std::vector<int> LineOf; // per byte of Text
};

int LineAt(const Paragraph& p, std::size_t i)
{
    if (p.LineOf.empty())
        return 0;
    return p.LineOf[i < p.LineOf.size() ? i : p.LineOf.size() - 1];
}

bool IsEscapable(char c)
{
    return c == '*' || c == '[' || c == ']' || c == '(' || c == ')' || c == '\\';
}

std::vector<Paragraph> SplitParagraphs(const std::vector<std::string>& lines)
{
    std::vector<Paragraph> paragraphs;
    Paragraph current;
    bool breakPending = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        std::string line = Trimmed(lines[i]);
        if (line.empty()) {
            if (!current.Text.empty())
                paragraphs.push_back(std::move(current));
            current = Paragraph();
            breakPending = false;
            continue;
        }
        // A trailing backslash (not itself escaped) asks for a line break.
        std::size_t slashes = 0;
        while (slashes < line.size() && line[line.size() - 1 - slashes] == '\\')
            ++slashes;
        const bool lineBreak = slashes % 2 == 1;
        if (lineBreak)
            line = Trimmed(line.substr(0, line.size() - 1));
        if (!current.Text.empty()) {
            current.Text += breakPending ? '\n' : ' ';
            current.LineOf.push_back(lineNo);
        }
        current.Text += line;
        current.LineOf.insert(current.LineOf.end(), line.size(), lineNo);
        breakPending = lineBreak;
    }
    if (!current.Text.empty())
        paragraphs.push_back(std::move(current));
    return paragraphs;
}

class ParagraphWriter
{
public:
    ParagraphWriter(const Paragraph& p, const std::string& file, const TLinkCheck& check,
                    std::string& rtf)
        : P(p), File(file), Check(check), Rtf(rtf)
    {
    }

    void Write()
    {
        std::string plain; // text not yet escaped
        const auto flush = [&] {
            AppendRtfText(Rtf, plain);
            plain.clear();
        };
        const std::string& t = P.Text;
        for (std::size_t i = 0; i < t.size();) {
            const char c = t[i];
            if (c == '\\' && i + 1 < t.size() && IsEscapable(t[i + 1])) {
                plain += t[i + 1];
                i += 2;
            } else if (c == '\n') {
                flush();
                Rtf += "\\line ";
                ++i;
            } else if (c == '*' && i + 1 < t.size() && t[i + 1] == '*') {
                flush();
                Bold = !Bold;
                BoldLine = LineAt(P, i);
                Rtf += Bold ? "\\b " : "\\b0 ";
                i += 2;
            } else if (c == '*') {
                flush();
                Italic = !Italic;
                ItalicLine = LineAt(P, i);
                Rtf += Italic ? "\\i " : "\\i0 ";
                ++i;
            } else if (c == '[') {
                flush();
                i = WriteLink(i);
            } else if (c == ']') {
                throw TBuildError(File, LineAt(P, i),
                                  "\"]\" without \"[\" (write \\] for the character itself)");
            } else {
                plain += c;
                ++i;
            }
        }
        flush();
        if (Bold)
            throw TBuildError(File, BoldLine, "bold (**) is not closed in this paragraph");
        if (Italic)
            throw TBuildError(File, ItalicLine, "italic (*) is not closed in this paragraph");
    }

private:
    // Writes the link starting at t[start] == '['; returns the index after it.
    std::size_t WriteLink(std::size_t start)
    {
        const std::string& t = P.Text;
        const int line = LineAt(P, start);
        std::string visible;
        std::size_t i = start + 1;
        for (;; ++i) {
            if (i >= t.size())
                throw TBuildError(File, line, "link not closed: write [visible text](CODE)");
            if (t[i] == '\\' && i + 1 < t.size() && IsEscapable(t[i + 1])) {
                visible += t[++i];
                continue;
            }
            if (t[i] == ']')
                break;
            if (t[i] == '[' || t[i] == '\n')
                throw TBuildError(File, line, "link not closed: write [visible text](CODE)");
            visible += t[i];
        }
        ++i;
        if (i >= t.size() || t[i] != '(')
            throw TBuildError(File, line,
                              "a link needs its code right after the text: [visible text](CODE)");
        std::string code;
        int depth = 0;
        for (++i;; ++i) {
            if (i >= t.size() || t[i] == '\n')
                throw TBuildError(File, line, "link code not closed with \")\"");
            if (t[i] == '(')
                ++depth;
            if (t[i] == ')' && depth-- == 0)
                break;
            code += t[i];
        }
        visible = Trimmed(visible);
        code = Trimmed(code);
        if (visible.empty())
            throw TBuildError(File, line, "a link needs a visible text");
        if (Check)
            Check(code, line);
        Rtf += "{\\ul ";
        AppendRtfText(Rtf, visible);
        Rtf += "}{\\v ";
        AppendRtfText(Rtf, code);
        Rtf += "}";
        return i + 1;
    }

    const Paragraph& P;
    const std::string& File;
    const TLinkCheck& Check;
    std::string& Rtf;
    bool Bold = false;
    bool Italic = false;
    int BoldLine = 0;
    int ItalicLine = 0;
};

} // namespace

unsigned char Cp1252Byte(char32_t cp)
{
    if (cp < 0x80)
        return 0;
    if (cp >= 0xA0 && cp <= 0xFF)
        return static_cast<unsigned char>(cp);
    static const char32_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        if (high[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    return 0;
}

void AppendRtfText(std::string& Rtf, const std::string& Text)
{
    for (const char32_t cp : DecodeUtf8(Text)) {
        char buffer[16];
        if (cp == '\\' || cp == '{' || cp == '}') {
            Rtf += '\\';
            Rtf += static_cast<char>(cp);
        } else if (cp == '\t') {
            Rtf += "\\tab ";
        } else if (cp < 0x20) {
            // other control characters are dropped
        } else if (cp < 0x80) {
            Rtf += static_cast<char>(cp);
        } else if (const unsigned char b = Cp1252Byte(cp); b != 0) {
            std::snprintf(buffer, sizeof buffer, "\\'%02x", static_cast<unsigned>(b));
            Rtf += buffer;
        } else {
            // UTF-16 units as signed 16-bit numbers, each with "?" as fallback.
            std::vector<unsigned> units;
            if (cp >= 0x10000) {
                units.push_back(0xD800u + ((static_cast<unsigned>(cp) - 0x10000u) >> 10));
                units.push_back(0xDC00u + ((static_cast<unsigned>(cp) - 0x10000u) & 0x3FFu));
            } else {
                units.push_back(static_cast<unsigned>(cp));
            }
            for (const unsigned u : units) {
                const int value =
                    u >= 0x8000u ? static_cast<int>(u) - 0x10000 : static_cast<int>(u);
                std::snprintf(buffer, sizeof buffer, "\\u%d?", value);
                Rtf += buffer;
            }
        }
    }
}

std::string MarkupToRtf(const std::vector<std::string>& Lines, const std::string& File,
                        const TLinkCheck& CheckLink)
{
    std::string rtf = RtfHeader;
    bool first = true;
    for (const Paragraph& p : SplitParagraphs(Lines)) {
        if (!first)
            rtf += "\\par\n";
        first = false;
        ParagraphWriter(p, File, CheckLink, rtf).Write();
    }
    rtf += "}";
    return rtf;
}
