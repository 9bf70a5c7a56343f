#pragma once

// THstmt: one SQL statement with its result set.
//
// USE (what the screens do)
//
//   THstmt stmt("HstmtList");
//   stmt.SetHdbc(&CatalogDbc);
//   stmt.SetCursorType(SQL_CURSOR_KEYSET_DRIVEN);  // optional
//   stmt.SetRowSetSize(64);                        // optional, for grids
//   stmt.SetSQL("SELECT PERS_NAME, PERS_ID FROM PERSON ORDER BY PERS_NAME");
//   stmt.Prepare();
//   stmt.Execute();
//   while (stmt.FetchNext()) { ... stmt.CellString(1, row) ... }
//
// Every operation that needs the handle allocates it first (Init): that
// raises Exception "Property Hdbc of <Name> not set." without a connection,
// and connects the connection when it is not connected (so a failed start-up
// connect is retried, and reported, at the first statement used). ODBC
// failures raise EODBC with this statement as Sender. See THbase.h for the
// lifetime rule.
//
// RESULT COLUMNS
//
// On the first fetch or column access after Prepare the result columns are
// described (SQLColAttributes) and bound by their SQL type:
//
//   SQL_CHAR, SQL_VARCHAR, SQL_BIGINT    SQL_C_CHAR, 255 bytes a row
//   SQL_LONGVARCHAR                      SQL_C_CHAR, read with SQLGetData (*)
//   SQL_BINARY, SQL_VARBINARY            SQL_C_BINARY, 255 bytes a row
//   SQL_LONGVARBINARY, type code 0       SQL_C_BINARY, read with SQLGetData (*)
//   SQL_BIT                              SQL_C_BIT, 1 byte
//   SQL_TINYINT                          SQL_C_STINYINT / SQL_C_UTINYINT, 1 byte
//   SQL_SMALLINT                         SQL_C_SSHORT / SQL_C_USHORT, 2 bytes
//   SQL_INTEGER                          SQL_C_SLONG / SQL_C_ULONG, 4 bytes
//   SQL_REAL                             SQL_C_FLOAT, 4 bytes
//   SQL_FLOAT, SQL_DOUBLE, SQL_NUMERIC,
//   SQL_DECIMAL                          SQL_C_DOUBLE, 8 bytes
//   SQL_DATE, SQL_TIME, SQL_TIMESTAMP    SQL_C_DATE, SQL_C_TIME, SQL_C_TIMESTAMP
//                                        (6, 6, 16 bytes; also for the ODBC 3
//                                        codes 91, 92, 93)
//   (signed or unsigned by SQL_COLUMN_UNSIGNED). The wide character types
//   are treated as their narrow counterparts; any other type code is bound
//   as SQL_C_CHAR with 255 bytes.
//
// (*) A long column has no buffer: after each fetch it is read whole with
// SQLGetData in pieces of BlobSize bytes into the column's stream. Long
// columns can only be fetched one row at a time: binding them with
// RowSetSize > 1 raises Exception "Cannot select blob fields when
// RowSetSize > 1.". A driver that cannot tell the length (SQL_NO_TOTAL)
// raises "Unable to retrieve blob.  You may have to increase the BlobSize
// property.".
//
// Character values longer than 254 bytes come back cut to 254 bytes by the
// 255-byte buffer; the cut never ends inside a UTF-8 letter.
//
// Length/indicator values are SQLLEN (8 bytes on 64-bit unixODBC).
//
// READING VALUES
//
// Columns are numbered from 1, rows of the current rowset from 1 to
// NumRowsFetched(). A column or row outside the result reads as '' or 0, never
// as an error. NULL reads as '' or 0.
//
// Data scope: when a control (the result grid) is attached, every
// ColString/ColInteger variant first calls SetDataScope, and the next cell
// lookup then asks the control's cell supplier for the value of the column in
// the control's current row instead of reading row 1 of the statement's
// rowset. CellString/CellInteger/CellDouble called directly always read the
// statement's own buffers. (The scope flag is reset by every lookup, also by
// one that finds nothing.)
//
// Conversions (static, usable on a raw cell that a grid kept):
// - to text: integer types as plain decimal; character data up to its NUL;
//   single and double floats in the 23-character scientific form
//   " 1.50000000000000E+0000" (blank or minus sign, one digit, point,
//   14 digits, E, exponent sign, 4 exponent digits); date "1997-3-5" and time
//   "13:4:5" without leading zeros; timestamp "1997-3-5 13:4:5.00000000"
//   (fraction in nanoseconds, zero-padded to at least 8 digits); binary ''.
//   Trailing blanks are removed.
// - to integer: 1-, 2- and 4-byte integers (and SQL_C_BIT) as their value
//   (an unsigned 32-bit value above 2147483647 wraps, as in the original);
//   floats rounded to the nearest integer, an exact half to the even
//   neighbour, clamped to the 32-bit range; all other types 0.
// - to double: numeric types as their value; date, time and timestamp as a
//   day count (days since 1899-12-30 plus the fraction of the day); others 0.
//
// ATTACHED CONTROL (for TOEGrid)
//
// A grid attaches with AttachControl(slot, stmt, callbacks):
// - AfterExecute is called after every successful Execute (the grid
//   populates itself: it calls FetchNext and copies each row of each rowset
//   with RawCell / TCellValue into its row cache);
// - AfterFetch is called after every fetch that brought rows;
// - CellSupplier(col) is asked for the value of column col in the grid's
//   current row when the screen reads a column in the grid's data scope; it
//   returns a view of the cached raw value (valid until the grid changes its
//   cache) or std::nullopt ('' / 0 is read then).
// The statement then reports no positioned-operation capability (it has
// none: positioned operations and parameter binding are not part of this
// rebuild).
//
// Left out on purpose (the program uses none of it): positioned insert /
// update / delete / refresh (SQLSetPos, OnInsert ... OnRefresh), parameter
// binding (ParamSize, SQLParamOptions, SQL_NEED_DATA), display formats of
// columns.

#include "odbc/THbase.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class THdbc;
class THenv;
class THstmt;

// A non-owning view of one raw value of a result column.
struct TCellView
{
    // ODBC C type of the column: SQL_C_CHAR, SQL_C_BINARY, SQL_C_BIT,
    // SQL_C_STINYINT, SQL_C_UTINYINT, SQL_C_SSHORT, SQL_C_USHORT, SQL_C_SLONG,
    // SQL_C_ULONG, SQL_C_FLOAT, SQL_C_DOUBLE, SQL_C_DATE, SQL_C_TIME or
    // SQL_C_TIMESTAMP.
    SQLSMALLINT CType = 0;
    // Length/indicator as the driver delivered it: SQL_NULL_DATA (-1) for NULL;
    // otherwise the byte length of the whole value (for a cut character value
    // more than Size).
    SQLLEN Indicator = SQL_NULL_DATA;
    // The value bytes: for SQL_C_CHAR the text without terminating NUL, for
    // SQL_C_BINARY the bytes, for the other types the C structure or number
    // (DATE_STRUCT, TIME_STRUCT, TIMESTAMP_STRUCT, SQLINTEGER, double, ...).
    const unsigned char* Data = nullptr;
    std::size_t Size = 0;

    bool IsNull() const noexcept { return Indicator == SQL_NULL_DATA; }
};

// An owning copy of a raw value (what a grid keeps in its row cache).
struct TCellValue
{
    SQLSMALLINT CType = 0;
    SQLLEN Indicator = SQL_NULL_DATA;
    std::vector<unsigned char> Bytes;

    TCellValue() = default;
    explicit TCellValue(const TCellView& view);
    // A view of this value (valid while this object is unchanged).
    TCellView View() const noexcept;
};

// The three callbacks of an attached control.
struct TControlCallbacks
{
    std::function<void(THstmt&)> AfterExecute;
    std::function<void(THstmt&)> AfterFetch;
    std::function<std::optional<TCellView>(int col)> CellSupplier;
};

class THstmt : public THbase
{
public:
    using TNotifyEvent = std::function<void(THstmt&)>;

    explicit THstmt(std::string name = "Hstmt1");
    explicit THstmt(THdbc* hdbc, std::string name = "Hstmt1");
    // Frees the handle; an attached control's slot is set to nullptr.
    ~THstmt() override;

    // --- properties ---------------------------------------------------------
    // The connection (nullptr: none, or destroyed). Setting another one while
    // the handle is allocated terminates the statement first.
    THdbc* Hdbc() const noexcept;
    void SetHdbc(THdbc* hdbc);

    // The SQL text; replacing it does nothing else until Prepare.
    const std::string& SQL() const noexcept { return sql_; }
    void SetSQL(std::string sql) { sql_ = std::move(sql); }

    // Statement options. On an allocated statement a change resets it (closes
    // the cursor, drops the bindings), reads the current option and sets it
    // only when it differs. A driver that substitutes another value answers
    // SQL_SUCCESS_WITH_INFO (the SQLite driver turns a keyset-driven cursor
    // into a static one): that is a success.
    // Cursor type and concurrency cannot be changed on a handle that has been
    // prepared (the driver manager answers HY011 "Operation invalid at this
    // time"): a change then frees the handle instead, and the next operation
    // allocates a new one with all options applied. Prepare again after such
    // a change (the screens prepare before every execute anyway).
    std::uint32_t ConcurrencyType() const noexcept { return concurrencyType_; } // default 1
    void SetConcurrencyType(std::uint32_t value);
    std::uint32_t CursorType() const noexcept { return cursorType_; } // default 0
    void SetCursorType(std::uint32_t value);
    // Rows per fetch; default 1; values below 1 are ignored.
    std::uint32_t RowSetSize() const noexcept { return rowSetSize_; }
    void SetRowSetSize(std::uint32_t value);
    // Piece size of SQLGetData for long columns; default 32768; values below 1
    // are ignored.
    std::int32_t BlobSize() const noexcept { return blobSize_; }
    void SetBlobSize(std::int32_t value) noexcept;
    // True when CursorType is not 0 or RowSetSize is not 1 (recomputed when
    // either changes): rows are then fetched with SQLExtendedFetch, otherwise
    // with SQLFetch.
    bool ExtendedFetch() const noexcept { return extendedFetch_; }
    void SetExtendedFetch(bool value) noexcept { extendedFetch_ = value; }

    // Events, fired after the attached control's callbacks.
    void SetOnExecute(TNotifyEvent handler) { onExecute_ = std::move(handler); }
    void SetOnFetch(TNotifyEvent handler) { onFetch_ = std::move(handler); }

    // --- life cycle ---------------------------------------------------------
    SQLHSTMT Handle() const noexcept { return THbase::Handle(); }
    // Allocates the statement (run implicitly; nothing when allocated).
    void Init();
    // Reset, SQLFreeStmt(SQL_DROP), unregisters from the connection.
    void Terminate() override;
    // Closes the cursor, drops parameters and bindings, frees the column
    // records.
    void Reset();

    // --- the operations of the screens --------------------------------------
    // Reset, then SQLPrepare with SQL().
    void Prepare();
    // SQLExecute (closing the cursor first when the connection's CursorLib is
    // SQL_CUR_USE_DRIVER, so a statement can be executed again without
    // Prepare); then the control's AfterExecute, then OnExecute.
    // Driver workaround: the SQLite ODBC driver with StepAPI=1 does not rewind
    // a forward-only result on close, so a forward-only statement whose result
    // was read only in part is prepared again (same text) before it executes
    // again.
    void Execute();
    // Fetch the first / next rowset; true when rows came, false at the end.
    // With SQLExtendedFetch on a forward-only cursor, FetchFirst before any
    // other fetch of the result fetches the next (that is: the first) rowset,
    // because the driver refuses SQL_FETCH_FIRST on a forward-only cursor.
    bool FetchFirst();
    bool FetchNext();
    // Fetch in the given direction (SQL_FETCH_NEXT, SQL_FETCH_FIRST, ...;
    // row: the row number for absolute/relative fetches).
    bool Fetch(SQLUSMALLINT direction, SQLLEN row = 0);
    // Describes and binds the result columns (done automatically).
    void BindCols();

    // Rows of the current rowset (0 after the end of the result).
    int NumRowsFetched() const noexcept { return static_cast<int>(rowsFetched_); }
    // Number of result columns (binds the columns when needed).
    int NumCols();

    // 1-based number of the column with exactly this name; raises Exception
    // "Identifier <name> not found in result set." when there is none.
    int ColByName(const std::string& name);

    // Value of the current row (row 1, or the attached control's current row)
    // as text or integer.
    std::string ColString(int col);
    std::string ColStringByName(const std::string& name);
    std::int32_t ColInteger(int col);
    std::int32_t ColIntegerByName(const std::string& name);

    // Value of row `row` of the current rowset, from the statement's own
    // buffers (unless SetDataScope was called just before).
    std::string CellString(int col, int row);
    std::int32_t CellInteger(int col, int row);
    double CellDouble(int col, int row);

    // The indicator of row 1: byte length, or -1 for NULL; for a long column
    // with data the size of its stream; 0 outside the result.
    SQLLEN ColLength(int col);
    // The data of a long column of the current row (nullptr for bound columns
    // and outside the result).
    const std::string* ColStream(int col);

    // Makes the next cell lookup go to the attached control's current row (only
    // when a control is attached).
    void SetDataScope() noexcept;

    // --- column description and raw cells (for the grid) --------------------
    // These bind the columns when needed; col outside the result gives ''/0/
    // std::nullopt.
    std::string ColName(int col);
    SQLLEN ColPrecision(int col); // SQL_COLUMN_PRECISION, 64 when unknown
    SQLSMALLINT ColCType(int col);
    bool IsLongColumn(int col);
    // The raw value of (col, row) of the current rowset in the statement's own
    // buffers; valid until the next fetch, Prepare, Reset or Terminate.
    std::optional<TCellView> RawCell(int col, int row);

    // Row status (SQLExtendedFetch) and the flags word of a rowset row.
    SQLUSMALLINT RowStatus(int row) const noexcept;
    SQLUSMALLINT RowFlags(int row) const noexcept;
    bool HasLongColumns() const noexcept { return hasLongColumns_; }
    bool ColumnsBound() const noexcept { return columnsBound_; }

    // --- conversions of raw values ------------------------------------------
    static std::string ValueToString(const TCellView& cell);
    static std::int32_t ValueToInteger(const TCellView& cell) noexcept;
    static double ValueToDouble(const TCellView& cell) noexcept;

    // --- attached control ---------------------------------------------------
    // Attaches the control that owns `slot` to `stmt` (nullptr: detach only).
    // The statement in `slot` (if any) loses its callbacks and the slot is
    // cleared; if `stmt` already has an AfterExecute callback, Exception
    // "<stmt name> is already connected to a control." is raised (the slot then
    // stays nullptr); otherwise the callbacks are stored and slot = stmt. The
    // statement remembers the slot and sets it to nullptr when it is destroyed.
    static void AttachControl(THstmt*& slot, THstmt* stmt, TControlCallbacks callbacks);
    bool HasControl() const noexcept { return controlSlot_ != nullptr; }
    // Positioned operations are never available in this rebuild; an attached
    // control switches them off in the original as well.
    bool PositionedOperations() const noexcept { return false; }

protected:
    // Fire OnExecute / OnFetch when assigned.
    virtual void DoExecute();
    virtual void DoFetch();

    THenv* Environment() const noexcept override;
    void ReleaseHandle() noexcept override;

private:
    struct TColRec
    {
        SQLSMALLINT CType = 0;
        std::size_t ElementSize = 0;       // 0: long column (no buffer)
        std::vector<unsigned char> Buffer; // ElementSize * RowSetSize bytes
        std::vector<SQLLEN> Indicators;    // RowSetSize entries
        std::string Stream;                // data of a long column
    };

    void EnsureBound();
    void ApplyOption(SQLUSMALLINT option, std::uint32_t value);
    void ChangeOption(SQLUSMALLINT option, std::uint32_t value);
    void RecomputeExtendedFetch() noexcept;
    void FreeColumns() noexcept;
    void ReadLongColumns();
    std::optional<TCellView> Lookup(int col, int row);
    std::optional<TCellView> OwnCell(int col, int row) const;

    std::string sql_;
    std::uint32_t concurrencyType_ = SQL_CONCUR_READ_ONLY;
    std::uint32_t cursorType_ = SQL_CURSOR_FORWARD_ONLY;
    std::uint32_t rowSetSize_ = 1;
    std::int32_t blobSize_ = 32768;
    bool extendedFetch_ = false;
    TNotifyEvent onExecute_;
    TNotifyEvent onFetch_;

    std::vector<TColRec> cols_;
    std::vector<std::string> colNames_;
    std::vector<SQLLEN> colPrecisions_;
    SQLSMALLINT numCols_ = 0;
    SQLULEN rowsFetched_ = 0;
    std::vector<SQLUSMALLINT> rowStatus_;
    std::vector<SQLUSMALLINT> rowFlags_;
    bool hasLongColumns_ = false;
    bool columnsBound_ = false;
    bool fetchedSinceExecute_ = false;
    bool prepared_ = false;   // SQLPrepare was called on the current handle
    bool partlyRead_ = false; // rows were fetched and the end not reached
    std::string preparedSql_; // the text of the last SQLPrepare

    TControlCallbacks control_;
    THstmt** controlSlot_ = nullptr;
    bool ownBuffers_ = true;
};
