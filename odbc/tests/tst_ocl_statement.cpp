// THstmt against the real SQLite ODBC driver: binding, fetching, rowsets,
// long columns and the values as the screens read them.

#include "OclTestSupport.h"

#include <string>
#include <vector>

namespace {

const char* const PersonSql = R"SQL(
CREATE TABLE PERSON (
  PERS_ID    INTEGER PRIMARY KEY,
  PERS_NAME  VARCHAR(254) COLLATE NOCASE NOT NULL,
  PERS_BORN  DATE,
  PERS_STAMP TIMESTAMP,
  PERS_TIME  TIME,
  PERS_SIZE  REAL,
  PERS_NOTE  VARCHAR(40),
  PERS_BIO   TEXT,
  PERS_BIG   BIGINT,
  PERS_FLAG  BOOLEAN,
  PERS_SMALL SMALLINT
);
INSERT INTO PERSON VALUES (1, 'Mahler, Gustav', '1860-07-07', '1997-03-05 13:04:05',
  '01:02:03', 1.5, 'note   ', 'Komponist', 12345678901, 1, -3);
INSERT INTO PERSON VALUES (2, 'Zappa, Frank', '1940-12-21', '1997-03-05 13:04:05.5',
  '23:59:59', -0.00125, NULL, NULL, NULL, 0, 7);
INSERT INTO PERSON VALUES (3, 'Björk', '1965-11-21', NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  NULL);
INSERT INTO PERSON (PERS_ID, PERS_NAME, PERS_BORN) VALUES (4, 'Bach, Johann Sebastian',
  '1997-03-05');
CREATE TABLE NUMBERS (N INTEGER PRIMARY KEY, LABEL VARCHAR(20), VALUE REAL);
WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM c WHERE i < 150)
  INSERT INTO NUMBERS SELECT i, printf('row%03d', i), i + 0.5 FROM c;
)SQL";

class OclStatement : public ::testing::Test
{
protected:
    OclCatalogue Cat{PersonSql};
    THstmt Stmt{&Cat.Dbc, "Hstmt1"};

    void Run(const std::string& sql)
    {
        Stmt.SetSQL(sql);
        Stmt.Prepare();
        Stmt.Execute();
    }
};

std::string Repeat(const std::string& piece, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

} // namespace

// --- driver facts -------------------------------------------------------------

// What the SQLite ODBC driver reports, and how the statement binds it. The
// catalogue schema relies on these (names VARCHAR(n<=255): bound, rowsets of
// 64 possible; TEXT: long column, one row at a time).
TEST_F(OclStatement, DriverReportsTheseTypes)
{
    Run("SELECT PERS_ID, PERS_NAME, PERS_BORN, PERS_STAMP, PERS_TIME, PERS_SIZE, PERS_NOTE, "
        "PERS_BIO, PERS_BIG, PERS_FLAG, PERS_SMALL, PERS_ID + 1, PERS_NAME || '!' FROM PERSON "
        "ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchFirst());
    ASSERT_EQ(Stmt.NumCols(), 13);
    EXPECT_EQ(Stmt.ColCType(1), SQL_C_SLONG); // INTEGER: SQL_INTEGER, signed
    EXPECT_EQ(Stmt.ColCType(2), SQL_C_CHAR);  // VARCHAR(254): SQL_VARCHAR
    EXPECT_FALSE(Stmt.IsLongColumn(2));
    EXPECT_EQ(Stmt.ColPrecision(2), 254);
    EXPECT_EQ(Stmt.ColCType(3), SQL_C_DATE);      // DATE: SQL_DATE
    EXPECT_EQ(Stmt.ColCType(4), SQL_C_TIMESTAMP); // TIMESTAMP: SQL_TIMESTAMP
    EXPECT_EQ(Stmt.ColCType(5), SQL_C_TIME);      // TIME: SQL_TIME
    EXPECT_EQ(Stmt.ColCType(6), SQL_C_DOUBLE);    // REAL: SQL_DOUBLE
    EXPECT_EQ(Stmt.ColCType(7), SQL_C_CHAR);      // VARCHAR(40)
    EXPECT_EQ(Stmt.ColCType(8), SQL_C_CHAR);      // TEXT: SQL_LONGVARCHAR
    EXPECT_TRUE(Stmt.IsLongColumn(8));
    EXPECT_TRUE(Stmt.HasLongColumns());
    EXPECT_EQ(Stmt.ColCType(9), SQL_C_CHAR);    // BIGINT: SQL_BIGINT, bound as text
    EXPECT_EQ(Stmt.ColCType(10), SQL_C_BIT);    // BOOLEAN: SQL_BIT
    EXPECT_EQ(Stmt.ColCType(11), SQL_C_SSHORT); // SMALLINT
    EXPECT_EQ(Stmt.ColCType(12), SQL_C_SLONG);  // integer expression (with rows)
    EXPECT_EQ(Stmt.ColCType(13), SQL_C_CHAR);   // text expression
    EXPECT_EQ(Stmt.ColName(2), "PERS_NAME");
    EXPECT_EQ(Stmt.ColName(12), "PERS_ID + 1");
    EXPECT_EQ(Cat.Dbc.GetInfoString(SQL_DBMS_NAME), "SQLite");
}

// --- fetching -----------------------------------------------------------------

TEST_F(OclStatement, EmptyResult)
{
    Run("SELECT PERS_NAME, PERS_ID FROM PERSON WHERE PERS_ID < 0");
    EXPECT_FALSE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.NumRowsFetched(), 0);
    EXPECT_EQ(Stmt.RowStatus(1), SQL_ROW_NOROW);
    EXPECT_FALSE(Stmt.FetchNext());
    EXPECT_EQ(Stmt.NumRowsFetched(), 0);
    EXPECT_EQ(Stmt.ColString(1), "");
    EXPECT_EQ(Stmt.ColInteger(2), 0);
    EXPECT_EQ(Stmt.ColLength(1), 0);

    // The same with rowsets and a keyset cursor.
    Stmt.SetCursorType(SQL_CURSOR_KEYSET_DRIVEN);
    Stmt.SetRowSetSize(64);
    Run("SELECT PERS_NAME, PERS_ID FROM PERSON WHERE PERS_ID < 0");
    EXPECT_FALSE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.NumRowsFetched(), 0);
    EXPECT_FALSE(Stmt.FetchNext());
    EXPECT_EQ(Stmt.NumRowsFetched(), 0);
}

TEST_F(OclStatement, FetchFirstAndNextOneRowAtATime)
{
    Run("SELECT PERS_NAME, PERS_ID FROM PERSON ORDER BY PERS_ID");
    EXPECT_FALSE(Stmt.ExtendedFetch());
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.NumRowsFetched(), 1);
    EXPECT_EQ(Stmt.ColString(1), "Mahler, Gustav");
    EXPECT_EQ(Stmt.ColInteger(2), 1);
    std::vector<std::int32_t> ids{Stmt.ColInteger(2)};
    while (Stmt.FetchNext()) {
        ids.push_back(Stmt.ColIntegerByName("PERS_ID"));
    }
    EXPECT_EQ(ids, (std::vector<std::int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(Stmt.NumRowsFetched(), 0);
}

TEST_F(OclStatement, RowsetsOf64WithExtendedFetch)
{
    Stmt.SetCursorType(SQL_CURSOR_KEYSET_DRIVEN); // the driver makes it static: a success
    Stmt.SetRowSetSize(64);
    EXPECT_TRUE(Stmt.ExtendedFetch());
    Run("SELECT LABEL, N, VALUE FROM NUMBERS ORDER BY N");

    ASSERT_TRUE(Stmt.FetchFirst());
    ASSERT_EQ(Stmt.NumRowsFetched(), 64);
    EXPECT_EQ(Stmt.CellString(1, 1), "row001");
    EXPECT_EQ(Stmt.CellInteger(2, 64), 64);
    EXPECT_DOUBLE_EQ(Stmt.CellDouble(3, 64), 64.5);
    EXPECT_EQ(Stmt.RowStatus(64), SQL_ROW_SUCCESS);
    EXPECT_EQ(Stmt.RowFlags(64), 0);
    EXPECT_EQ(Stmt.CellString(1, 65), ""); // beyond the rowset

    ASSERT_TRUE(Stmt.FetchNext());
    ASSERT_EQ(Stmt.NumRowsFetched(), 64);
    EXPECT_EQ(Stmt.CellString(1, 1), "row065");
    EXPECT_EQ(Stmt.CellInteger(2, 64), 128);

    ASSERT_TRUE(Stmt.FetchNext());
    ASSERT_EQ(Stmt.NumRowsFetched(), 22);
    EXPECT_EQ(Stmt.CellString(1, 22), "row150");
    EXPECT_EQ(Stmt.CellString(1, 23), "");

    EXPECT_FALSE(Stmt.FetchNext());
    EXPECT_EQ(Stmt.NumRowsFetched(), 0);

    // A static cursor can start again.
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.CellString(1, 1), "row001");
}

TEST_F(OclStatement, RowsetsOf64ForwardOnly)
{
    Stmt.SetRowSetSize(64); // cursor stays forward-only: SQLExtendedFetch
    EXPECT_TRUE(Stmt.ExtendedFetch());
    Run("SELECT N FROM NUMBERS ORDER BY N");
    // FetchFirst as the first fetch of a forward-only result is the first rowset.
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.NumRowsFetched(), 64);
    EXPECT_EQ(Stmt.CellInteger(1, 1), 1);
    int total = Stmt.NumRowsFetched();
    while (Stmt.FetchNext()) {
        total += Stmt.NumRowsFetched();
    }
    EXPECT_EQ(total, 150);

    // The grid's way: FetchNext only.
    Stmt.Execute();
    std::vector<int> sizes;
    while (Stmt.FetchNext()) {
        sizes.push_back(Stmt.NumRowsFetched());
    }
    EXPECT_EQ(sizes, (std::vector<int>{64, 64, 22}));
}

TEST_F(OclStatement, RowSetSizeZeroIsIgnored)
{
    Stmt.SetRowSetSize(0);
    EXPECT_EQ(Stmt.RowSetSize(), 1U);
    EXPECT_FALSE(Stmt.ExtendedFetch());
    Stmt.SetRowSetSize(32);
    Run("SELECT N FROM NUMBERS ORDER BY N");
    Stmt.SetRowSetSize(0); // on an allocated statement too: nothing changes, no reset
    EXPECT_EQ(Stmt.RowSetSize(), 32U);
    ASSERT_TRUE(Stmt.FetchNext());
    EXPECT_EQ(Stmt.NumRowsFetched(), 32);
}

TEST_F(OclStatement, ExecuteTwiceWithoutPrepare)
{
    ASSERT_EQ(Cat.Dbc.CursorLib(), SQL_CUR_USE_DRIVER);
    Run("SELECT PERS_NAME FROM PERSON ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), "Mahler, Gustav");
    ASSERT_TRUE(Stmt.FetchNext()); // the cursor is in the middle of the result
    Stmt.Execute();                // closes it first
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), "Mahler, Gustav");

    Stmt.SetCursorType(SQL_CURSOR_KEYSET_DRIVEN);
    Stmt.SetRowSetSize(64);
    Run("SELECT PERS_NAME FROM PERSON ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchFirst());
    Stmt.Execute();
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.NumRowsFetched(), 4);
    EXPECT_EQ(Stmt.CellString(1, 4), "Bach, Johann Sebastian");
}

TEST_F(OclStatement, PrepareWithNewSqlRebindsTheColumns)
{
    Run("SELECT PERS_NAME, PERS_ID FROM PERSON WHERE PERS_ID = 2");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), "Zappa, Frank");
    Run("SELECT PERS_ID, PERS_BORN, PERS_NAME FROM PERSON WHERE PERS_ID = 4");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.NumCols(), 3);
    EXPECT_EQ(Stmt.ColInteger(1), 4);
    EXPECT_EQ(Stmt.ColString(2), "1997-3-5");
    EXPECT_EQ(Stmt.ColStringByName("PERS_NAME"), "Bach, Johann Sebastian");
}

TEST_F(OclStatement, ChangingAnOptionResetsTheStatement)
{
    Run("SELECT PERS_NAME FROM PERSON ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_TRUE(Stmt.ColumnsBound());
    Stmt.SetCursorType(SQL_CURSOR_KEYSET_DRIVEN);
    EXPECT_FALSE(Stmt.ColumnsBound());
    EXPECT_EQ(Stmt.NumRowsFetched(), 0);
    Run("SELECT PERS_NAME FROM PERSON ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), "Mahler, Gustav");
}

TEST_F(OclStatement, EventsFireAfterExecuteAndFetch)
{
    int executed = 0;
    int fetched = 0;
    Stmt.SetOnExecute([&](THstmt& sender) {
        EXPECT_EQ(&sender, &Stmt);
        ++executed;
    });
    Stmt.SetOnFetch([&](THstmt&) { ++fetched; });
    Run("SELECT PERS_ID FROM PERSON");
    EXPECT_EQ(executed, 1);
    while (Stmt.FetchNext()) {
    }
    EXPECT_EQ(fetched, 4); // not for the fetch that found the end
}

// --- values -------------------------------------------------------------------

TEST_F(OclStatement, NullReadsAsEmptyAndZero)
{
    Run("SELECT PERS_NOTE, PERS_SIZE, PERS_STAMP, PERS_BIO, PERS_BIG, PERS_SMALL, PERS_FLAG, "
        "PERS_TIME FROM PERSON WHERE PERS_ID = 3");
    ASSERT_TRUE(Stmt.FetchFirst());
    for (int col = 1; col <= 8; ++col) {
        EXPECT_EQ(Stmt.ColString(col), "") << col;
        EXPECT_EQ(Stmt.ColInteger(col), 0) << col;
        EXPECT_DOUBLE_EQ(Stmt.CellDouble(col, 1), 0.0) << col;
        EXPECT_EQ(Stmt.ColLength(col), SQL_NULL_DATA) << col;
    }
    ASSERT_NE(Stmt.ColStream(4), nullptr);
    EXPECT_TRUE(Stmt.ColStream(4)->empty());
}

TEST_F(OclStatement, IntegerColumns)
{
    Run("SELECT PERS_ID, PERS_SMALL, PERS_FLAG, PERS_BIG FROM PERSON WHERE PERS_ID = 1");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColInteger(1), 1);
    EXPECT_EQ(Stmt.ColString(1), "1");
    EXPECT_EQ(Stmt.ColInteger(2), -3);
    EXPECT_EQ(Stmt.ColString(2), "-3");
    EXPECT_EQ(Stmt.ColInteger(3), 1);
    EXPECT_EQ(Stmt.ColLength(1), 4);
    // BIGINT is bound as text: its text is the number, its integer 0.
    EXPECT_EQ(Stmt.ColString(4), "12345678901");
    EXPECT_EQ(Stmt.ColInteger(4), 0);
}

TEST_F(OclStatement, DateTextWithoutLeadingZeros)
{
    Run("SELECT PERS_BORN, PERS_TIME FROM PERSON WHERE PERS_ID = 4");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), "1997-3-5");
    EXPECT_DOUBLE_EQ(Stmt.CellDouble(1, 1), 35494.0);
    EXPECT_EQ(Stmt.ColInteger(1), 0);
    Run("SELECT PERS_BORN, PERS_TIME FROM PERSON WHERE PERS_ID = 1");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), "1860-7-7");
    EXPECT_EQ(Stmt.ColString(2), "1:2:3");
}

TEST_F(OclStatement, TimestampTextWithEightDigitFraction)
{
    Run("SELECT PERS_STAMP FROM PERSON WHERE PERS_ID IN (1, 2) ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), "1997-3-5 13:4:5.00000000");
    EXPECT_DOUBLE_EQ(Stmt.CellDouble(1, 1), 35494.0 + (13 * 3600 + 4 * 60 + 5) / 86400.0);
    ASSERT_TRUE(Stmt.FetchNext());
    // The driver delivers the fraction in nanoseconds: half a second.
    EXPECT_EQ(Stmt.ColString(1), "1997-3-5 13:4:5.500000000");
}

TEST_F(OclStatement, FloatTextAndIntegerFromFloat)
{
    Run("SELECT PERS_SIZE FROM PERSON WHERE PERS_ID IN (1, 2) ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), " 1.50000000000000E+0000");
    EXPECT_EQ(Stmt.ColString(1).size(), 23U);
    EXPECT_EQ(Stmt.ColInteger(1), 2); // 1.5 goes to the even 2
    ASSERT_TRUE(Stmt.FetchNext());
    EXPECT_EQ(Stmt.ColString(1), "-1.25000000000000E-0003");
    EXPECT_EQ(Stmt.ColInteger(1), 0);

    Run("SELECT 0.5, 1.5, 2.5, 3.5, -2.5, 2.6, -2.6 FROM PERSON WHERE PERS_ID = 1");
    ASSERT_TRUE(Stmt.FetchFirst());
    const std::vector<std::int32_t> expected{0, 2, 2, 4, -2, 3, -3};
    for (int col = 1; col <= 7; ++col) {
        EXPECT_EQ(Stmt.ColCType(col), SQL_C_DOUBLE) << col;
        EXPECT_EQ(Stmt.ColInteger(col), expected[static_cast<std::size_t>(col - 1)]) << col;
    }
}

TEST_F(OclStatement, TrailingBlanksAreRemoved)
{
    Run("SELECT PERS_NOTE, '  both  ' FROM PERSON WHERE PERS_ID = 1");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), "note");
    EXPECT_EQ(Stmt.ColLength(1), 7); // the indicator is the driver's length
    EXPECT_EQ(Stmt.ColString(2), "  both");
}

TEST_F(OclStatement, Utf8TextEndToEnd)
{
    Cat.Source.ExecSql("INSERT INTO PERSON (PERS_ID, PERS_NAME) VALUES (10, 'Sängerin Ölßner');");
    Run("SELECT PERS_NAME FROM PERSON WHERE PERS_NAME LIKE 'Sä%'");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), "Sängerin Ölßner");
    Run("SELECT PERS_NAME FROM PERSON WHERE PERS_ID = 3");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), "Björk");
}

TEST_F(OclStatement, CharacterValueLongerThanTheBufferIsCutOnALetterBoundary)
{
    // 200 two-byte letters: 400 bytes in a VARCHAR column (SQLite does not
    // enforce the declared length); the 255-byte buffer holds 254 bytes.
    const std::string name = Repeat("ä", 200);
    Cat.Source.ExecSql("INSERT INTO PERSON (PERS_ID, PERS_NAME) VALUES (11, '" + name + "');");
    Run("SELECT PERS_NAME FROM PERSON WHERE PERS_ID = 11");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), Repeat("ä", 127));
    EXPECT_EQ(Stmt.ColLength(1), 400);
    // Odd cut: one ASCII letter first, so byte 254 would split an "ä".
    Cat.Source.ExecSql("UPDATE PERSON SET PERS_NAME = 'x' || PERS_NAME WHERE PERS_ID = 11;");
    Run("SELECT PERS_NAME FROM PERSON WHERE PERS_ID = 11");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), "x" + Repeat("ä", 126));
}

// --- long columns -------------------------------------------------------------

TEST_F(OclStatement, LongTextLongerThanBlobSizeIsReadWhole)
{
    const std::string bio = Repeat("Lebenslauf mit Umlauten äöü ß. ", 40); // > 1000 bytes
    Cat.Source.ExecSql("UPDATE PERSON SET PERS_BIO = '" + bio + "' WHERE PERS_ID = 1;");
    Stmt.SetBlobSize(100);
    // The long column between bound columns.
    Run("SELECT PERS_NAME, PERS_BIO, PERS_ID FROM PERSON ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_TRUE(Stmt.IsLongColumn(2));
    EXPECT_EQ(Stmt.ColString(2), bio.substr(0, bio.find_last_not_of(' ') + 1));
    ASSERT_NE(Stmt.ColStream(2), nullptr);
    EXPECT_EQ(*Stmt.ColStream(2), bio);
    EXPECT_EQ(Stmt.ColLength(2), static_cast<SQLLEN>(bio.size()));
    EXPECT_EQ(Stmt.ColStream(1), nullptr); // bound column
    EXPECT_EQ(Stmt.ColString(1), "Mahler, Gustav");
    EXPECT_EQ(Stmt.ColInteger(3), 1);

    ASSERT_TRUE(Stmt.FetchNext()); // NULL text
    EXPECT_EQ(Stmt.ColString(2), "");
    EXPECT_EQ(Stmt.ColLength(2), SQL_NULL_DATA);

    // A value of exactly BlobSize bytes and one of BlobSize + 1.
    Cat.Source.ExecSql("UPDATE PERSON SET PERS_BIO = '" + std::string(100, 'a') +
                       "' WHERE PERS_ID = 2; UPDATE PERSON SET PERS_BIO = '" +
                       std::string(101, 'b') + "' WHERE PERS_ID = 3;");
    Run("SELECT PERS_BIO FROM PERSON WHERE PERS_ID IN (2, 3) ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), std::string(100, 'a'));
    ASSERT_TRUE(Stmt.FetchNext());
    EXPECT_EQ(Stmt.ColString(1), std::string(101, 'b'));

    // With a keyset (static) cursor and one row per rowset: SQLExtendedFetch.
    Stmt.SetCursorType(SQL_CURSOR_KEYSET_DRIVEN);
    Run("SELECT PERS_BIO FROM PERSON WHERE PERS_ID = 1");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(*Stmt.ColStream(1), bio);
}

TEST_F(OclStatement, LongBinaryColumnIsReadWhole)
{
    Cat.Source.ExecSql("CREATE TABLE PICS (P LONGVARBINARY); "
                       "INSERT INTO PICS VALUES (randomblob(1000)), (x'00010203');");
    Stmt.SetBlobSize(64);
    Run("SELECT P, length(P) FROM PICS ORDER BY length(P) DESC");
    ASSERT_TRUE(Stmt.FetchFirst());
    if (Stmt.IsLongColumn(1)) {
        ASSERT_NE(Stmt.ColStream(1), nullptr);
        EXPECT_EQ(Stmt.ColStream(1)->size(), 1000U);
        EXPECT_EQ(Stmt.ColString(1), ""); // binary has no text
        ASSERT_TRUE(Stmt.FetchNext());
        EXPECT_EQ(*Stmt.ColStream(1), std::string("\x00\x01\x02\x03", 4));
    } else {
        ADD_FAILURE() << "LONGVARBINARY came back bound, C type " << Stmt.ColCType(1);
    }
}

TEST_F(OclStatement, LongColumnWithRowSetSizeAboveOneRaises)
{
    Stmt.SetRowSetSize(64);
    Run("SELECT PERS_NAME, PERS_BIO FROM PERSON");
    ExpectGeneralException([&] { Stmt.FetchNext(); },
                           "Cannot select blob fields when RowSetSize > 1.");
    // Nothing is left half bound: the next access raises the same.
    ExpectGeneralException([&] { Stmt.ColString(1); },
                           "Cannot select blob fields when RowSetSize > 1.");
    // One row at a time it works.
    Stmt.SetRowSetSize(1);
    Run("SELECT PERS_NAME, PERS_BIO FROM PERSON ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(2), "Komponist");
}

// --- column lookup ------------------------------------------------------------

TEST_F(OclStatement, UnknownColumnNameRaises)
{
    Run("SELECT PERS_NAME, PERS_ID FROM PERSON ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColByName("PERS_ID"), 2);
    ExpectGeneralException([&] { Stmt.ColByName("PERS_GEBURT"); },
                           "Identifier PERS_GEBURT not found in result set.");
    ExpectGeneralException([&] { Stmt.ColStringByName("pers_name"); }, // exact match only
                           "Identifier pers_name not found in result set.");
    ExpectGeneralException([&] { Stmt.ColIntegerByName("X"); },
                           "Identifier X not found in result set.");
}

TEST_F(OclStatement, ColumnOutsideTheResultReadsAsNothing)
{
    Run("SELECT PERS_NAME, PERS_ID FROM PERSON ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchFirst());
    for (int col : {-1, 0, 3, 99}) {
        EXPECT_EQ(Stmt.ColString(col), "") << col;
        EXPECT_EQ(Stmt.ColInteger(col), 0) << col;
        EXPECT_EQ(Stmt.CellString(col, 1), "") << col;
        EXPECT_EQ(Stmt.CellInteger(col, 1), 0) << col;
        EXPECT_DOUBLE_EQ(Stmt.CellDouble(col, 1), 0.0) << col;
        EXPECT_EQ(Stmt.ColLength(col), 0) << col;
        EXPECT_EQ(Stmt.ColStream(col), nullptr) << col;
        EXPECT_EQ(Stmt.ColName(col), "") << col;
        EXPECT_FALSE(Stmt.RawCell(col, 1).has_value()) << col;
    }
    // Rows outside the rowset as well.
    EXPECT_EQ(Stmt.CellString(1, 0), "");
    EXPECT_EQ(Stmt.CellString(1, 2), "");
    EXPECT_EQ(Stmt.CellInteger(2, 2), 0);
}

TEST_F(OclStatement, RawCellsOfTheRowset)
{
    Stmt.SetRowSetSize(64);
    Run("SELECT PERS_NAME, PERS_ID, PERS_BORN, PERS_NOTE FROM PERSON ORDER BY PERS_ID");
    ASSERT_TRUE(Stmt.FetchNext());
    ASSERT_EQ(Stmt.NumRowsFetched(), 4);
    std::vector<std::vector<TCellValue>> rows;
    for (int row = 1; row <= Stmt.NumRowsFetched(); ++row) {
        std::vector<TCellValue> values;
        for (int col = 1; col <= Stmt.NumCols(); ++col) {
            const auto cell = Stmt.RawCell(col, row);
            ASSERT_TRUE(cell.has_value());
            values.emplace_back(*cell);
        }
        rows.push_back(std::move(values));
    }
    EXPECT_FALSE(Stmt.FetchNext()); // the statement's buffers move on ...
    // ... the copies still read as the statement did.
    EXPECT_EQ(THstmt::ValueToString(rows[1][0].View()), "Zappa, Frank");
    EXPECT_EQ(rows[1][0].Bytes.size(), std::string("Zappa, Frank").size());
    EXPECT_EQ(THstmt::ValueToInteger(rows[1][1].View()), 2);
    EXPECT_EQ(rows[1][1].CType, SQL_C_SLONG);
    EXPECT_EQ(THstmt::ValueToString(rows[3][2].View()), "1997-3-5");
    EXPECT_TRUE(rows[1][3].View().IsNull());
    EXPECT_EQ(THstmt::ValueToString(rows[0][3].View()), "note");
}

// --- the data source option StepAPI=1 -------------------------------------------

// With StepAPI=1 and a forward-only cursor the driver steps through the
// result instead of reading it whole at Execute. Declared columns keep their
// types, but every expression (MAX, COUNT, arithmetic, literals, even CAST)
// is reported as SQL_VARCHAR, so it is bound as text and reads as 0 through
// ColInteger. With a keyset (static) cursor an expression gets the type of
// its first value.
TEST(OclStepApi, ForwardOnlyRowsetsAndExpressionTypes)
{
    TestDataSource::Options options;
    options.DsnLines = {"StepAPI=1"};
    OclCatalogue cat(PersonSql, options);
    THstmt stmt(&cat.Dbc, "Hstmt1");
    stmt.SetRowSetSize(64);
    stmt.SetSQL("SELECT LABEL, N FROM NUMBERS ORDER BY N");
    stmt.Prepare();
    stmt.Execute();
    ASSERT_TRUE(stmt.FetchFirst());
    EXPECT_EQ(stmt.NumRowsFetched(), 64);
    EXPECT_EQ(stmt.CellString(1, 64), "row064");
    EXPECT_EQ(stmt.CellInteger(2, 64), 64);
    ASSERT_TRUE(stmt.FetchNext());
    EXPECT_EQ(stmt.CellInteger(2, 1), 65);
    stmt.Execute(); // again without Prepare, cursor in the middle: starts again
    ASSERT_TRUE(stmt.FetchNext());
    EXPECT_EQ(stmt.CellInteger(2, 1), 1);

    // One row at a time (SQLFetch) as well.
    THstmt single(&cat.Dbc, "Hstmt2");
    single.SetSQL("SELECT N FROM NUMBERS ORDER BY N");
    single.Prepare();
    single.Execute();
    ASSERT_TRUE(single.FetchFirst());
    ASSERT_TRUE(single.FetchNext());
    EXPECT_EQ(single.ColInteger(1), 2);
    single.Execute();
    ASSERT_TRUE(single.FetchFirst());
    EXPECT_EQ(single.ColInteger(1), 1);
    single.Execute(); // and again
    ASSERT_TRUE(single.FetchFirst());
    EXPECT_EQ(single.ColInteger(1), 1);

    stmt.SetSQL("SELECT MAX(N), COUNT(*), CAST(MAX(N) AS INTEGER), N FROM NUMBERS");
    stmt.Prepare();
    stmt.Execute();
    ASSERT_TRUE(stmt.FetchFirst());
    EXPECT_EQ(stmt.ColCType(1), SQL_C_CHAR);
    EXPECT_EQ(stmt.ColCType(2), SQL_C_CHAR);
    EXPECT_EQ(stmt.ColCType(3), SQL_C_CHAR);
    EXPECT_EQ(stmt.ColCType(4), SQL_C_SLONG);
    EXPECT_EQ(stmt.ColString(1), "150");
    EXPECT_EQ(stmt.ColInteger(1), 0); // text: no integer

    stmt.SetCursorType(SQL_CURSOR_KEYSET_DRIVEN);
    stmt.Prepare();
    stmt.Execute();
    ASSERT_TRUE(stmt.FetchFirst());
    EXPECT_EQ(stmt.ColCType(1), SQL_C_SLONG);
    EXPECT_EQ(stmt.ColInteger(1), 150);
    EXPECT_EQ(stmt.ColInteger(2), 150);
}
