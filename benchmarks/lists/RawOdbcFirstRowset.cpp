#include "benchmarks/lists/RawOdbcFirstRowset.h"

#include "benchmarks/lists/RowDigest.h"

#include <stdexcept>
#include <string_view>

namespace musarix::bench {

RawOdbcFirstRowset::RawOdbcFirstRowset(const CursorSettings& settings, const std::string& sql)
    : settings_(settings), sql_(sql)
{
    if (settings_.rowsetSize > kMaxRows) {
        throw std::invalid_argument("rowset larger than the bound arrays");
    }
    check(SQLAllocEnv(&env_), "SQLAllocEnv");
    check(SQLAllocConnect(env_, &dbc_), "SQLAllocConnect");
    auto* dsn = reinterpret_cast<SQLCHAR*>(settings_.dsn.data());
    check(SQLConnect(dbc_, dsn, SQL_NTS, nullptr, 0, nullptr, 0), "SQLConnect");
    connected_ = true;
    check(SQLAllocStmt(dbc_, &stmt_), "SQLAllocStmt");
    check(SQLSetStmtOption(stmt_, SQL_CURSOR_TYPE, settings_.cursorType), "SQL_CURSOR_TYPE");
    check(SQLGetStmtOption(stmt_, SQL_CURSOR_TYPE, &grantedCursorType_), "SQL_CURSOR_TYPE");
    if (settings_.rowsetSize > 0) {
        check(SQLSetStmtOption(stmt_, SQL_ROWSET_SIZE, settings_.rowsetSize), "SQL_ROWSET_SIZE");
    }
    prepare();
    check(SQLBindCol(stmt_, 1, SQL_C_CHAR, names_.data(), sizeof names_[0], nameLengths_.data()),
          "SQLBindCol");
    check(SQLBindCol(stmt_, 2, SQL_C_SLONG, ids_.data(), sizeof ids_[0], idLengths_.data()),
          "SQLBindCol");
}

RawOdbcFirstRowset::~RawOdbcFirstRowset()
{
    if (stmt_ != SQL_NULL_HSTMT) {
        SQLFreeStmt(stmt_, SQL_DROP);
    }
    if (connected_) {
        SQLDisconnect(dbc_);
    }
    if (dbc_ != SQL_NULL_HDBC) {
        SQLFreeConnect(dbc_);
    }
    if (env_ != SQL_NULL_HENV) {
        SQLFreeEnv(env_);
    }
}

void RawOdbcFirstRowset::prepare()
{
    check(SQLPrepare(stmt_, reinterpret_cast<SQLCHAR*>(sql_.data()), SQL_NTS), "SQLPrepare");
}

int RawOdbcFirstRowset::run()
{
    if (settings_.restart == CursorSettings::Restart::PrepareAndExecute) {
        prepare();
    }
    check(SQLExecute(stmt_), "SQLExecute");
    RowDigest digest;
    int rows = 0;
    const auto add = [&](std::size_t slot) {
        const auto length = nameLengths_[slot] == SQL_NULL_DATA ? 0 : nameLengths_[slot];
        const std::string_view name(reinterpret_cast<const char*>(names_[slot].data()),
                                    static_cast<std::size_t>(length));
        digest.add(name, idLengths_[slot] == SQL_NULL_DATA ? 0 : ids_[slot]);
        ++rows;
    };
    if (settings_.rowsetSize > 0) {
        SQLULEN fetched = 0;
        const SQLRETURN rc =
            SQLExtendedFetch(stmt_, SQL_FETCH_NEXT, 0, &fetched, rowStatus_.data());
        if (rc != SQL_NO_DATA) {
            check(rc, "SQLExtendedFetch");
            for (std::size_t slot = 0; slot < fetched; ++slot) {
                add(slot);
            }
        }
    } else {
        // SQLFetch fills the first slot of the bound arrays each time.
        while (rows < kMaxRows) {
            const SQLRETURN rc = SQLFetch(stmt_);
            if (rc == SQL_NO_DATA) {
                break;
            }
            check(rc, "SQLFetch");
            add(0);
        }
    }
    checksum_ = digest.value();
    return rows;
}

void RawOdbcFirstRowset::close()
{
    check(SQLFreeStmt(stmt_, SQL_CLOSE), "SQLFreeStmt");
    if (settings_.restart == CursorSettings::Restart::ExecuteAfterPrepare) {
        prepare();
    }
}

void RawOdbcFirstRowset::check(SQLRETURN rc, const char* what) const
{
    if (SQL_SUCCEEDED(rc)) {
        return;
    }
    SQLCHAR state[6] = {};
    SQLCHAR message[SQL_MAX_MESSAGE_LENGTH] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    std::string text = std::string(settings_.label) + ": " + what + " failed";
    if (SQL_SUCCEEDED(
            SQLError(env_, dbc_, stmt_, state, &native, message, sizeof message, &length))) {
        text += std::string(" [") + reinterpret_cast<const char*>(state) + "] " +
                reinterpret_cast<const char*>(message);
    }
    throw std::runtime_error(text);
}

} // namespace musarix::bench
