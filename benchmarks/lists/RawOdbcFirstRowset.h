#pragma once

#include "benchmarks/lists/CursorSettings.h"

#include <sql.h>
#include <sqlext.h>

#include <array>
#include <cstdint>
#include <string>

namespace musarix::bench {

// The list read through the bare ODBC 2.x calls, without the object layer.
// It separates what the driver costs from what the layer adds, and it can
// set the cursor options the layer may not expose. The statement is
// prepared once, as the screens do; each run executes it again.
class RawOdbcFirstRowset
{
public:
    static constexpr int kMaxRows = 64;

    RawOdbcFirstRowset(const CursorSettings& settings, const std::string& sql);
    ~RawOdbcFirstRowset();
    RawOdbcFirstRowset(const RawOdbcFirstRowset&) = delete;
    RawOdbcFirstRowset& operator=(const RawOdbcFirstRowset&) = delete;

    // Executes and fetches the first rowset; returns the number of rows.
    int run();
    // Closes the cursor, which is where a materialised result is freed (and
    // prepares again when the settings ask for an untimed restart).
    void close();

    std::uint64_t checksum() const { return checksum_; }
    // The cursor type the driver actually granted (it may substitute one).
    SQLULEN grantedCursorType() const { return grantedCursorType_; }

private:
    void prepare();
    void check(SQLRETURN rc, const char* what) const;

    CursorSettings settings_;
    std::string sql_;
    SQLHENV env_ = SQL_NULL_HENV;
    SQLHDBC dbc_ = SQL_NULL_HDBC;
    SQLHSTMT stmt_ = SQL_NULL_HSTMT;
    bool connected_ = false;
    SQLULEN grantedCursorType_ = 0;
    std::uint64_t checksum_ = 0;

    // Column-wise binding, one slot per row of the rowset. 255 bytes is the
    // buffer the layer uses for VARCHAR(254).
    std::array<std::array<SQLCHAR, 255>, kMaxRows> names_{};
    std::array<SQLLEN, kMaxRows> nameLengths_{};
    std::array<SQLINTEGER, kMaxRows> ids_{};
    std::array<SQLLEN, kMaxRows> idLengths_{};
    std::array<SQLUSMALLINT, kMaxRows> rowStatus_{};
};

} // namespace musarix::bench
