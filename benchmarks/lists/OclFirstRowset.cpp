#include "benchmarks/lists/OclFirstRowset.h"

#include "benchmarks/lists/RowDigest.h"

namespace musarix::bench {

OclFirstRowset::OclFirstRowset(const CursorSettings& settings, const std::string& sql)
    : settings_(settings)
{
    dbc_.SetDataSource(settings_.dsn);
    dbc_.Connect();
    stmt_.SetCursorType(static_cast<std::uint32_t>(settings_.cursorType));
    stmt_.SetRowSetSize(static_cast<std::uint32_t>(settings_.rowsetSize));
    stmt_.SetSQL(sql);
    stmt_.Prepare();
}

int OclFirstRowset::run()
{
    if (settings_.restart == CursorSettings::Restart::PrepareAndExecute) {
        stmt_.Prepare();
    }
    stmt_.Execute();
    RowDigest digest;
    int rows = 0;
    if (stmt_.FetchNext()) {
        rows = stmt_.NumRowsFetched();
        for (int row = 1; row <= rows; ++row) {
            digest.add(stmt_.CellString(1, row), stmt_.CellInteger(2, row));
        }
    }
    checksum_ = digest.value();
    return rows;
}

void OclFirstRowset::close()
{
    SQLFreeStmt(stmt_.Handle(), SQL_CLOSE);
    if (settings_.restart == CursorSettings::Restart::ExecuteAfterPrepare) {
        stmt_.Prepare();
    }
}

} // namespace musarix::bench
