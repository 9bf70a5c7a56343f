#include "odbc/RowCache.h"

void TGridRowCache::Append(std::vector<TCellValue> values)
{
    rows_.push_back(TCachedRow{std::move(values), rmNone});
}

void TGridRowCache::InsertNew(int row)
{
    if (row < 1 || row > Count() + 1) {
        return;
    }
    rows_.insert(rows_.begin() + (row - 1), TCachedRow{{}, rmNew});
}

void TGridRowCache::Remove(int row)
{
    if (Holds(row)) {
        rows_.erase(rows_.begin() + (row - 1));
    }
}

std::optional<TCellView> TGridRowCache::Cell(int col, int row) const
{
    if (!Holds(row)) {
        return std::nullopt;
    }
    const std::vector<TCellValue>& values = rows_[static_cast<std::size_t>(row - 1)].Values;
    if (col < 1 || col > static_cast<int>(values.size())) {
        return std::nullopt;
    }
    return values[static_cast<std::size_t>(col - 1)].View();
}

TRowMark TGridRowCache::Mark(int row) const noexcept
{
    return Holds(row) ? rows_[static_cast<std::size_t>(row - 1)].Mark : rmNone;
}

void TGridRowCache::SetMark(int row, TRowMark mark)
{
    if (Holds(row)) {
        rows_[static_cast<std::size_t>(row - 1)].Mark = mark;
    }
}
