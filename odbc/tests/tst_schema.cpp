// The catalogue schema: complete, consistent, case-blind names,
// indexed keys, and column types that the SQLite ODBC driver reports the way
// the program binds them.

#include "odbc/CatalogSchema.h"
#include "tests/support/SqliteRows.h"

#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Every table (and view) and column that the program reads.
const std::map<std::string, std::set<std::string>>& SpecifiedColumns()
{
    static const std::map<std::string, std::set<std::string>> columns = {
        {"ADRESSE",
         {"ADRE_EMAIL", "ADRE_FAX", "ADRE_ID", "ADRE_LAND", "ADRE_NAME", "ADRE_ORT", "ADRE_PLZ",
          "ADRE_STRASSE", "ADRE_TEL1", "ADRE_TEL2", "ADRE_TEL3", "ADRE_TYP", "ADRE_WWW",
          "ADRE_ZUSATZ"}},
        {"ALBUM",
         {"ALBU_COVER", "ALBU_FLAG", "ALBU_ID", "ALBU_JAHR", "ALBU_NAME", "ALBU_SAMPL", "ALBU_TEXT",
          "BAND_ID"}},
        {"BAND",
         {"BAND_BILD1", "BAND_BILD2", "BAND_HIST", "BAND_ID", "BAND_NAME", "BAND_PIC", "BAND_TEXT1",
          "BAND_TEXT2"}},
        {"BERUF", {"BERU_ID", "BERU_NAMEF", "BERU_NAMEM"}},
        {"CATEGORY", {"CATE_ID", "CATE_NAME", "CATE_TEXT"}},
        {"CITY", {"CITY_ID", "CITY_NAME"}},
        {"COMPOSER", {"PERS_ID", "TITE_ID"}},
        {"CONTENTS",
         {"ALBU_ID", "BAND_ID", "CONT_DAUER", "CONT_DISC", "CONT_INDEX", "CONT_JAHR", "CONT_LIVE",
          "STUD_ID", "TITE_ID"}},
        {"COUNTRY", {"LAND_ABK", "LAND_ID", "LAND_NAMED"}},
        {"EXAMPLES", {"CATE_ID", "CATE_NAME"}},
        {"FREI", {"FREI_ART", "FREI_ID", "FREI_NAME", "FREI_TEXT", "FREI_TYP"}},
        {"FREIBAND", {"BAND_ID", "FREI_ID"}},
        {"FREIPERS", {"FREI_ID", "PERS_ID"}},
        {"GENRE", {"ALBU_ID", "CATE_ID", "TITE_ID"}},
        {"HERST",
         {"HRST_BILD1", "HRST_BILD2", "HRST_HIST", "HRST_ID", "HRST_NAME", "HRST_TEXT1",
          "HRST_TEXT2"}},
        {"INSTEXAM", {"INST_ID", "INST_NAMED"}},
        {"INSTRUME",
         {"INST_BILD1", "INST_BILD2", "INST_BWTXT", "INST_GETXT", "INST_ID", "INST_NAMED",
          "INST_NAMEE", "INST_PIC", "INST_PSEU", "INST_SPEZ", "INST_SWTXT", "INST_TEXT1",
          "INST_TEXT2", "INST_VATER"}},
        {"ITEMS", {"ITEM_ID", "ITEM_NAME", "ITEM_SUBST", "ITEM_TOPIC"}},
        {"LABEL", {"LABE_BILD1", "LABE_CODE", "LABE_ID", "LABE_NAME", "LABE_TEXT", "LABE_TEXT1"}},
        {"LEHRER", {"PERS_LEHRE", "PERS_SCHUE"}},
        {"MEMBERS",
         {"BAND_ID", "MEMB_BIS1", "MEMB_BIS2", "MEMB_BIS3", "MEMB_BIS4", "MEMB_GAST", "MEMB_STAMM",
          "MEMB_VON1", "MEMB_VON2", "MEMB_VON3", "MEMB_VON4", "PERS_ID"}},
        {"MUSICIAN", {"ALBU_ID", "PERS_ID", "TITE_ID"}},
        {"PERSBERU", {"BERU_ID", "PEBE_POS", "PERS_ID"}},
        {"PERSON",
         {"LAND_ID",    "LAND_ID2",  "PERS_ALIAS",  "PERS_BILD1", "PERS_BILD2",  "PERS_BIOGR",
          "PERS_BUERG", "PERS_DATA", "PERS_GEBJ",   "PERS_GEBM",  "PERS_GEBORT", "PERS_GEBT",
          "PERS_GESCH", "PERS_ID",   "PERS_NAME",   "PERS_PIC",   "PERS_TEXT1",  "PERS_TEXT2",
          "PERS_TODJ",  "PERS_TODM", "PERS_TODORT", "PERS_TODT"}},
        {"PLAYLIST", {"ALBU_ID", "INST_ID", "PERS_ID", "TITE_ID"}},
        {"PRODUCER", {"ALBU_ID", "PERS_ID", "TITE_ID"}},
        {"PRODUCT",
         {"ALBU_ID", "LABE_ID", "PDCT_CODE1", "PDCT_CODE2", "PDCT_JAHR", "PDCT_KAT", "PDCT_LC",
          "TYPE_ID"}},
        {"QUESTION",
         {"QUES_1", "QUES_2", "QUES_3", "QUES_4", "QUES_5", "QUES_6", "QUES_7", "QUES_8", "QUES_9",
          "QUES_QUERY"}},
        {"STDINST", {"INST_ID", "PERS_ID"}},
        {"STUDIO", {"STUD_BILD1", "STUD_ID", "STUD_NAME", "STUD_TEXT", "STUD_TEXT1"}},
        {"STYLES",
         {"BESE_ID", "BESE_NAME", "CATE_ID1", "CATE_ID2", "CATE_ID3", "INST_ID", "STYL_BESET",
          "STYL_ID", "STYL_SOUND", "STYL_TEXT"}},
        {"TEXTER", {"PERS_ID", "TITE_ID"}},
        {"TITLE", {"TITE_ID", "TITE_LYR", "TITE_LYRICS", "TITE_NAME", "TITE_TEXT"}},
        {"TYPES", {"TYPE_ID", "TYPE_NAME"}},
    };
    return columns;
}

// An SQLite database holding the schema.
class SchemaDb
{
public:
    explicit SchemaDb(const std::string& file = ":memory:")
    {
        if (sqlite3_open(file.c_str(), &FDb) != SQLITE_OK)
            throw std::runtime_error("cannot open database");
        const std::string sql(CatalogSchemaSql());
        char* error = nullptr;
        if (sqlite3_exec(FDb, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "?";
            sqlite3_free(error);
            throw std::runtime_error("schema failed: " + message);
        }
    }
    ~SchemaDb() { sqlite3_close(FDb); }
    SchemaDb(const SchemaDb&) = delete;
    SchemaDb& operator=(const SchemaDb&) = delete;

    void Exec(const std::string& sql)
    {
        char* error = nullptr;
        const int rc = sqlite3_exec(FDb, sql.c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        if (rc != SQLITE_OK)
            throw std::runtime_error(sql + ": " + message);
    }

    // All rows of a query, each cell as text ("NULL" for NULL).
    std::vector<std::vector<std::string>> Rows(const std::string& sql)
    {
        return SqliteRows(FDb, sql);
    }

    std::vector<std::string> Column(const std::string& sql)
    {
        std::vector<std::string> result;
        for (const auto& row : Rows(sql))
            result.push_back(row.at(0));
        return result;
    }

private:
    sqlite3* FDb = nullptr;
};

std::string Joined(const std::vector<std::string>& v)
{
    std::string s;
    for (const auto& e : v)
        s += (s.empty() ? "" : "|") + e;
    return s;
}

} // namespace

TEST(Schema, HasEveryTableAndColumnOfPart24)
{
    SchemaDb db;
    std::map<std::string, std::set<std::string>> actual;
    for (const std::string& table :
         db.Column("SELECT name FROM sqlite_master WHERE type IN ('table', 'view')"))
        for (const auto& row : db.Rows("PRAGMA table_info(" + table + ")"))
            actual[table].insert(row.at(1));
    EXPECT_EQ(actual, SpecifiedColumns());
    EXPECT_EQ(db.Column("SELECT name FROM sqlite_master WHERE type = 'view' ORDER BY name"),
              (std::vector<std::string>{"EXAMPLES", "INSTEXAM"}));
}

TEST(Schema, KeysAreIntegers)
{
    SchemaDb db;
    for (const std::string& table :
         db.Column("SELECT name FROM sqlite_master WHERE type = 'table'"))
        for (const auto& row : db.Rows("PRAGMA table_info(" + table + ")")) {
            const std::string& name = row.at(1);
            const bool isKey = row.at(5) != "0" || name.ends_with("_ID") ||
                               name.ends_with("_ID2") || name.starts_with("QUES_") ||
                               name.starts_with("PERS_LEHRE") || name.starts_with("PERS_SCHUE");
            if (isKey && name != "QUES_QUERY") {
                EXPECT_EQ(row.at(2), "INTEGER") << table << "." << name;
            }
        }
}

TEST(Schema, NamesSortAndCompareWithoutRegardToCase)
{
    SchemaDb db;
    db.Exec("INSERT INTO PERSON (PERS_ID, PERS_NAME, PERS_DATA) VALUES "
            "(1, 'Zappa, Frank', 1), (2, 'mahler, Gustav', 1), (3, 'Bach, Johann Sebastian', 1), "
            "(4, 'abba', 0)");
    EXPECT_EQ(
        Joined(db.Column("SELECT PERS_NAME FROM PERSON WHERE PERS_DATA = 1 ORDER BY PERS_NAME")),
        "Bach, Johann Sebastian|mahler, Gustav|Zappa, Frank");
    // The list screens write their patterns between double quotes.
    EXPECT_EQ(Joined(db.Column(
                  "SELECT PERS_NAME FROM PERSON WHERE PERS_DATA = 1 AND PERS_NAME LIKE \"MA%\" "
                  "ORDER BY PERS_NAME")),
              "mahler, Gustav");
    EXPECT_EQ(
        Joined(db.Column("SELECT PERS_ID FROM PERSON WHERE (PERS_NAME = \"MAHLER, GUSTAV\")")),
        "2");

    // Every column of the name lists is case-blind.
    for (const char* column :
         {"PERSON.PERS_NAME", "BAND.BAND_NAME", "ALBUM.ALBU_NAME", "TITLE.TITE_NAME",
          "INSTRUME.INST_NAMED", "CATEGORY.CATE_NAME", "STUDIO.STUD_NAME", "LABEL.LABE_NAME",
          "LABEL.LABE_CODE", "HERST.HRST_NAME", "FREI.FREI_NAME", "ADRESSE.ADRE_NAME",
          "CITY.CITY_NAME", "COUNTRY.LAND_NAMED", "BERUF.BERU_NAMEM", "TYPES.TYPE_NAME",
          "STYLES.STYL_TEXT"}) {
        const std::string s(column);
        const std::string table = s.substr(0, s.find('.'));
        const std::string name = s.substr(s.find('.') + 1);
        const auto rows = db.Rows("SELECT sql FROM sqlite_master WHERE name = '" + table + "'");
        ASSERT_EQ(rows.size(), 1u);
        const std::string& ddl = rows[0][0];
        const std::size_t at = ddl.find("  " + name + " ");
        ASSERT_NE(at, std::string::npos) << column;
        const std::string line = ddl.substr(at, ddl.find('\n', at) - at);
        EXPECT_NE(line.find("VARCHAR(254) COLLATE NOCASE"), std::string::npos) << line;
    }
}

TEST(Schema, ListQueriesUseIndexes)
{
    SchemaDb db;
    const auto plan = [&](const std::string& sql) {
        std::string text;
        for (const auto& row : db.Rows("EXPLAIN QUERY PLAN " + sql))
            text += row.at(3) + "\n";
        return text;
    };
    // The person list, with a prefix pattern: no sort step, an index range.
    const std::string persons = plan("SELECT PERS_NAME, PERS_ID FROM PERSON WHERE PERS_DATA = 1 "
                                     "AND PERS_NAME LIKE \"ma%\" ORDER BY PERS_NAME");
    EXPECT_NE(persons.find("INDEX"), std::string::npos) << persons;
    EXPECT_EQ(persons.find("TEMP B-TREE"), std::string::npos) << persons;
    const std::string bands =
        plan("SELECT BAND_NAME, BAND_ID FROM BAND WHERE BAND_NAME LIKE \"be%\" ORDER BY BAND_NAME");
    EXPECT_NE(bands.find("BAND_NAME>? AND BAND_NAME<?"), std::string::npos) << bands;
    const std::string members = plan("SELECT PERS_ID FROM MEMBERS WHERE MEMBERS.BAND_ID = 3");
    EXPECT_NE(members.find("IX_MEMBERS_BAND"), std::string::npos) << members;
}

TEST(Schema, EveryForeignKeyColumnIsIndexed)
{
    SchemaDb db;
    for (const std::string& table :
         db.Column("SELECT name FROM sqlite_master WHERE type = 'table'")) {
        // The first columns of the table's indexes (the primary key included).
        std::set<std::string> leading;
        for (const auto& row : db.Rows("PRAGMA table_info(" + table + ")"))
            if (row.at(5) == "1")
                leading.insert(row.at(1));
        for (const auto& index : db.Rows("PRAGMA index_list(" + table + ")")) {
            const auto info = db.Rows("PRAGMA index_info(" + index.at(1) + ")");
            if (!info.empty())
                leading.insert(info.front().at(2));
        }
        for (const auto& fk : db.Rows("PRAGMA foreign_key_list(" + table + ")"))
            EXPECT_TRUE(leading.count(fk.at(3))) << table << "." << fk.at(3) << " has no index";
    }
}

TEST(Schema, NoneIsNullAndNotABrokenReference)
{
    SchemaDb db;
    db.Exec("INSERT INTO INSTRUME (INST_ID, INST_NAMED, INST_VATER) VALUES (1, "
            "'Saiteninstrumente', NULL), "
            "(2, 'Gitarre', 1)");
    EXPECT_TRUE(db.Rows("PRAGMA foreign_key_check").empty());
    db.Exec("INSERT INTO INSTRUME (INST_ID, INST_NAMED, INST_VATER) VALUES (3, 'Laute', 99)");
    const auto broken = db.Rows("PRAGMA foreign_key_check");
    ASSERT_EQ(broken.size(), 1u);
    EXPECT_EQ(broken[0][0], "INSTRUME");
    EXPECT_EQ(broken[0][1], "3");
    // Flags default to 0, so "= 0" finds the rows that do not set them.
    EXPECT_EQ(Joined(db.Column(
                  "SELECT INST_ID FROM INSTRUME WHERE INST_PSEU = 0 AND INST_SPEZ = 0 ORDER BY 1")),
              "1|2|3");
    // Unused question levels default to the item -1.
    db.Exec("INSERT INTO ITEMS (ITEM_ID, ITEM_NAME, ITEM_TOPIC) VALUES (-1, '?', -1), (0, 'Welche "
            "Instrumente', 0), "
            "(50, 'gibt es?', 0)");
    db.Exec("INSERT INTO QUESTION (QUES_1, QUES_2, QUES_QUERY) VALUES (0, 50, 'SELECT INST_NAMED, "
            "INST_ID FROM INSTRUME')");
    EXPECT_EQ(Joined(db.Rows("SELECT QUES_3, QUES_9 FROM QUESTION").at(0)), "-1|-1");
}

TEST(Schema, ExampleViews)
{
    SchemaDb db;
    db.Exec("INSERT INTO CATEGORY (CATE_ID, CATE_NAME) VALUES (3, 'Rock'), (5, 'Blues'), (7, "
            "'Beat'), (10, 'Jazz')");
    db.Exec("INSERT INTO INSTRUME (INST_ID, INST_NAMED) VALUES (1, 'Gitarre'), (2, 'Klavier'), (3, "
            "'Tuba')");
    db.Exec(
        "INSERT INTO STYLES (STYL_ID, STYL_TEXT, CATE_ID1, CATE_ID2) VALUES (1, 'Shuffle', 5, 3)");
    db.Exec("INSERT INTO STYLES (STYL_ID, STYL_TEXT, CATE_ID3) VALUES (2, 'Swing', 10)");
    db.Exec(
        "INSERT INTO STYLES (STYL_ID, STYL_TEXT, INST_ID, BESE_ID, BESE_NAME) VALUES "
        "(3, 'Etüde', 2, 1, 'Solo'), (4, 'Walzer', 2, 3, 'Orchester'), (5, 'Riff', 1, 2, 'Band')");
    EXPECT_EQ(Joined(db.Column(
                  "SELECT CATE_NAME FROM EXAMPLES WHERE CATE_NAME LIKE \"%\" ORDER BY CATE_NAME")),
              "Blues|Jazz|Rock");
    EXPECT_EQ(
        Joined(db.Column("SELECT INST_NAMED, INST_ID FROM INSTEXAM WHERE INST_NAMED LIKE \"%\" "
                         "ORDER BY INST_NAMED")),
        "Gitarre|Klavier");
    EXPECT_THROW(db.Exec("INSERT INTO STYLES (STYL_ID, STYL_TEXT, BESE_ID) VALUES (9, 'x', 4)"),
                 std::runtime_error);
}

TEST(Schema, MediaColumnMarkers)
{
    SchemaDb db;
    const auto& media = CatalogMediaColumns();
    EXPECT_EQ(media.size(), 25u);
    for (const TMediaColumn& c : media) {
        bool found = false;
        for (const auto& row : db.Rows("PRAGMA table_info(" + c.Table + ")"))
            if (row.at(1) == c.Column) {
                found = true;
                EXPECT_EQ(row.at(2), "INTEGER") << c.Table << "." << c.Column;
                EXPECT_EQ(row.at(3), "0")
                    << c.Table << "." << c.Column << " must allow NULL (none)";
            }
        EXPECT_TRUE(found) << c.Table << "." << c.Column;
    }
    ASSERT_NE(FindMediaColumn("PERSON", "PERS_BIOGR"), nullptr);
    EXPECT_EQ(FindMediaColumn("PERSON", "PERS_BIOGR")->Kind, TMediaKind::Text);
    EXPECT_EQ(FindMediaColumn("ALBUM", "ALBU_COVER")->Kind, TMediaKind::Picture);
    EXPECT_EQ(FindMediaColumn("INSTRUME", "INST_SWTXT")->Kind, TMediaKind::Text);
    EXPECT_EQ(FindMediaColumn("STYLES", "STYL_SOUND")->Kind, TMediaKind::Sound);
    EXPECT_EQ(FindMediaColumn("PERSON", "PERS_NAME"), nullptr);
    EXPECT_EQ(FindMediaColumn("PERSON", "PERS_TEXT1"), nullptr);
}

// Through the real driver: the program binds SQL_CHAR/SQL_VARCHAR columns with
// 255-byte buffers and fetches them in rowsets; SQL_LONGVARCHAR columns must
// be read one row at a time. Only QUES_QUERY may be long.
TEST(Schema, DriverReportsBindableTypes)
{
    std::string pattern = (fs::temp_directory_path() / "tst_schema.XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    const std::string file = (dir / "Musarix.db").string();
    std::vector<std::string> tables;
    {
        SchemaDb db(file);
        tables = db.Column(
            "SELECT name FROM sqlite_master WHERE type IN ('table', 'view') ORDER BY name");
    }

    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocEnv(&env)));
    ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocConnect(env, &dbc)));
    const std::string connect =
        std::string("DRIVER=") + MUSARIX_SQLITE_ODBC_DRIVER + ";Database=" + file + ";StepAPI=1";
    SQLCHAR out[1024];
    SQLSMALLINT outLength = 0;
    std::vector<SQLCHAR> in(connect.begin(), connect.end());
    in.push_back(0);
    ASSERT_TRUE(SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, in.data(), SQL_NTS, out, sizeof out,
                                               &outLength, SQL_DRIVER_NOPROMPT)));
    int longColumns = 0;
    for (const std::string& table : tables) {
        SQLHSTMT stmt = SQL_NULL_HSTMT;
        ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocStmt(dbc, &stmt)));
        std::string sql = "SELECT * FROM " + table;
        std::vector<SQLCHAR> text(sql.begin(), sql.end());
        text.push_back(0);
        ASSERT_TRUE(SQL_SUCCEEDED(SQLExecDirect(stmt, text.data(), SQL_NTS))) << sql;
        SQLSMALLINT count = 0;
        SQLNumResultCols(stmt, &count);
        ASSERT_EQ(static_cast<std::size_t>(count), SpecifiedColumns().at(table).size()) << table;
        for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(count); ++i) {
            SQLCHAR name[128] = {};
            SQLSMALLINT nameLength = 0;
            SQLLEN type = 0;
            SQLLEN length = 0;
            SQLColAttributes(stmt, i, SQL_COLUMN_NAME, name, sizeof name, &nameLength, nullptr);
            SQLColAttributes(stmt, i, SQL_COLUMN_TYPE, nullptr, 0, nullptr, &type);
            SQLColAttributes(stmt, i, SQL_COLUMN_LENGTH, nullptr, 0, nullptr, &length);
            const std::string column = table + "." + reinterpret_cast<const char*>(name);
            if (column == "QUESTION.QUES_QUERY") {
                EXPECT_EQ(type, SQL_LONGVARCHAR) << column;
                ++longColumns;
            } else {
                EXPECT_TRUE(type == SQL_INTEGER || type == SQL_VARCHAR)
                    << column << " reports type " << type;
                if (type == SQL_VARCHAR) {
                    EXPECT_LE(length, 254) << column;
                }
            }
        }
        SQLFreeStmt(stmt, SQL_DROP);
    }
    EXPECT_EQ(longColumns, 1);
    SQLDisconnect(dbc);
    SQLFreeConnect(dbc);
    SQLFreeEnv(env);
    fs::remove_all(dir);
}
