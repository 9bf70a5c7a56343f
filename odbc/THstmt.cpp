#include "odbc/THstmt.h"

#include "odbc/Exception.h"
#include "odbc/THdbc.h"
#include "odbc/THenv.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>

#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // see TODBCError.cpp

namespace {

constexpr std::size_t CharElementSize = 255; // character and binary buffers, per row

// Reads a value of type T from the start of a raw cell (nullopt when the cell
// is too short).
template <typename T> std::optional<T> Read(const TCellView& cell) noexcept
{
    if (cell.Data == nullptr || cell.Size < sizeof(T)) {
        return std::nullopt;
    }
    T value;
    std::memcpy(&value, cell.Data, sizeof(T));
    return value;
}

// The scientific form of the value texts: sign or blank, one digit, the point,
// 14 digits, "E", the exponent sign and 4 exponent digits (23 characters).
std::string FloatText(double value)
{
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : " INF";
    }
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.14E", std::fabs(value));
    const std::string text(digits);
    const std::size_t e = text.find('E');
    if (e == std::string::npos || e + 2 > text.size()) {
        return text;
    }
    std::string exponent = text.substr(e + 2);
    if (exponent.size() < 4) {
        exponent.insert(0, 4 - exponent.size(), '0');
    }
    std::string result;
    result.reserve(23);
    result += value < 0 ? '-' : ' ';
    result += text.substr(0, e);
    result += 'E';
    result += text[e + 1];
    result += exponent;
    return result;
}

// Round to the nearest integer, an exact half to the even neighbour,
// independent of the floating-point environment; clamped to 32 bits.
std::int32_t RoundHalfEven(double value) noexcept
{
    if (std::isnan(value)) {
        return 0;
    }
    double rounded = std::floor(value);
    const double rest = value - rounded;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
        rounded += 1.0;
    }
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (rounded <= low) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (rounded >= high) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(rounded);
}

// Days from 1899-12-30 (the day-count epoch) to the given civil date.
std::int64_t DayNumber(std::int64_t year, std::int64_t month, std::int64_t day) noexcept
{
    // Days since 1970-01-01 (proleptic Gregorian calendar).
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yoe = year - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const std::int64_t unixDays = era * 146097 + doe - 719468;
    return unixDays + 25569; // 1899-12-30 is 25569 days before 1970-01-01
}

double DayCount(std::int64_t days, double fractionOfDay) noexcept
{
    // As the original's date/time values: before the epoch the time of day
    // counts away from zero.
    const auto whole = static_cast<double>(days);
    return days < 0 ? whole - fractionOfDay : whole + fractionOfDay;
}

void TrimTrailingBlanks(std::string& text)
{
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
}

SQLCHAR* SqlText(const std::string& text)
{
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str()));
}

} // namespace

// --- TCellValue ---------------------------------------------------------------

TCellValue::TCellValue(const TCellView& view)
    : CType(view.CType), Indicator(view.Indicator),
      Bytes(view.Data, view.Data == nullptr ? view.Data : view.Data + view.Size)
{
}

TCellView TCellValue::View() const noexcept
{
    TCellView view;
    view.CType = CType;
    view.Indicator = Indicator;
    view.Data = Bytes.data();
    view.Size = Bytes.size();
    return view;
}

// --- construction -------------------------------------------------------------

THstmt::THstmt(std::string name) : THbase(std::move(name)) {}

THstmt::THstmt(THdbc* hdbc, std::string name) : THbase(std::move(name))
{
    SetParentLink(hdbc);
}

THstmt::~THstmt()
{
    ReleaseHandle();
    if (controlSlot_ != nullptr) {
        *controlSlot_ = nullptr;
        controlSlot_ = nullptr;
    }
}

THdbc* THstmt::Hdbc() const noexcept
{
    return static_cast<THdbc*>(ParentLink());
}

void THstmt::SetHdbc(THdbc* hdbc)
{
    if (hdbc == Hdbc()) {
        return;
    }
    if (Initialised()) {
        Terminate();
    }
    SetParentLink(hdbc);
}

THenv* THstmt::Environment() const noexcept
{
    THdbc* dbc = Hdbc();
    return dbc != nullptr ? dbc->Henv() : nullptr;
}

// --- options ------------------------------------------------------------------

void THstmt::RecomputeExtendedFetch() noexcept
{
    extendedFetch_ = cursorType_ != SQL_CURSOR_FORWARD_ONLY || rowSetSize_ != 1;
}

void THstmt::ApplyOption(SQLUSMALLINT option, std::uint32_t value)
{
    SQLULEN current = 0;
    Check(SQLGetStmtOption(Handle(), option, &current));
    if (current != value) {
        Check(SQLSetStmtOption(Handle(), option, value));
    }
}

void THstmt::ChangeOption(SQLUSMALLINT option, std::uint32_t value)
{
    if (prepared_ && (option == SQL_CURSOR_TYPE || option == SQL_CONCURRENCY)) {
        // The driver manager refuses these options on a prepared statement
        // (HY011 "Operation invalid at this time"): free the handle; the next
        // operation allocates a new one with all options applied.
        Terminate();
        return;
    }
    Reset();
    ApplyOption(option, value);
}

void THstmt::SetConcurrencyType(std::uint32_t value)
{
    concurrencyType_ = value;
    if (Initialised()) {
        ChangeOption(SQL_CONCURRENCY, value);
    }
}

void THstmt::SetCursorType(std::uint32_t value)
{
    cursorType_ = value;
    RecomputeExtendedFetch();
    if (Initialised()) {
        ChangeOption(SQL_CURSOR_TYPE, value);
    }
}

void THstmt::SetRowSetSize(std::uint32_t value)
{
    if (value < 1) {
        return;
    }
    rowSetSize_ = value;
    RecomputeExtendedFetch();
    if (Initialised()) {
        ChangeOption(SQL_ROWSET_SIZE, value);
    }
}

void THstmt::SetBlobSize(std::int32_t value) noexcept
{
    if (value >= 1) {
        blobSize_ = value;
    }
}

// --- life cycle ---------------------------------------------------------------

void THstmt::Init()
{
    if (Initialised()) {
        return;
    }
    THdbc* dbc = Hdbc();
    if (dbc == nullptr) {
        throw Exception("Property Hdbc of " + Name() + " not set.");
    }
    if (!dbc->Connected()) {
        dbc->Connect();
    }
    SQLHSTMT handle = SQL_NULL_HSTMT;
    Check(SQLAllocStmt(dbc->Handle(), &handle));
    SetHandle(handle);
    SetInitialised(true);
    prepared_ = false;
    dbc->Children().Add(this);

    ApplyOption(SQL_CONCURRENCY, concurrencyType_);
    ApplyOption(SQL_CURSOR_TYPE, cursorType_);
    ApplyOption(SQL_ROWSET_SIZE, rowSetSize_);
    if ((dbc->GetInfoInteger(SQL_FETCH_DIRECTION) & SQL_FD_FETCH_BOOKMARK) != 0) {
        Check(
            SQLSetStmtOption(Handle(), SQL_USE_BOOKMARKS, extendedFetch_ ? SQL_UB_ON : SQL_UB_OFF));
    }
}

void THstmt::Terminate()
{
    if (!Initialised()) {
        FreeColumns();
        return;
    }
    Reset();
    const SQLRETURN rc = SQLFreeStmt(Handle(), SQL_DROP);
    if (IsSuccess(rc)) {
        SetInitialised(false);
        SetHandle(SQL_NULL_HSTMT);
        if (THdbc* dbc = Hdbc()) {
            dbc->Children().Remove(this);
        }
    }
    Check(rc);
}

void THstmt::ReleaseHandle() noexcept
{
    if (Initialised()) {
        Store(SQLFreeStmt(Handle(), SQL_DROP));
        SetInitialised(false);
        SetHandle(SQL_NULL_HSTMT);
        if (THdbc* dbc = Hdbc()) {
            dbc->Children().Remove(this);
        }
    }
    FreeColumns();
}

void THstmt::Reset()
{
    if (Initialised()) {
        Check(SQLFreeStmt(Handle(), SQL_CLOSE));
        Check(SQLFreeStmt(Handle(), SQL_RESET_PARAMS));
        // Unbind before the buffers are freed.
        Check(SQLFreeStmt(Handle(), SQL_UNBIND));
    }
    FreeColumns();
}

void THstmt::FreeColumns() noexcept
{
    cols_.clear();
    colNames_.clear();
    colPrecisions_.clear();
    numCols_ = 0;
    rowsFetched_ = 0;
    rowStatus_.clear();
    rowFlags_.clear();
    hasLongColumns_ = false;
    columnsBound_ = false;
    fetchedSinceExecute_ = false;
    partlyRead_ = false;
}

// --- prepare and execute ------------------------------------------------------

void THstmt::Prepare()
{
    if (!Initialised()) {
        Init();
    }
    Reset();
    prepared_ = true;
    partlyRead_ = false;
    preparedSql_ = sql_;
    Check(SQLPrepare(Handle(), SqlText(sql_), static_cast<SQLINTEGER>(sql_.size())));
}

void THstmt::Execute()
{
    if (!Initialised()) {
        Init();
    }
    const THdbc* dbc = Hdbc();
    if (dbc != nullptr && dbc->CursorLib() == SQL_CUR_USE_DRIVER) {
        Check(SQLFreeStmt(Handle(), SQL_CLOSE));
        if (partlyRead_ && prepared_ && cursorType_ == SQL_CURSOR_FORWARD_ONLY) {
            // The SQLite ODBC driver (0.9998) with the data source option
            // StepAPI=1 does not rewind a forward-only result on SQL_CLOSE: the
            // next SQLExecute would go on where the last fetch stopped. Preparing
            // the executed text again rewinds it (the column bindings stay).
            Check(SQLPrepare(Handle(), SqlText(preparedSql_),
                             static_cast<SQLINTEGER>(preparedSql_.size())));
        }
    }
    rowsFetched_ = 0;
    fetchedSinceExecute_ = false;
    partlyRead_ = false;
    Check(SQLExecute(Handle()));
    if (control_.AfterExecute) {
        control_.AfterExecute(*this);
    }
    DoExecute();
}

void THstmt::DoExecute()
{
    if (onExecute_) {
        onExecute_(*this);
    }
}

void THstmt::DoFetch()
{
    if (onFetch_) {
        onFetch_(*this);
    }
}

// --- binding ------------------------------------------------------------------

void THstmt::EnsureBound()
{
    if (!Initialised()) {
        Init();
    }
    if (!columnsBound_) {
        BindCols();
    }
}

void THstmt::BindCols()
{
    if (!Initialised()) {
        Init();
    }
    if (columnsBound_) {
        return;
    }
    SQLSMALLINT count = 0;
    Check(SQLNumResultCols(Handle(), &count));

    std::vector<TColRec> cols;
    std::vector<std::string> names;
    std::vector<SQLLEN> precisions;
    const auto columnCount = static_cast<std::size_t>(std::max<SQLSMALLINT>(count, 0));
    cols.reserve(columnCount);
    names.reserve(columnCount);
    precisions.reserve(columnCount);
    bool hasLong = false;

    try {
        for (SQLUSMALLINT i = 1; i <= columnCount; ++i) {
            SQLLEN sqlType = 0;
            Check(SQLColAttributes(Handle(), i, SQL_COLUMN_TYPE, nullptr, 0, nullptr, &sqlType));

            SQLCHAR name[256] = {};
            SQLSMALLINT nameLength = 0;
            Check(SQLColAttributes(Handle(), i, SQL_COLUMN_NAME, name, 255, &nameLength, nullptr));
            const char* nameText = reinterpret_cast<const char*>(name);
            names.emplace_back(nameText, strnlen(nameText, 255));

            SQLLEN precision = 0;
            const SQLRETURN precisionRc = SQLColAttributes(Handle(), i, SQL_COLUMN_PRECISION,
                                                           nullptr, 0, nullptr, &precision);
            Store(precisionRc);
            precisions.push_back(IsSuccess(precisionRc) ? precision : 64);

            auto isUnsigned = [&]() {
                SQLLEN value = SQL_FALSE;
                Check(SQLColAttributes(Handle(), i, SQL_COLUMN_UNSIGNED, nullptr, 0, nullptr,
                                       &value));
                return value != SQL_FALSE;
            };

            TColRec rec;
            switch (sqlType) {
            case SQL_CHAR:
            case SQL_VARCHAR:
            case SQL_BIGINT:
            case SQL_WCHAR:
            case SQL_WVARCHAR:
                rec.CType = SQL_C_CHAR;
                rec.ElementSize = CharElementSize;
                break;
            case SQL_LONGVARCHAR:
            case SQL_WLONGVARCHAR:
                rec.CType = SQL_C_CHAR;
                rec.ElementSize = 0;
                break;
            case SQL_BINARY:
            case SQL_VARBINARY:
                rec.CType = SQL_C_BINARY;
                rec.ElementSize = CharElementSize;
                break;
            case SQL_LONGVARBINARY:
            case SQL_UNKNOWN_TYPE:
                rec.CType = SQL_C_BINARY;
                rec.ElementSize = 0;
                break;
            case SQL_BIT:
                rec.CType = SQL_C_BIT;
                rec.ElementSize = 1;
                break;
            case SQL_TINYINT:
                rec.CType = isUnsigned() ? SQL_C_UTINYINT : SQL_C_STINYINT;
                rec.ElementSize = 1;
                break;
            case SQL_SMALLINT:
                rec.CType = isUnsigned() ? SQL_C_USHORT : SQL_C_SSHORT;
                rec.ElementSize = 2;
                break;
            case SQL_INTEGER:
                rec.CType = isUnsigned() ? SQL_C_ULONG : SQL_C_SLONG;
                rec.ElementSize = 4;
                break;
            case SQL_REAL:
                rec.CType = SQL_C_FLOAT;
                rec.ElementSize = 4;
                break;
            case SQL_FLOAT:
            case SQL_DOUBLE:
            case SQL_NUMERIC:
            case SQL_DECIMAL:
                rec.CType = SQL_C_DOUBLE;
                rec.ElementSize = 8;
                break;
            case SQL_DATE:
            case SQL_TYPE_DATE:
                rec.CType = SQL_C_DATE;
                rec.ElementSize = sizeof(DATE_STRUCT);
                break;
            case SQL_TIME:
            case SQL_TYPE_TIME:
                rec.CType = SQL_C_TIME;
                rec.ElementSize = sizeof(TIME_STRUCT);
                break;
            case SQL_TIMESTAMP:
            case SQL_TYPE_TIMESTAMP:
                rec.CType = SQL_C_TIMESTAMP;
                rec.ElementSize = sizeof(TIMESTAMP_STRUCT);
                break;
            default:
                rec.CType = SQL_C_CHAR;
                rec.ElementSize = CharElementSize;
                break;
            }
            rec.Indicators.assign(rowSetSize_, SQL_NULL_DATA);

            if (rec.ElementSize == 0) {
                if (rowSetSize_ > 1) {
                    throw Exception("Cannot select blob fields when RowSetSize > 1.");
                }
                hasLong = true;
            } else {
                rec.Buffer.assign(rec.ElementSize * rowSetSize_, 0);
                Check(SQLBindCol(Handle(), i, rec.CType, rec.Buffer.data(),
                                 static_cast<SQLLEN>(rec.ElementSize), rec.Indicators.data()));
            }
            // Moving the record keeps its buffers where the driver was told they are.
            cols.push_back(std::move(rec));
        }
    } catch (...) {
        // Some columns may be bound to buffers that are about to go away.
        Store(SQLFreeStmt(Handle(), SQL_UNBIND));
        throw;
    }

    cols_ = std::move(cols);
    colNames_ = std::move(names);
    colPrecisions_ = std::move(precisions);
    numCols_ = static_cast<SQLSMALLINT>(columnCount);
    rowStatus_.assign(rowSetSize_, SQL_ROW_NOROW);
    rowFlags_.assign(rowSetSize_, 0);
    hasLongColumns_ = hasLong;
    columnsBound_ = true;
}

// --- fetching -----------------------------------------------------------------

bool THstmt::FetchFirst()
{
    return Fetch(SQL_FETCH_FIRST, 0);
}

bool THstmt::FetchNext()
{
    return Fetch(SQL_FETCH_NEXT, 0);
}

bool THstmt::Fetch(SQLUSMALLINT direction, SQLLEN row)
{
    EnsureBound();
    SQLRETURN rc = SQL_SUCCESS;
    if (extendedFetch_) {
        // A forward-only cursor refuses SQL_FETCH_FIRST; before any other fetch
        // of the result the first rowset is simply the next one.
        if (direction == SQL_FETCH_FIRST && cursorType_ == SQL_CURSOR_FORWARD_ONLY &&
            !fetchedSinceExecute_) {
            direction = SQL_FETCH_NEXT;
        }
        SQLULEN fetched = 0;
        rc = SQLExtendedFetch(Handle(), direction, row, &fetched, rowStatus_.data());
        rowsFetched_ = fetched;
    } else {
        rc = SQLFetch(Handle());
        rowsFetched_ = 1;
        rowStatus_[0] = SQL_ROW_SUCCESS;
    }
    fetchedSinceExecute_ = true;
    std::fill(rowFlags_.begin(), rowFlags_.end(), SQLUSMALLINT{0});

    partlyRead_ = rc != SQL_NO_DATA_FOUND;
    if (rc == SQL_NO_DATA_FOUND) {
        Store(rc);
        rowsFetched_ = 0;
        rowStatus_[0] = SQL_ROW_NOROW;
        return false;
    }
    if (!IsSuccess(rc)) {
        rowsFetched_ = 0;
    }
    Check(rc);
    if (rowsFetched_ > rowSetSize_) {
        rowsFetched_ = rowSetSize_;
    }

    if (hasLongColumns_) {
        ReadLongColumns();
    }
    if (control_.AfterFetch) {
        control_.AfterFetch(*this);
    }
    DoFetch();
    return true;
}

void THstmt::ReadLongColumns()
{
    const auto piece = static_cast<std::size_t>(blobSize_);
    for (std::size_t i = 0; i < cols_.size(); ++i) {
        TColRec& col = cols_[i];
        if (col.ElementSize != 0) {
            continue;
        }
        col.Stream.clear();
        col.Indicators[0] = SQL_NULL_DATA;
        // One more byte for character data: the driver ends each piece with NUL.
        std::vector<char> scratch(piece + (col.CType == SQL_C_CHAR ? 1 : 0));
        bool isNull = false;
        for (;;) {
            SQLLEN indicator = 0;
            const SQLRETURN rc =
                SQLGetData(Handle(), static_cast<SQLUSMALLINT>(i + 1), col.CType, scratch.data(),
                           static_cast<SQLLEN>(scratch.size()), &indicator);
            Check(rc);
            if (indicator == SQL_NO_TOTAL) {
                throw Exception(
                    "Unable to retrieve blob.  You may have to increase the BlobSize property.");
            }
            if (indicator == SQL_NULL_DATA) {
                isNull = true;
                break;
            }
            // The indicator is the length still to come before this call (ODBC), so
            // this piece holds min(indicator, BlobSize) bytes.
            const auto remaining = static_cast<std::size_t>(indicator < 0 ? 0 : indicator);
            col.Stream.append(scratch.data(), std::min(remaining, piece));
            if (rc != SQL_SUCCESS_WITH_INFO || remaining <= piece) {
                break; // the last piece
            }
        }
        col.Indicators[0] = isNull ? SQL_NULL_DATA : static_cast<SQLLEN>(col.Stream.size());
    }
}

// --- reading values -----------------------------------------------------------

int THstmt::NumCols()
{
    EnsureBound();
    return numCols_;
}

void THstmt::SetDataScope() noexcept
{
    if (HasControl()) {
        ownBuffers_ = false;
    }
}

std::optional<TCellView> THstmt::OwnCell(int col, int row) const
{
    if (col < 1 || col > numCols_ || row < 1 || static_cast<SQLULEN>(row) > rowsFetched_) {
        return std::nullopt;
    }
    const TColRec& rec = cols_[static_cast<std::size_t>(col - 1)];
    TCellView cell;
    cell.CType = rec.CType;
    if (rec.ElementSize == 0) {
        if (row != 1) {
            return std::nullopt;
        }
        cell.Indicator = rec.Indicators[0];
        cell.Data = reinterpret_cast<const unsigned char*>(rec.Stream.data());
        cell.Size = rec.Stream.size();
        return cell;
    }
    const auto index = static_cast<std::size_t>(row - 1);
    cell.Indicator = rec.Indicators[index];
    cell.Data = rec.Buffer.data() + index * rec.ElementSize;
    if (cell.Indicator == SQL_NULL_DATA) {
        cell.Size = 0;
    } else if (rec.CType == SQL_C_CHAR) {
        const std::size_t room = rec.ElementSize - 1;
        const bool cut = cell.Indicator < 0 || static_cast<std::size_t>(cell.Indicator) > room;
        const std::size_t limit = cut ? room : static_cast<std::size_t>(cell.Indicator);
        const char* text = reinterpret_cast<const char*>(cell.Data);
        cell.Size = strnlen(text, limit);
        if (cut) {
            cell.Size = ocl_detail::CompleteUtf8Length(text, cell.Size);
        }
    } else if (rec.CType == SQL_C_BINARY) {
        cell.Size = cell.Indicator < 0
                        ? rec.ElementSize
                        : std::min(static_cast<std::size_t>(cell.Indicator), rec.ElementSize);
    } else {
        cell.Size = rec.ElementSize;
    }
    return cell;
}

std::optional<TCellView> THstmt::Lookup(int col, int row)
{
    const bool own = ownBuffers_;
    ownBuffers_ = true;
    EnsureBound();
    if (col < 1 || col > numCols_) {
        return std::nullopt;
    }
    if (!own) {
        if (control_.CellSupplier) {
            return control_.CellSupplier(col);
        }
        return std::nullopt;
    }
    return OwnCell(col, row);
}

int THstmt::ColByName(const std::string& name)
{
    EnsureBound();
    for (std::size_t i = 0; i < colNames_.size(); ++i) {
        if (colNames_[i] == name) {
            return static_cast<int>(i + 1);
        }
    }
    throw Exception("Identifier " + name + " not found in result set.");
}

std::string THstmt::ColString(int col)
{
    SetDataScope();
    return CellString(col, 1);
}

std::string THstmt::ColStringByName(const std::string& name)
{
    return ColString(ColByName(name));
}

std::int32_t THstmt::ColInteger(int col)
{
    SetDataScope();
    return CellInteger(col, 1);
}

std::int32_t THstmt::ColIntegerByName(const std::string& name)
{
    return ColInteger(ColByName(name));
}

std::string THstmt::CellString(int col, int row)
{
    const std::optional<TCellView> cell = Lookup(col, row);
    return cell ? ValueToString(*cell) : std::string();
}

std::int32_t THstmt::CellInteger(int col, int row)
{
    const std::optional<TCellView> cell = Lookup(col, row);
    return cell ? ValueToInteger(*cell) : 0;
}

double THstmt::CellDouble(int col, int row)
{
    const std::optional<TCellView> cell = Lookup(col, row);
    return cell ? ValueToDouble(*cell) : 0.0;
}

SQLLEN THstmt::ColLength(int col)
{
    EnsureBound();
    const std::optional<TCellView> cell = OwnCell(col, 1);
    return cell ? cell->Indicator : 0;
}

const std::string* THstmt::ColStream(int col)
{
    EnsureBound();
    if (col < 1 || col > numCols_) {
        return nullptr;
    }
    const TColRec& rec = cols_[static_cast<std::size_t>(col - 1)];
    return rec.ElementSize == 0 ? &rec.Stream : nullptr;
}

std::string THstmt::ColName(int col)
{
    EnsureBound();
    return col >= 1 && col <= numCols_ ? colNames_[static_cast<std::size_t>(col - 1)]
                                       : std::string();
}

SQLLEN THstmt::ColPrecision(int col)
{
    EnsureBound();
    return col >= 1 && col <= numCols_ ? colPrecisions_[static_cast<std::size_t>(col - 1)] : 0;
}

SQLSMALLINT THstmt::ColCType(int col)
{
    EnsureBound();
    return col >= 1 && col <= numCols_ ? cols_[static_cast<std::size_t>(col - 1)].CType
                                       : SQLSMALLINT{0};
}

bool THstmt::IsLongColumn(int col)
{
    EnsureBound();
    return col >= 1 && col <= numCols_ && cols_[static_cast<std::size_t>(col - 1)].ElementSize == 0;
}

std::optional<TCellView> THstmt::RawCell(int col, int row)
{
    EnsureBound();
    return OwnCell(col, row);
}

SQLUSMALLINT THstmt::RowStatus(int row) const noexcept
{
    return row >= 1 && static_cast<std::size_t>(row) <= rowStatus_.size()
               ? rowStatus_[static_cast<std::size_t>(row - 1)]
               : SQLUSMALLINT{SQL_ROW_NOROW};
}

SQLUSMALLINT THstmt::RowFlags(int row) const noexcept
{
    return row >= 1 && static_cast<std::size_t>(row) <= rowFlags_.size()
               ? rowFlags_[static_cast<std::size_t>(row - 1)]
               : SQLUSMALLINT{0};
}

// --- conversions --------------------------------------------------------------

std::string THstmt::ValueToString(const TCellView& cell)
{
    if (cell.IsNull() || cell.Data == nullptr) {
        return std::string();
    }
    std::string text;
    switch (cell.CType) {
    case SQL_C_CHAR: {
        const char* chars = reinterpret_cast<const char*>(cell.Data);
        text.assign(chars, strnlen(chars, cell.Size));
        break;
    }
    case SQL_C_BIT:
    case SQL_C_UTINYINT:
        if (auto v = Read<std::uint8_t>(cell)) {
            text = std::to_string(*v);
        }
        break;
    case SQL_C_STINYINT:
    case SQL_C_TINYINT:
        if (auto v = Read<std::int8_t>(cell)) {
            text = std::to_string(*v);
        }
        break;
    case SQL_C_SSHORT:
    case SQL_C_SHORT:
        if (auto v = Read<std::int16_t>(cell)) {
            text = std::to_string(*v);
        }
        break;
    case SQL_C_USHORT:
        if (auto v = Read<std::uint16_t>(cell)) {
            text = std::to_string(*v);
        }
        break;
    case SQL_C_SLONG:
    case SQL_C_LONG:
        if (auto v = Read<std::int32_t>(cell)) {
            text = std::to_string(*v);
        }
        break;
    case SQL_C_ULONG:
        if (auto v = Read<std::uint32_t>(cell)) {
            text = std::to_string(*v);
        }
        break;
    case SQL_C_FLOAT:
        if (auto v = Read<float>(cell)) {
            text = FloatText(static_cast<double>(*v));
        }
        break;
    case SQL_C_DOUBLE:
        if (auto v = Read<double>(cell)) {
            text = FloatText(*v);
        }
        break;
    case SQL_C_DATE:
    case SQL_C_TYPE_DATE:
        if (auto v = Read<DATE_STRUCT>(cell)) {
            text = std::to_string(v->year) + "-" + std::to_string(v->month) + "-" +
                   std::to_string(v->day);
        }
        break;
    case SQL_C_TIME:
    case SQL_C_TYPE_TIME:
        if (auto v = Read<TIME_STRUCT>(cell)) {
            text = std::to_string(v->hour) + ":" + std::to_string(v->minute) + ":" +
                   std::to_string(v->second);
        }
        break;
    case SQL_C_TIMESTAMP:
    case SQL_C_TYPE_TIMESTAMP:
        if (auto v = Read<TIMESTAMP_STRUCT>(cell)) {
            std::string fraction = std::to_string(v->fraction);
            if (fraction.size() < 8) {
                fraction.insert(0, 8 - fraction.size(), '0');
            }
            text = std::to_string(v->year) + "-" + std::to_string(v->month) + "-" +
                   std::to_string(v->day) + " " + std::to_string(v->hour) + ":" +
                   std::to_string(v->minute) + ":" + std::to_string(v->second) + "." + fraction;
        }
        break;
    default: // binary and anything unknown
        break;
    }
    TrimTrailingBlanks(text);
    return text;
}

std::int32_t THstmt::ValueToInteger(const TCellView& cell) noexcept
{
    if (cell.IsNull() || cell.Data == nullptr) {
        return 0;
    }
    switch (cell.CType) {
    case SQL_C_BIT:
    case SQL_C_UTINYINT:
        return Read<std::uint8_t>(cell).value_or(0);
    case SQL_C_STINYINT:
    case SQL_C_TINYINT:
        return Read<std::int8_t>(cell).value_or(0);
    case SQL_C_SSHORT:
    case SQL_C_SHORT:
        return Read<std::int16_t>(cell).value_or(0);
    case SQL_C_USHORT:
        return Read<std::uint16_t>(cell).value_or(0);
    case SQL_C_SLONG:
    case SQL_C_LONG:
        return Read<std::int32_t>(cell).value_or(0);
    case SQL_C_ULONG:
        // As the original: the 32 bits read as a signed integer.
        return static_cast<std::int32_t>(Read<std::uint32_t>(cell).value_or(0));
    case SQL_C_FLOAT:
        return RoundHalfEven(static_cast<double>(Read<float>(cell).value_or(0.0F)));
    case SQL_C_DOUBLE:
        return RoundHalfEven(Read<double>(cell).value_or(0.0));
    default:
        return 0;
    }
}

double THstmt::ValueToDouble(const TCellView& cell) noexcept
{
    if (cell.IsNull() || cell.Data == nullptr) {
        return 0.0;
    }
    switch (cell.CType) {
    case SQL_C_BIT:
    case SQL_C_UTINYINT:
    case SQL_C_STINYINT:
    case SQL_C_TINYINT:
    case SQL_C_SSHORT:
    case SQL_C_SHORT:
    case SQL_C_USHORT:
    case SQL_C_SLONG:
    case SQL_C_LONG:
        return static_cast<double>(ValueToInteger(cell));
    case SQL_C_ULONG:
        return static_cast<double>(Read<std::uint32_t>(cell).value_or(0));
    case SQL_C_FLOAT:
        return static_cast<double>(Read<float>(cell).value_or(0.0F));
    case SQL_C_DOUBLE:
        return Read<double>(cell).value_or(0.0);
    case SQL_C_DATE:
    case SQL_C_TYPE_DATE:
        if (auto v = Read<DATE_STRUCT>(cell)) {
            return static_cast<double>(DayNumber(v->year, v->month, v->day));
        }
        return 0.0;
    case SQL_C_TIME:
    case SQL_C_TYPE_TIME:
        if (auto v = Read<TIME_STRUCT>(cell)) {
            return (v->hour * 3600.0 + v->minute * 60.0 + v->second) / 86400.0;
        }
        return 0.0;
    case SQL_C_TIMESTAMP:
    case SQL_C_TYPE_TIMESTAMP:
        if (auto v = Read<TIMESTAMP_STRUCT>(cell)) {
            const double seconds = v->hour * 3600.0 + v->minute * 60.0 + v->second +
                                   static_cast<double>(v->fraction) / 1e9;
            return DayCount(DayNumber(v->year, v->month, v->day), seconds / 86400.0);
        }
        return 0.0;
    default:
        return 0.0;
    }
}

// --- attached control ---------------------------------------------------------

void THstmt::AttachControl(THstmt*& slot, THstmt* stmt, TControlCallbacks callbacks)
{
    if (THstmt* old = slot) {
        old->control_ = TControlCallbacks{};
        old->controlSlot_ = nullptr;
        old->ownBuffers_ = true;
    }
    slot = nullptr;
    if (stmt == nullptr) {
        return;
    }
    if (stmt->control_.AfterExecute || stmt->controlSlot_ != nullptr) {
        throw Exception(stmt->Name() + " is already connected to a control.");
    }
    stmt->control_ = std::move(callbacks);
    stmt->controlSlot_ = &slot;
    slot = stmt;
}
