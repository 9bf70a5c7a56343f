#pragma once

// The table files of a catalogue source (tables/<TABLE>.txt), in one of two
// forms (catalogue/README.md):
//
// Record blocks, for tables with many columns:
//
//   [12]                      <- the key (for tables with one INTEGER key);
//   PERS_NAME = Mahler, Gustav   other tables: any label, e.g. [Frage 1]
//   PERS_DATA = 1
//     indented lines continue the value above (joined with one blank)
//
// Rows, for narrow tables (the first significant line names the columns):
//
//   PERS_ID | BAND_ID | MEMB_STAMM
//   1       | 3       | 1
//
// Lines starting with "#" are comments; blank lines separate nothing but
// make the file readable. Values are trimmed; an empty value is NULL.

#include <string>
#include <vector>

struct TSourceField
{
    std::string Column;
    std::string Value;
    int Line = 0;
};

struct TSourceRecord
{
    int Line = 0; // the line of the record's header or row
    std::vector<TSourceField> Fields;
};

struct TTableSource
{
    std::string Table;
    std::string File; // as shown in messages, e.g. "tables/PERSON.txt"
    std::vector<TSourceRecord> Records;
};

// Parses the lines of a table file. KeyColumn is the table's single INTEGER
// key column (empty when the table has none); a record block's [header] then
// holds the key. Throws TBuildError on malformed lines.
TTableSource ParseTableSource(const std::vector<std::string>& Lines, const std::string& Table,
                              const std::string& File, const std::string& KeyColumn);
