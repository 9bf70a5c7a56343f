#include "tools/TableSource.h"

#include "tools/BuildError.h"
#include "tools/SourceText.h"

#include <algorithm>

namespace {

bool IsComment(const std::string& line)
{
    return !line.empty() && line.front() == '#';
}

bool IsBlank(const std::string& line)
{
    return Trimmed(line).empty();
}

bool IsColumnName(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

std::vector<std::string> SplitCells(const std::string& line)
{
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = line.find('|', start);
        cells.push_back(Trimmed(
            line.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    return cells;
}

void AddField(TTableSource& source, TSourceRecord& record, const std::string& column,
              const std::string& value, int line)
{
    for (const TSourceField& f : record.Fields)
        if (f.Column == column)
            throw TBuildError(source.File, line,
                              "column " + column +
                                  " is given twice in this record (first in line " +
                                  std::to_string(f.Line) + ")");
    record.Fields.push_back(TSourceField{column, value, line});
}

void ParseRecords(const std::vector<std::string>& lines, TTableSource& source,
                  const std::string& keyColumn)
{
    TSourceRecord* record = nullptr;
    TSourceField* last = nullptr; // the field that indented lines continue
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const std::string& line = lines[i];
        if (IsBlank(line)) {
            last = nullptr;
            continue;
        }
        if (IsComment(line))
            continue;
        if (line.front() == ' ' || line.front() == '\t') {
            if (last == nullptr)
                throw TBuildError(source.File, lineNo,
                                  "indented line continues no value (only the lines right after "
                                  "\"COLUMN = value\" may be "
                                  "indented)");
            const std::string more = Trimmed(line);
            last->Value += last->Value.empty() ? more : " " + more;
            continue;
        }
        const std::string text = Trimmed(line);
        if (text.front() == '[') {
            if (text.back() != ']')
                throw TBuildError(source.File, lineNo, "a record header must be written as [key]");
            source.Records.push_back(TSourceRecord{lineNo, {}});
            record = &source.Records.back();
            last = nullptr;
            if (!keyColumn.empty())
                AddField(source, *record, keyColumn, Trimmed(text.substr(1, text.size() - 2)),
                         lineNo);
            continue;
        }
        const std::size_t eq = text.find('=');
        if (eq == std::string::npos)
            throw TBuildError(source.File, lineNo,
                              "expected \"COLUMN = value\" or a record header [key]");
        if (record == nullptr)
            throw TBuildError(source.File, lineNo,
                              "value before the first record header; start each record with [key]");
        const std::string column = Trimmed(text.substr(0, eq));
        if (!IsColumnName(column))
            throw TBuildError(source.File, lineNo, "\"" + column + "\" is not a column name");
        if (!keyColumn.empty() && column == keyColumn)
            throw TBuildError(source.File, lineNo,
                              "the key " + keyColumn + " is given in the record header [" +
                                  keyColumn + "], not as a value");
        AddField(source, *record, column, Trimmed(text.substr(eq + 1)), lineNo);
        last = &record->Fields.back();
    }
}

void ParseRows(const std::vector<std::string>& lines, std::size_t headerIndex, TTableSource& source)
{
    const std::vector<std::string> header = SplitCells(lines[headerIndex]);
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (!IsColumnName(header[c]))
            throw TBuildError(
                source.File, static_cast<int>(headerIndex) + 1,
                "\"" + header[c] +
                    "\" is not a column name (the first line of a table in rows names the "
                    "columns, separated by |)");
        for (std::size_t d = 0; d < c; ++d)
            if (header[d] == header[c])
                throw TBuildError(source.File, static_cast<int>(headerIndex) + 1,
                                  "column " + header[c] + " is named twice");
    }
    for (std::size_t i = headerIndex + 1; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        if (IsBlank(lines[i]) || IsComment(lines[i]))
            continue;
        const std::vector<std::string> cells = SplitCells(lines[i]);
        if (cells.size() != header.size())
            throw TBuildError(source.File, lineNo,
                              "the row has " + std::to_string(cells.size()) +
                                  " values, the header names " + std::to_string(header.size()) +
                                  " columns");
        TSourceRecord record{lineNo, {}};
        for (std::size_t c = 0; c < cells.size(); ++c)
            record.Fields.push_back(TSourceField{header[c], cells[c], lineNo});
        source.Records.push_back(std::move(record));
    }
}

} // namespace

TTableSource ParseTableSource(const std::vector<std::string>& Lines, const std::string& Table,
                              const std::string& File, const std::string& KeyColumn)
{
    TTableSource source{Table, File, {}};
    std::size_t first = 0;
    while (first < Lines.size() && (IsBlank(Lines[first]) || IsComment(Lines[first])))
        ++first;
    if (first == Lines.size())
        return source;
    if (Trimmed(Lines[first]).front() == '[')
        ParseRecords(Lines, source, KeyColumn);
    else
        ParseRows(Lines, first, source);
    return source;
}
