#include "tools/CatalogBuilder.h"

#include "odbc/CatalogSchema.h"
#include "odbc/SystemStore.h"
#include "odbc/VlfWriter.h"
#include "tools/BuildError.h"
#include "tools/Generator.h"
#include "tools/Markup.h"
#include "tools/Pictures.h"
#include "tools/Sounds.h"
#include "tools/SourceText.h"
#include "tools/TableSource.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// ---------------------------------------------------------------------------
// SQLite helpers

class Statement
{
public:
    Statement(sqlite3* db, const std::string& sql) : FDb(db)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &FStmt, nullptr) != SQLITE_OK)
            throw TBuildError("SQLite: " + std::string(sqlite3_errmsg(db)) + " in: " + sql);
    }
    ~Statement() { sqlite3_finalize(FStmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* Handle() const { return FStmt; }
    void Reset()
    {
        sqlite3_reset(FStmt);
        sqlite3_clear_bindings(FStmt);
    }
    void Bind(int i, std::int64_t v) { sqlite3_bind_int64(FStmt, i, v); }
    void Bind(int i, const std::string& v)
    {
        sqlite3_bind_text(FStmt, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    void BindNull(int i) { sqlite3_bind_null(FStmt, i); }
    bool Step()
    {
        const int rc = sqlite3_step(FStmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw TBuildError("SQLite: " + std::string(sqlite3_errmsg(FDb)));
    }
    // Steps once and returns the SQLite result code (for constraint errors).
    int StepCode() { return sqlite3_step(FStmt); }
    std::int64_t Int(int i) const { return sqlite3_column_int64(FStmt, i); }
    bool IsNull(int i) const { return sqlite3_column_type(FStmt, i) == SQLITE_NULL; }
    std::string Text(int i) const
    {
        const unsigned char* t = sqlite3_column_text(FStmt, i);
        return t ? std::string(reinterpret_cast<const char*>(t),
                               static_cast<std::size_t>(sqlite3_column_bytes(FStmt, i)))
                 : std::string();
    }

private:
    sqlite3* FDb;
    sqlite3_stmt* FStmt = nullptr;
};

void Exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "?";
        sqlite3_free(error);
        throw TBuildError("SQLite: " + message);
    }
}

// ---------------------------------------------------------------------------
// The schema as the builder sees it

enum class TColumnType { Integer, Varchar, Text };

struct TColumnInfo
{
    std::string Name;
    TColumnType Type = TColumnType::Integer;
    int MaxBytes = 0; // VARCHAR(n)
    bool NotNull = false;
    bool HasDefault = false;
    std::int64_t Default = 0; // integer defaults
    int PkIndex = 0;          // 1-based position in the primary key, 0 = none
    bool IsReference = false; // part of a foreign key
    const TMediaColumn* Media = nullptr;
};

struct TTableInfo
{
    std::string Name;
    std::vector<TColumnInfo> Columns;
    std::string KeyColumn;              // the single INTEGER PRIMARY KEY, or ""
    std::vector<std::size_t> PkColumns; // indexes into Columns, in key order

    const TColumnInfo* Find(const std::string& name, std::size_t* index = nullptr) const
    {
        for (std::size_t i = 0; i < Columns.size(); ++i)
            if (Columns[i].Name == name) {
                if (index)
                    *index = i;
                return &Columns[i];
            }
        return nullptr;
    }
};

std::map<std::string, TTableInfo> ReadSchema(sqlite3* db)
{
    std::map<std::string, TTableInfo> tables;
    Statement list(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                       "'sqlite_%' ORDER BY name");
    while (list.Step()) {
        TTableInfo table;
        table.Name = list.Text(0);
        Statement columns(db, "PRAGMA table_info(" + table.Name + ")");
        while (columns.Step()) {
            TColumnInfo c;
            c.Name = columns.Text(1);
            const std::string type = columns.Text(2);
            if (type == "INTEGER") {
                c.Type = TColumnType::Integer;
            } else if (type.rfind("VARCHAR(", 0) == 0) {
                c.Type = TColumnType::Varchar;
                c.MaxBytes = std::atoi(type.c_str() + 8);
            } else if (type == "TEXT") {
                c.Type = TColumnType::Text;
            } else {
                throw TBuildError("odbc/Schema.sql: column " + table.Name + "." + c.Name +
                                  " has the type " + type + ", which the builder does not know");
            }
            c.NotNull = columns.Int(3) != 0;
            c.HasDefault = !columns.IsNull(4);
            if (c.HasDefault)
                c.Default = std::atoll(columns.Text(4).c_str());
            c.PkIndex = static_cast<int>(columns.Int(5));
            c.Media = FindMediaColumn(table.Name, c.Name);
            table.Columns.push_back(c);
        }
        for (std::size_t i = 0; i < table.Columns.size(); ++i)
            if (table.Columns[i].PkIndex > 0)
                table.PkColumns.push_back(i);
        std::sort(table.PkColumns.begin(), table.PkColumns.end(),
                  [&](std::size_t a, std::size_t b) {
                      return table.Columns[a].PkIndex < table.Columns[b].PkIndex;
                  });
        if (table.PkColumns.size() == 1 &&
            table.Columns[table.PkColumns[0]].Type == TColumnType::Integer)
            table.KeyColumn = table.Columns[table.PkColumns[0]].Name;
        Statement fks(db, "PRAGMA foreign_key_list(" + table.Name + ")");
        while (fks.Step())
            for (TColumnInfo& c : table.Columns)
                if (c.Name == fks.Text(3))
                    c.IsReference = true;
        tables.emplace(table.Name, std::move(table));
    }
    return tables;
}

// ---------------------------------------------------------------------------
// Rows read from the source

struct TValue
{
    enum Kind { Null, Int, Text } Type = Null;
    std::int64_t I = 0;
    std::string S;
};

struct TMediaRef
{
    std::size_t Column; // index into the table's columns
    std::string Value;  // as written in the source
    int Line;
};

struct TRow
{
    const TSourceRecord* Record = nullptr;
    std::vector<std::pair<std::size_t, TValue>> Values; // columns given (not media)
    std::vector<TMediaRef> Media;
    std::vector<std::int64_t> SortKey;
    std::int64_t RowId = 0;
};

struct TTableRows
{
    const TTableInfo* Info = nullptr;
    TTableSource Source;
    std::vector<TRow> Rows;
};

std::optional<std::int64_t> ParseInteger(const std::string& text)
{
    std::int64_t value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || begin == end || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return value;
}

std::string Describe(const std::vector<std::string>& names)
{
    std::string s;
    for (const std::string& n : names)
        s += (s.empty() ? "" : ", ") + n;
    return names.size() == 1 ? s : "(" + s + ")";
}

// ---------------------------------------------------------------------------
// The builder

class Builder
{
public:
    Builder(const fs::path& source, const fs::path& work) : FSource(source), FWork(work) {}
    ~Builder()
    {
        FStatements.clear();
        if (FDb)
            sqlite3_close(FDb);
    }
    Builder(const Builder&) = delete;
    Builder& operator=(const Builder&) = delete;

    TBuildSummary Run();

private:
    void OpenDatabase();
    void ReadTables();
    void ReadTable(const fs::path& file, const std::string& display, const TTableInfo& info);
    TValue ConvertValue(const TTableRows& t, const TColumnInfo& c, const TSourceField& f) const;
    void InsertTable(TTableRows& t);
    [[noreturn]] void DuplicateKey(const TTableRows& t, const TRow& row);
    void CheckReferences();
    void WriteMedia();
    std::int64_t MediaItem(const TTableRows& t, const TMediaRef& ref);
    std::vector<char> TextItem(const TTableRows& t, const TMediaRef& ref);
    void CheckLink(const std::string& code, const std::string& file, int line);
    fs::path AssetPath(const std::string& value, const std::string& file, int line,
                       const std::string& what) const;
    void WriteSystemStore();
    void CloseDatabase();

    Statement& Prepared(const std::string& sql)
    {
        auto it = FStatements.find(sql);
        if (it == FStatements.end())
            it = FStatements.emplace(sql, std::make_unique<Statement>(FDb, sql)).first;
        it->second->Reset();
        return *it->second;
    }

    fs::path FSource;
    fs::path FWork;
    sqlite3* FDb = nullptr;
    std::map<std::string, TTableInfo> FSchema;
    std::map<std::string, TTableRows> FTables;
    std::map<std::string, std::unique_ptr<Statement>> FStatements;
    TVlfWriter FTextStore;
    TVlfWriter FSoundStore;
    std::map<std::string, std::int64_t> FItems; // "kind|value" -> position
    TBuildSummary FSummary;
};

void Builder::OpenDatabase()
{
    const std::string file = (FWork / CatalogDatabaseFile).string();
    if (sqlite3_open_v2(file.c_str(), &FDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK)
        throw TBuildError(file + ": cannot create the database: " + sqlite3_errmsg(FDb));
    // Fixed page settings; no journal file while building (a failed build is
    // thrown away as a whole); references are checked at the end.
    Exec(FDb, "PRAGMA page_size = 4096; PRAGMA journal_mode = MEMORY; PRAGMA synchronous = OFF; "
              "PRAGMA foreign_keys = OFF; PRAGMA encoding = 'UTF-8'");
    Exec(FDb, std::string(CatalogSchemaSql()));
    Exec(FDb, "PRAGMA user_version = 1");
    FSchema = ReadSchema(FDb);
}

TValue Builder::ConvertValue(const TTableRows& t, const TColumnInfo& c, const TSourceField& f) const
{
    const std::string& file = t.Source.File;
    TValue v;
    if (f.Value.empty())
        return v; // NULL: the column's default or none
    if (c.Type == TColumnType::Integer) {
        const auto i = ParseInteger(f.Value);
        if (!i)
            throw TBuildError(file, f.Line,
                              "malformed value for " + c.Name + ": \"" + f.Value +
                                  "\" is not a whole number (from -2147483648 to 2147483647)");
        // A reference that may be empty treats 0 as "none" (stored as NULL).
        if (*i == 0 && c.IsReference && !c.NotNull)
            return v;
        v.Type = TValue::Int;
        v.I = *i;
        return v;
    }
    if (c.Type == TColumnType::Varchar && static_cast<int>(f.Value.size()) > c.MaxBytes)
        throw TBuildError(file, f.Line,
                          "malformed value for " + c.Name + ": " + std::to_string(f.Value.size()) +
                              " bytes (UTF-8), the column holds at most " +
                              std::to_string(c.MaxBytes));
    v.Type = TValue::Text;
    v.S = f.Value;
    return v;
}

void Builder::ReadTable(const fs::path& path, const std::string& display, const TTableInfo& info)
{
    TTableRows t;
    t.Info = &info;
    t.Source = ParseTableSource(ReadSourceLines(path.string(), display), info.Name, display,
                                info.KeyColumn);
    for (const TSourceRecord& record : t.Source.Records) {
        TRow row;
        row.Record = &record;
        std::vector<bool> given(info.Columns.size(), false);
        for (const TSourceField& f : record.Fields) {
            std::size_t index = 0;
            const TColumnInfo* c = info.Find(f.Column, &index);
            if (!c)
                throw TBuildError(display, f.Line,
                                  "unknown column " + f.Column + " in table " + info.Name);
            if (c->Media) {
                if (!f.Value.empty()) {
                    row.Media.push_back(TMediaRef{index, f.Value, f.Line});
                    given[index] = true;
                }
                continue;
            }
            if (f.Column == info.KeyColumn && f.Value.empty())
                throw TBuildError(display, f.Line,
                                  "the record has no key; write its " + info.KeyColumn +
                                      " as [number]");
            TValue v = ConvertValue(t, *c, f);
            if (v.Type != TValue::Null)
                given[index] = true;
            row.Values.emplace_back(index, std::move(v));
        }
        for (std::size_t i = 0; i < info.Columns.size(); ++i) {
            const TColumnInfo& c = info.Columns[i];
            if (!given[i] && c.NotNull && !c.HasDefault)
                throw TBuildError(display, record.Line,
                                  c.Name == info.KeyColumn
                                      ? "the record has no key " + c.Name
                                      : "missing value for " + c.Name + " (it may not be empty)");
        }
        for (const std::size_t k : info.PkColumns) {
            std::int64_t key = info.Columns[k].Default;
            for (const auto& [index, value] : row.Values)
                if (index == k && value.Type == TValue::Int)
                    key = value.I;
            row.SortKey.push_back(key);
        }
        t.Rows.push_back(std::move(row));
    }
    // Sorted by key (rows of equal key stay in file order, so that the later
    // one is reported as the duplicate); tables without key keep file order.
    std::stable_sort(t.Rows.begin(), t.Rows.end(),
                     [](const TRow& a, const TRow& b) { return a.SortKey < b.SortKey; });
    FTables[info.Name] = std::move(t);
}

void Builder::ReadTables()
{
    const fs::path folder = FSource / "tables";
    if (!fs::is_directory(folder))
        throw TBuildError("tables", 0,
                          "the source folder has no folder \"tables\" with the table files");
    std::vector<fs::path> files;
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".txt" && e.path().filename().string().front() != '.')
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const std::string display = "tables/" + file.filename().string();
        const std::string table = file.stem().string();
        const auto it = FSchema.find(table);
        if (it == FSchema.end()) {
            std::string known;
            for (const auto& [name, info] : FSchema)
                known += (known.empty() ? "" : ", ") + name;
            throw TBuildError(display, 1,
                              "unknown table " + table +
                                  " (the file name names the table; tables: " + known + ")");
        }
        ReadTable(file, display, it->second);
    }
    for (const auto& [name, info] : FSchema)
        if (!FTables.count(name)) {
            TTableRows empty;
            empty.Info = &info;
            empty.Source.Table = name;
            empty.Source.File = "tables/" + name + ".txt";
            FTables[name] = std::move(empty);
        }
}

void Builder::DuplicateKey(const TTableRows& t, const TRow& row)
{
    const TTableInfo& info = *t.Info;
    std::vector<std::string> names;
    std::string where;
    std::string values;
    for (std::size_t n = 0; n < info.PkColumns.size(); ++n) {
        const std::string& name = info.Columns[info.PkColumns[n]].Name;
        names.push_back(name);
        where += (n ? " AND " : "") + name + " = " + std::to_string(row.SortKey[n]);
        values += (n ? ", " : "") + std::to_string(row.SortKey[n]);
    }
    int earlier = 0;
    Statement find(FDb, "SELECT rowid FROM " + info.Name + " WHERE " + where);
    if (find.Step())
        for (const TRow& other : t.Rows)
            if (other.RowId == find.Int(0))
                earlier = other.Record->Line;
    throw TBuildError(t.Source.File, row.Record->Line,
                      "duplicate key " + Describe(names) + " = " +
                          (names.size() == 1 ? values : "(" + values + ")") +
                          (earlier ? " (already in line " + std::to_string(earlier) + ")" : ""));
}

void Builder::InsertTable(TTableRows& t)
{
    const TTableInfo& info = *t.Info;
    for (TRow& row : t.Rows) {
        std::string columns;
        std::string marks;
        // Empty values are left out, so that the column gets its default (or
        // NULL).
        for (const auto& [index, value] : row.Values)
            if (value.Type != TValue::Null) {
                columns += (columns.empty() ? "" : ", ") + info.Columns[index].Name;
                marks += marks.empty() ? "?" : ", ?";
            }
        const std::string sql = columns.empty() ? "INSERT INTO " + info.Name + " DEFAULT VALUES"
                                                : "INSERT INTO " + info.Name + " (" + columns +
                                                      ") VALUES (" + marks + ")";
        Statement& insert = Prepared(sql);
        int i = 1;
        for (const auto& [index, value] : row.Values) {
            if (value.Type == TValue::Int)
                insert.Bind(i++, value.I);
            else if (value.Type == TValue::Text)
                insert.Bind(i++, value.S);
        }
        const int rc = insert.StepCode();
        if (rc == SQLITE_DONE) {
            row.RowId = sqlite3_last_insert_rowid(FDb);
            continue;
        }
        const int extended = sqlite3_extended_errcode(FDb);
        const std::string message = sqlite3_errmsg(FDb);
        insert.Reset();
        if (extended == SQLITE_CONSTRAINT_PRIMARYKEY || extended == SQLITE_CONSTRAINT_UNIQUE ||
            extended == SQLITE_CONSTRAINT_ROWID)
            DuplicateKey(t, row);
        if (extended == SQLITE_CONSTRAINT_CHECK)
            throw TBuildError(t.Source.File, row.Record->Line,
                              "malformed value: the schema does not allow it (" + message + ")");
        if (extended == SQLITE_CONSTRAINT_NOTNULL)
            throw TBuildError(t.Source.File, row.Record->Line, "missing value (" + message + ")");
        throw TBuildError(t.Source.File, row.Record->Line, "cannot store the record: " + message);
    }
    FSummary.RowsPerTable.emplace_back(info.Name, static_cast<int>(t.Rows.size()));
}

void Builder::CheckReferences()
{
    struct Broken
    {
        std::string File;
        int Line;
        std::string Message;
    };
    std::vector<Broken> broken;
    Statement check(FDb, "PRAGMA foreign_key_check");
    while (check.Step()) {
        const std::string table = check.Text(0);
        const std::int64_t rowid = check.Int(1);
        const std::string parent = check.Text(2);
        const std::int64_t fkid = check.Int(3);
        const TTableRows& t = FTables.at(table);
        const TRow* row = nullptr;
        for (const TRow& r : t.Rows)
            if (r.RowId == rowid)
                row = &r;
        std::vector<std::string> from;
        std::vector<std::string> to;
        Statement fk(FDb, "PRAGMA foreign_key_list(" + table + ")");
        while (fk.Step())
            if (fk.Int(0) == fkid) {
                from.push_back(fk.Text(3));
                to.push_back(fk.Text(4));
            }
        std::string values;
        int line = row ? row->Record->Line : 0;
        for (std::size_t i = 0; i < from.size(); ++i) {
            Statement value(FDb, "SELECT " + from[i] + " FROM " + table +
                                     " WHERE rowid = " + std::to_string(rowid));
            values += (i ? ", " : "") + (value.Step() ? value.Text(0) : std::string("?"));
            if (row)
                for (const TSourceField& f : row->Record->Fields)
                    if (f.Column == from[i] && from.size() == 1)
                        line = f.Line;
        }
        const std::string shown = from.size() == 1 ? values : "(" + values + ")";
        broken.push_back(Broken{t.Source.File, line,
                                "reference to a missing record: " + Describe(from) + " = " + shown +
                                    ", but " + parent + " has no record with " + Describe(to) +
                                    " = " + shown});
    }
    if (broken.empty())
        return;
    const auto first =
        std::min_element(broken.begin(), broken.end(), [](const Broken& a, const Broken& b) {
            return std::tie(a.File, a.Line) < std::tie(b.File, b.Line);
        });
    std::string message = first->Message;
    if (broken.size() > 1)
        message += " (and " + std::to_string(broken.size() - 1) + " more broken reference" +
                   (broken.size() > 2 ? "s" : "") + ")";
    throw TBuildError(first->File, first->Line, message);
}

fs::path Builder::AssetPath(const std::string& value, const std::string& file, int line,
                            const std::string& what) const
{
    const fs::path relative(value);
    bool outside = relative.is_absolute() || relative.empty();
    for (const fs::path& part : relative)
        if (part == "..")
            outside = true;
    if (outside)
        throw TBuildError(file, line,
                          "the " + what + " \"" + value +
                              "\" must be a path inside the source folder (like texts/x.txt)");
    const fs::path path = FSource / relative;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        throw TBuildError(file, line,
                          "missing asset: the " + what + " " + value + " does not exist");
    if (::access(path.c_str(), R_OK) != 0)
        throw TBuildError(file, line,
                          "unreadable asset: the " + what + " " + value + " cannot be read");
    return path;
}

void Builder::CheckLink(const std::string& code, const std::string& file, int line)
{
    const std::size_t colon = code.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 2)
        throw TBuildError(file, line,
                          "link code \"" + code +
                              "\" is malformed (one or two letters, a colon, a key or name)");
    const std::string kind = code.substr(0, colon);
    const std::string rest = code.substr(colon + 1);
    if (rest.size() > 256)
        throw TBuildError(file, line,
                          "link code \"" + code.substr(0, 40) +
                              "...\" is longer than 256 characters");
    struct ById
    {
        const char* Code;
        const char* Table;
        const char* Key;
    };
    static const ById byId[] = {
        {"p", "PERSON", "PERS_ID"},   {"b", "BAND", "BAND_ID"},   {"a", "ALBUM", "ALBU_ID"},
        {"t", "TITLE", "TITE_ID"},    {"v", "TITLE", "TITE_ID"},  {"i", "INSTRUME", "INST_ID"},
        {"g", "CATEGORY", "CATE_ID"}, {"s", "STUDIO", "STUD_ID"}, {"l", "LABEL", "LABE_ID"},
        {"f", "FREI", "FREI_ID"},     {"F", "FREI", "FREI_ID"},   {"mi", "STYLES", "STYL_ID"},
        {"mc", "STYLES", "STYL_ID"}};
    static const ById byName[] = {{"P", "PERSON", "PERS_NAME"},    {"B", "BAND", "BAND_NAME"},
                                  {"A", "ALBUM", "ALBU_NAME"},     {"T", "TITLE", "TITE_NAME"},
                                  {"I", "INSTRUME", "INST_NAMED"}, {"S", "STUDIO", "STUD_NAME"},
                                  {"L", "LABEL", "LABE_NAME"},     {"G", "CATEGORY", "CATE_NAME"}};
    const auto missing = [&](const std::string& what) {
        throw TBuildError(file, line, "link " + code + " leads to a missing record: " + what);
    };
    for (const ById& e : byId)
        if (kind == e.Code) {
            const auto key = ParseInteger(rest);
            if (!key)
                throw TBuildError(file, line,
                                  "link code \"" + code + "\": \"" + rest +
                                      "\" is not a key (a whole number)");
            Statement& s = Prepared(std::string("SELECT ") +
                                    (kind == "p"    ? "PERS_DATA"
                                     : kind == "mi" ? "INST_ID"
                                                    : "1") +
                                    " FROM " + e.Table + " WHERE " + e.Key + " = ?");
            s.Bind(1, *key);
            if (!s.Step())
                missing(std::string("there is no ") + e.Table + " with " + e.Key + " " + rest);
            if (kind == "p" && s.Int(0) < 1)
                throw TBuildError(file, line,
                                  "link " + code +
                                      ": the person has no page of its own (PERS_DATA 0)");
            if (kind == "mi" && s.Int(0) <= 0)
                throw TBuildError(file, line,
                                  "link " + code +
                                      ": the sound example is no instrument example (INST_ID)");
            return;
        }
    if (kind == "c") {
        const std::size_t comma = rest.find(',');
        const auto album = ParseInteger(rest.substr(0, comma));
        const auto title =
            comma == std::string::npos ? std::nullopt : ParseInteger(rest.substr(comma + 1));
        if (!album || !title)
            throw TBuildError(file, line, "link code \"" + code + "\" must be c:ALBU_ID,TITE_ID");
        Statement& s = Prepared("SELECT 1 FROM CONTENTS WHERE ALBU_ID = ? AND TITE_ID = ?");
        s.Bind(1, *album);
        s.Bind(2, *title);
        if (!s.Step())
            missing("there is no recording (CONTENTS) of title " + std::to_string(*title) +
                    " on album " + std::to_string(*album));
        return;
    }
    for (const ById& e : byName)
        if (kind == e.Code) {
            if (rest.find('"') != std::string::npos)
                throw TBuildError(file, line,
                                  "link " + code +
                                      ": a name in a link may not contain a double quote");
            // The program looks the name up with "=", which ignores ASCII case; the
            // link must still name the record exactly.
            Statement& s = Prepared(std::string("SELECT ") + (kind == "P" ? "PERS_DATA" : "1") +
                                    " FROM " + e.Table + " WHERE " + e.Key + " = ? COLLATE BINARY");
            s.Bind(1, rest);
            if (!s.Step())
                missing(std::string("there is no ") + e.Table + " with " + e.Key + " exactly \"" +
                        rest + "\"");
            if (kind == "P" && s.Int(0) < 1)
                throw TBuildError(file, line,
                                  "link " + code +
                                      ": the person has no page of its own (PERS_DATA 0)");
            return;
        }
    throw TBuildError(
        file, line,
        "unknown link code \"" + code +
            "\" (known: p: b: a: t: c: v: i: g: s: l: f: F: P: B: A: T: I: S: L: G: mi: mc:)");
}

std::vector<char> Builder::TextItem(const TTableRows& t, const TMediaRef& ref)
{
    const std::string& file = t.Source.File;
    const fs::path path = AssetPath(ref.Value, file, ref.Line, "text file");
    const std::string extension = path.extension().string();
    if (extension == ".rtf") {
        const std::string bytes = ReadSourceBytes(path.string(), ref.Value);
        if (bytes.rfind("{\\rtf", 0) != 0)
            throw TBuildError(ref.Value, 1, "not a rich text file (it must start with {\\rtf)");
        return std::vector<char>(bytes.begin(), bytes.end());
    }
    if (extension != ".txt")
        throw TBuildError(file, ref.Line,
                          "the text " + ref.Value +
                              " must be a .txt file (markup) or an .rtf file");
    const std::string rtf = MarkupToRtf(
        ReadSourceLines(path.string(), ref.Value), ref.Value,
        [this, &ref](const std::string& code, int line) { CheckLink(code, ref.Value, line); });
    return std::vector<char>(rtf.begin(), rtf.end());
}

std::int64_t Builder::MediaItem(const TTableRows& t, const TMediaRef& ref)
{
    const TColumnInfo& column = t.Info->Columns[ref.Column];
    const std::string& file = t.Source.File;
    const TMediaKind kind = column.Media->Kind;
    const std::string key = std::to_string(static_cast<int>(kind)) + "|" + ref.Value;
    if (const auto it = FItems.find(key); it != FItems.end())
        return it->second;

    std::vector<char> item;
    TVlfWriter* store = &FTextStore;
    switch (kind) {
    case TMediaKind::Text:
        if (IsGeneratorValue(ref.Value, "gen") || IsGeneratorValue(ref.Value, "synth"))
            throw TBuildError(file, ref.Line,
                              column.Name + " holds a text; name a texts/....txt file");
        item = TextItem(t, ref);
        ++FSummary.Texts;
        break;
    case TMediaKind::Picture: {
        QImage image;
        if (IsGeneratorValue(ref.Value, "gen"))
            image = GeneratePicture(ParseGeneratorRecipe(ref.Value), file, ref.Line);
        else if (IsGeneratorValue(ref.Value, "synth"))
            throw TBuildError(file, ref.Line, column.Name + " holds a picture, not a sound");
        else
            image = LoadPictureFile(AssetPath(ref.Value, file, ref.Line, "picture").string(),
                                    ref.Value, file, ref.Line);
        item = EncodeBmp(ToCataloguePicture(image));
        ++FSummary.Pictures;
        break;
    }
    case TMediaKind::Sound: {
        store = &FSoundStore;
        if (IsGeneratorValue(ref.Value, "synth")) {
            item = SynthesizeWav(ParseGeneratorRecipe(ref.Value), file, ref.Line);
        } else if (IsGeneratorValue(ref.Value, "gen")) {
            throw TBuildError(file, ref.Line,
                              column.Name + " holds a sound; write synth: ... or name a .wav file");
        } else {
            const fs::path path = AssetPath(ref.Value, file, ref.Line, "sound");
            const std::string bytes = ReadSourceBytes(path.string(), ref.Value);
            item.assign(bytes.begin(), bytes.end());
            const std::string problem = CheckPcmWav(item);
            if (!problem.empty())
                throw TBuildError(file, ref.Line,
                                  "the sound " + ref.Value + " is unusable: " + problem);
        }
        ++FSummary.Sounds;
        break;
    }
    }
    const std::int64_t position = store->Append(item);
    FItems.emplace(key, position);
    return position;
}

void Builder::WriteMedia()
{
    FTextStore.Create((FWork / TextStoreFile).string(), TextStoreIdentification);
    FSoundStore.Create((FWork / SoundStoreFile).string(), SoundStoreIdentification);
    for (auto& [name, t] : FTables)
        for (const TRow& row : t.Rows)
            for (const TMediaRef& ref : row.Media) {
                const std::int64_t position = MediaItem(t, ref);
                Statement& update =
                    Prepared("UPDATE " + name + " SET " + t.Info->Columns[ref.Column].Name +
                             " = ? WHERE rowid = ?");
                update.Bind(1, position);
                update.Bind(2, row.RowId);
                update.Step();
            }
    FSummary.TextStoreBytes = FTextStore.End();
    FSummary.SoundStoreBytes = FSoundStore.End();
    FTextStore.Finish();
    FSoundStore.Finish();
}

// The system store, from system.txt: one "KEY = value" line per item.
void Builder::WriteSystemStore()
{
    TVlfWriter store;
    store.Create((FWork / SystemStoreFile).string(), SystemStoreIdentification);
    const fs::path path = FSource / "system.txt";
    const std::string file = "system.txt";
    if (!fs::exists(path)) {
        FSummary.SystemStoreBytes = store.End();
        store.Finish();
        return;
    }
    struct Slot
    {
        const char* Key;
        bool Picture;
        std::int64_t Position;
        std::uint32_t MaxBytes; // 0: none
    };
    static const Slot slots[] = {
        {"INTRO_PICTURE", true, SystemItem::IntroTile(0), 0},
        {"SCREEN_WALLPAPER", true, SystemItem::ScreenWallpaper, SystemItem::WallpaperBytes},
        {"DIALOG_WALLPAPER", true, SystemItem::DialogWallpaper, SystemItem::WallpaperBytes},
        {"INTRO_MUSIC", false, SystemItem::IntroMusic, SystemItem::IntroMusicMaxBytes},
        {"CLOSING_MUSIC", false, SystemItem::ClosingMusic, SystemItem::ClosingMusicMaxBytes},
        {"CLICK_SOUND", false, SystemItem::ClickSound, SystemItem::ClickSoundMaxBytes},
        {"LINK_SOUND", false, SystemItem::LinkSound, SystemItem::LinkSoundMaxBytes},
        {"ERROR_SOUND", false, SystemItem::ErrorSound, 0},
    };
    std::map<std::string, std::pair<std::string, int>> values;
    const std::vector<std::string> lines = ReadSourceLines(path.string(), file);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const std::string text = Trimmed(lines[i]);
        if (text.empty() || text.front() == '#')
            continue;
        const std::size_t eq = text.find('=');
        if (eq == std::string::npos)
            throw TBuildError(file, lineNo, "expected \"KEY = value\"");
        const std::string key = Trimmed(text.substr(0, eq));
        const auto slot = std::find_if(std::begin(slots), std::end(slots),
                                       [&](const Slot& s) { return key == s.Key; });
        if (slot == std::end(slots)) {
            std::string known;
            for (const Slot& s : slots)
                known += (known.empty() ? "" : ", ") + std::string(s.Key);
            throw TBuildError(file, lineNo,
                              "unknown system item " + key + " (known: " + known + ")");
        }
        if (values.count(key))
            throw TBuildError(file, lineNo,
                              key + " is given twice (first in line " +
                                  std::to_string(values[key].second) + ")");
        values[key] = {Trimmed(text.substr(eq + 1)), lineNo};
    }

    for (const Slot& slot : slots) {
        const auto it = values.find(slot.Key);
        if (it == values.end())
            continue;
        const std::string& value = it->second.first;
        const int line = it->second.second;
        const std::string name = std::string(slot.Key) + " (" + value + ")";
        if (slot.Picture) {
            QImage image;
            if (IsGeneratorValue(value, "gen"))
                image = GeneratePicture(ParseGeneratorRecipe(value), file, line);
            else
                image = LoadPictureFile(AssetPath(value, file, line, "picture").string(), value,
                                        file, line);
            if (slot.Position == SystemItem::IntroTile(0)) {
                constexpr int width = 4 * SystemItem::IntroTileWidth;
                constexpr int height = 3 * SystemItem::IntroTileHeight;
                if (image.width() != width || image.height() != height)
                    throw TBuildError(file, line,
                                      name + " is " + std::to_string(image.width()) + " x " +
                                          std::to_string(image.height()) +
                                          " pixels; it must be 640 x 480 (cut into twelve tiles of "
                                          "160 x 160, each a "
                                          "256-colour BMP of exactly " +
                                          std::to_string(SystemItem::IntroTileBytes) + " bytes)");
                for (int k = 0; k < SystemItem::IntroTileCount; ++k) {
                    const QImage tile = ToIndexed256(image.copy(
                        (k % 4) * SystemItem::IntroTileWidth, (k / 4) * SystemItem::IntroTileHeight,
                        SystemItem::IntroTileWidth, SystemItem::IntroTileHeight));
                    const std::vector<char> bmp = EncodeBmp(tile);
                    if (bmp.size() != SystemItem::IntroTileBytes)
                        throw TBuildError(file, line,
                                          name + ": tile " + std::to_string(k + 1) + " became " +
                                              std::to_string(bmp.size()) +
                                              " bytes; its slot holds exactly " +
                                              std::to_string(SystemItem::IntroTileBytes));
                    store.Place(SystemItem::IntroTile(k), bmp);
                    ++FSummary.SystemItems;
                }
            } else {
                if (image.width() != SystemItem::WallpaperWidth ||
                    image.height() != SystemItem::WallpaperHeight)
                    throw TBuildError(
                        file, line,
                        name + " is " + std::to_string(image.width()) + " x " +
                            std::to_string(image.height()) +
                            " pixels; a wallpaper must be 100 x 100 (a 256-colour BMP of exactly " +
                            std::to_string(SystemItem::WallpaperBytes) + " bytes)");
                const std::vector<char> bmp = EncodeBmp(ToIndexed256(image));
                if (bmp.size() != slot.MaxBytes)
                    throw TBuildError(file, line,
                                      name + " became " + std::to_string(bmp.size()) +
                                          " bytes; its slot holds exactly " +
                                          std::to_string(slot.MaxBytes));
                store.Place(slot.Position, bmp);
                ++FSummary.SystemItems;
            }
            continue;
        }
        std::vector<char> wav;
        if (IsGeneratorValue(value, "synth")) {
            wav = SynthesizeWav(ParseGeneratorRecipe(value), file, line);
        } else {
            const std::string bytes =
                ReadSourceBytes(AssetPath(value, file, line, "sound").string(), value);
            wav.assign(bytes.begin(), bytes.end());
            const std::string problem = CheckPcmWav(wav);
            if (!problem.empty())
                throw TBuildError(file, line, name + " is unusable: " + problem);
        }
        if (slot.MaxBytes > 0 && wav.size() > slot.MaxBytes)
            throw TBuildError(file, line,
                              name + " has " + std::to_string(wav.size()) +
                                  " bytes; its slot in Musarix.Sy holds at most " +
                                  std::to_string(slot.MaxBytes) + " bytes");
        store.Place(slot.Position, wav);
        ++FSummary.SystemItems;
    }
    FSummary.SystemStoreBytes = store.End();
    store.Finish();
}

void Builder::CloseDatabase()
{
    FStatements.clear();
    Exec(FDb, "VACUUM");
    if (sqlite3_close(FDb) != SQLITE_OK)
        throw TBuildError("SQLite: cannot close the database");
    FDb = nullptr;
    const fs::path file = FWork / CatalogDatabaseFile;
    const int handle = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
}

TBuildSummary Builder::Run()
{
    OpenDatabase();
    ReadTables();
    Exec(FDb, "BEGIN");
    for (auto& [name, t] : FTables)
        InsertTable(t);
    CheckReferences();
    WriteMedia();
    Exec(FDb, "COMMIT");
    WriteSystemStore();
    CloseDatabase();
    return FSummary;
}

// ---------------------------------------------------------------------------
// Putting the output in place

bool IsCatalogueFile(const std::string& name)
{
    return name == CatalogDatabaseFile || name == TextStoreFile || name == SoundStoreFile ||
           name == SystemStoreFile || name == std::string(CatalogDatabaseFile) + "-journal";
}

void CheckReplaceable(const fs::path& output)
{
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(output, ec);
    if (!fs::exists(status))
        return;
    if (!fs::is_directory(status))
        throw TBuildError(output.string(), 0, "the output exists and is not a folder");
    for (const fs::directory_entry& e : fs::directory_iterator(output)) {
        const std::string name = e.path().filename().string();
        if (!IsCatalogueFile(name) || !e.is_regular_file())
            throw TBuildError(output.string(), 0,
                              "the output folder holds \"" + name +
                                  "\", which is no catalogue file; the builder replaces the whole "
                                  "folder, so it only "
                                  "overwrites a folder that holds a catalogue and nothing else");
    }
}

void SyncDirectory(const fs::path& dir)
{
    const int handle = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
}

void MoveIntoPlace(const fs::path& work, const fs::path& output)
{
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(output, ec))) {
        if (::rename(work.c_str(), output.c_str()) != 0)
            throw TBuildError(output.string(), 0,
                              std::string("cannot move the new catalogue into place: ") +
                                  std::strerror(errno));
        SyncDirectory(output.parent_path());
        return;
    }
    // Swap the old and the new folder in one step; the old one then lies at
    // the temporary name and is removed.
    if (::renameat2(AT_FDCWD, work.c_str(), AT_FDCWD, output.c_str(), RENAME_EXCHANGE) != 0) {
        // File systems without RENAME_EXCHANGE: two renames.
        const fs::path old = work.string() + ".old";
        if (::rename(output.c_str(), old.c_str()) != 0)
            throw TBuildError(output.string(), 0,
                              std::string("cannot replace the old catalogue: ") +
                                  std::strerror(errno));
        if (::rename(work.c_str(), output.c_str()) != 0) {
            const int error = errno;
            ::rename(old.c_str(), output.c_str());
            throw TBuildError(output.string(), 0,
                              std::string("cannot move the new catalogue into place: ") +
                                  std::strerror(error));
        }
        fs::remove_all(old, ec);
    } else {
        fs::remove_all(work, ec);
    }
    SyncDirectory(output.parent_path());
}

} // namespace

TBuildSummary BuildCatalogue(const std::string& SourceDir, const std::string& OutputDir)
{
    const fs::path source = fs::absolute(SourceDir);
    if (!fs::is_directory(source))
        throw TBuildError(SourceDir, 0, "the source folder does not exist");
    fs::path output = fs::absolute(OutputDir).lexically_normal();
    if (!output.has_filename())
        output = output.parent_path();
    CheckReplaceable(output);
    std::error_code ec;
    fs::create_directories(output.parent_path(), ec);
    if (ec)
        throw TBuildError(output.parent_path().string(), 0,
                          "cannot create the folder: " + ec.message());

    std::string pattern =
        (output.parent_path() / ("." + output.filename().string() + ".build-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw TBuildError(output.parent_path().string(), 0,
                          std::string("cannot create a temporary folder: ") + std::strerror(errno));
    const fs::path work = pattern;
    try {
        TBuildSummary summary;
        {
            Builder builder(source, work);
            summary = builder.Run();
        }
        ::chmod(work.c_str(), 0755);
        MoveIntoPlace(work, output);
        return summary;
    } catch (const TVlfWriteError& e) {
        fs::remove_all(work, ec);
        throw TBuildError(e.what());
    } catch (...) {
        fs::remove_all(work, ec);
        throw;
    }
}
