#include "benchmarks/synth/SchemaScript.h"

#include <sqlite3.h>

#include <cctype>

namespace musarix::synth {

namespace {

// Skips blanks and "--" comments, which the schema file uses generously.
std::string_view skipBlanksAndComments(std::string_view text)
{
    for (;;) {
        while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0) {
            text.remove_prefix(1);
        }
        if (text.substr(0, 2) != "--") {
            return text;
        }
        const auto end = text.find('\n');
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
}

std::string upperWords(std::string_view text, std::size_t count)
{
    std::string words;
    std::size_t seen = 0;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            if (!words.empty() && words.back() != ' ') {
                if (++seen == count) {
                    break;
                }
                words += ' ';
            }
            continue;
        }
        words += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return words;
}

} // namespace

SchemaScript::SchemaScript(std::string_view ddl)
{
    // sqlite3_complete() knows where SQLite would end a statement (it
    // understands quotes, comments and CREATE TRIGGER bodies), so the
    // script is cut exactly where the engine would cut it.
    std::string pending;
    std::size_t start = 0;
    while (start < ddl.size()) {
        auto end = ddl.find('\n', start);
        end = end == std::string_view::npos ? ddl.size() : end + 1;
        pending.append(ddl.substr(start, end - start));
        start = end;
        if (sqlite3_complete(pending.c_str()) != 0 || start == ddl.size()) {
            const auto statement = skipBlanksAndComments(pending);
            if (!statement.empty()) {
                (isIndex(statement) ? indexes_ : structure_).emplace_back(statement);
            }
            pending.clear();
        }
    }
}

bool SchemaScript::isIndex(std::string_view statement)
{
    const auto head = upperWords(statement, 3);
    return head.starts_with("CREATE INDEX") || head.starts_with("CREATE UNIQUE INDEX");
}

} // namespace musarix::synth
