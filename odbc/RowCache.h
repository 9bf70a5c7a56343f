#pragma once

// TGridRowCache: what a TOEGrid keeps of every row it has loaded.
//
// For each loaded row: the raw value of every result column, shown in the
// grid or not (C type, bytes, length/indicator, as the statement delivered
// it), and the row's pending-change mark. Rows are addressed by data row
// number from 1 (grid row - fixed rows + 1), columns by result column number
// from 1. Reading the selected row from here never touches the database.

#include "odbc/GridTypes.h"
#include "odbc/THstmt.h"

#include <optional>
#include <vector>

class TGridRowCache
{
public:
    int Count() const noexcept { return static_cast<int>(rows_.size()); }
    void Clear() noexcept { rows_.clear(); }

    // Appends one loaded row: the values of result columns 1, 2, ...
    void Append(std::vector<TCellValue> values);
    // Inserts a row without values before data row `row` (Count() + 1
    // appends), marked rmNew.
    void InsertNew(int row);
    void Remove(int row);

    // The cached value of result column `col` in data row `row`; std::nullopt
    // when the row or column holds none (a row made by the Insert key holds
    // none). The view stays valid until the cache changes.
    std::optional<TCellView> Cell(int col, int row) const;

    TRowMark Mark(int row) const noexcept;
    void SetMark(int row, TRowMark mark);

private:
    struct TCachedRow
    {
        std::vector<TCellValue> Values;
        TRowMark Mark = rmNone;
    };

    bool Holds(int row) const noexcept { return row >= 1 && row <= Count(); }

    std::vector<TCachedRow> rows_;
};
