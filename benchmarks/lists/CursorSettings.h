#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>

namespace musarix::bench {

// One way of reading the list through ODBC: which data source (and so which
// StepAPI setting), which cursor type, and how rows are fetched.
struct CursorSettings
{
    std::string label;
    std::string dsn;
    SQLULEN cursorType = SQL_CURSOR_FORWARD_ONLY;
    // Rows per SQLExtendedFetch call; 0 fetches row by row with SQLFetch.
    SQLULEN rowsetSize = 64;
    // How a run starts the statement over. With StepAPI=1 the driver does not
    // rewind a prepared statement whose cursor was closed before its end:
    // executing it again continues where the last rowset stopped. Preparing
    // anew is the only reliable restart.
    enum class Restart {
        // SQLFreeStmt(SQL_CLOSE), then SQLExecute: the layer's way.
        ExecuteAgain,
        // SQLPrepare inside the timed part, then SQLExecute: everything the
        // user waits for, like the SQLite baseline (prepare + step).
        PrepareAndExecute,
        // SQLPrepare right after the close, untimed: the timed part is only
        // Execute and the first rowset, as when a screen prepares a new
        // statement text before executing it.
        ExecuteAfterPrepare,
    };
    Restart restart = Restart::ExecuteAgain;
};

} // namespace musarix::bench
