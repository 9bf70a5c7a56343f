#pragma once

#include "odbc/OVCL.h"

#include <string>

namespace musarix::bench {

// Opens a list the way a list screen does: new SQL, Prepare, Execute on a
// forward-only statement with RowSetSize 64 attached to a shown grid; the
// grid then fills itself. Times the opening up to the filled grid and, apart,
// the first paint of the grid showing the rows.
class GridOpening
{
public:
    struct Times
    {
        double FilledMicros = 0;  // Prepare + Execute + the grid's first rowset(s)
        double PaintedMicros = 0; // the above plus one synchronous paint
        int RowsLoaded = 0;
        int Fetches = 0;
    };

    GridOpening(THstmt& stmt, TOEGrid& grid);
    Times Open(const std::string& sql);

private:
    THstmt& stmt_;
    TOEGrid& grid_;
    int fetches_ = 0;
};

} // namespace musarix::bench
