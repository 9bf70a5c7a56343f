#include "odbc/CatalogSchema.h"

#include <cctype>

// Defined in the generated CatalogSchemaText.cpp (odbc/media.cmake).
extern const char* const CatalogSchemaTextData;

std::string_view CatalogSchemaSql()
{
    return CatalogSchemaTextData;
}

namespace {

bool IsWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

std::string_view TrimLeft(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    return s;
}

// The leading word of s ("" if s does not start with one).
std::string_view LeadingWord(std::string_view s)
{
    std::size_t n = 0;
    while (n < s.size() && IsWordChar(s[n]))
        ++n;
    return s.substr(0, n);
}

std::vector<TMediaColumn> ParseMediaColumns(std::string_view sql)
{
    std::vector<TMediaColumn> result;
    std::string table;
    while (!sql.empty()) {
        const std::size_t eol = sql.find('\n');
        std::string_view line = sql.substr(0, eol);
        sql.remove_prefix(eol == std::string_view::npos ? sql.size() : eol + 1);

        line = TrimLeft(line);
        constexpr std::string_view createTable = "CREATE TABLE ";
        if (line.substr(0, createTable.size()) == createTable) {
            table = std::string(LeadingWord(TrimLeft(line.substr(createTable.size()))));
            continue;
        }
        const std::size_t comment = line.find("--");
        if (comment == std::string_view::npos || table.empty())
            continue;
        const std::string_view marker = TrimLeft(line.substr(comment + 2));
        if (marker.empty() || marker.front() != '@')
            continue;
        const std::string_view word = LeadingWord(marker.substr(1));
        TMediaKind kind;
        if (word == "text")
            kind = TMediaKind::Text;
        else if (word == "picture")
            kind = TMediaKind::Picture;
        else if (word == "sound")
            kind = TMediaKind::Sound;
        else
            continue;
        const std::string_view column = LeadingWord(line);
        if (!column.empty())
            result.push_back(TMediaColumn{table, std::string(column), kind});
    }
    return result;
}

} // namespace

const std::vector<TMediaColumn>& CatalogMediaColumns()
{
    static const std::vector<TMediaColumn> columns = ParseMediaColumns(CatalogSchemaSql());
    return columns;
}

const TMediaColumn* FindMediaColumn(std::string_view Table, std::string_view Column)
{
    for (const TMediaColumn& c : CatalogMediaColumns())
        if (c.Table == Table && c.Column == Column)
            return &c;
    return nullptr;
}
