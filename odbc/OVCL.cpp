#include "odbc/OVCL.h"

#include "odbc/THstmt.h"

#include <QFontMetrics>
#include <QKeyEvent>

#include <algorithm>

namespace {

// Marks the grid as loading a rowset for as long as it exists, also when the
// copy is left by an exception.
class TFetchingGuard
{
public:
    explicit TFetchingGuard(bool& flag) noexcept : flag_(flag) { flag_ = true; }
    ~TFetchingGuard() { flag_ = false; }
    TFetchingGuard(const TFetchingGuard&) = delete;
    TFetchingGuard& operator=(const TFetchingGuard&) = delete;

private:
    bool& flag_;
};

} // namespace

TOEGrid::TOEGrid(QWidget* parent) : TExtendedGrid(parent) {}

TOEGrid::~TOEGrid()
{
    THstmt::AttachControl(hstmt_, nullptr, {});
}

void TOEGrid::SetHstmt(THstmt* stmt)
{
    if (stmt == hstmt_) {
        return;
    }
    // The rows belong to the previous statement's result.
    Clear();
    cache_.Clear();
    rowsLoaded_ = 0;
    populated_ = false;
    firstFetch_ = false;
    resultOpen_ = false;
    THstmt::AttachControl(hstmt_, stmt,
                          TControlCallbacks{[this](THstmt& executed) { Populate(executed); },
                                            [](THstmt&) {},
                                            [this](int col) { return SelectedCell(col); }});
}

std::optional<TCellView> TOEGrid::CachedCell(int col, int row) const
{
    return cache_.Cell(col, DataRow(row));
}

TRowMark TOEGrid::PendingMark(int row) const noexcept
{
    return cache_.Mark(DataRow(row));
}

TRowMark TOEGrid::RowMark(int row) const
{
    return PendingMark(row);
}

std::optional<TCellView> TOEGrid::SelectedCell(int col) const
{
    return cache_.Cell(col, DataRow(Row()));
}

// --- populate and fetch-more ---------------------------------------------------

void TOEGrid::Populate(THstmt& stmt)
{
    populated_ = false;
    resultOpen_ = false;
    Clear();
    cache_.Clear();
    rowsLoaded_ = 0;
    if (autoTitle_ || autoSize_) {
        ApplyAutoColumns(stmt);
    }
    firstFetch_ = true;
    resultOpen_ = true;
    FetchMore();
    populated_ = true;
}

void TOEGrid::ApplyAutoColumns(THstmt& stmt)
{
    const int halfXx = fontMetrics().horizontalAdvance(QStringLiteral("Xx")) / 2;
    for (int i = 1; i <= stmt.NumCols(); ++i) {
        const int col = FixedCols() + i - 1;
        if (col >= ColCount()) {
            break;
        }
        TGridColumn& column = Columns().At(col);
        if (!column.Title.trimmed().isEmpty()) {
            continue;
        }
        if (autoTitle_) {
            column.Title = QString::fromStdString(stmt.ColName(i));
        }
        if (autoSize_) {
            const auto precision =
                static_cast<int>(std::clamp<SQLLEN>(stmt.ColPrecision(i), 0, 4096));
            const int titleWidth =
                QFontMetrics(column.TitleFont).horizontalAdvance(column.Title) + 4;
            column.Width = std::max({precision * halfXx, titleWidth, 64});
        }
    }
}

void TOEGrid::FetchMore()
{
    if (fetching_ || hstmt_ == nullptr || !resultOpen_) {
        return;
    }
    // The row just below the wholly visible ones must be loaded too, so that
    // scrolling or moving down never gets stuck at the last loaded row.
    while (resultOpen_ && DataRow(TopRow() + VisibleRowCount()) > rowsLoaded_) {
        bool more = false;
        try {
            more = hstmt_->FetchNext();
        } catch (...) {
            resultOpen_ = false;
            throw;
        }
        if (!more) {
            resultOpen_ = false;
            if (firstFetch_) {
                Q_EMIT ResultSetEmpty();
            }
            break;
        }
        LoadRowset(*hstmt_);
    }
}

void TOEGrid::LoadRowset(THstmt& stmt)
{
    const TFetchingGuard guard(fetching_);
    const int rows = stmt.NumRowsFetched();
    const int cols = stmt.NumCols();
    const int first = firstFetch_ ? FixedRows() : RowCount();
    SetRowCount(first + rows);
    firstFetch_ = false;
    for (int r = 1; r <= rows; ++r) {
        std::vector<TCellValue> values;
        values.reserve(static_cast<std::size_t>(cols));
        for (int c = 1; c <= cols; ++c) {
            const std::optional<TCellView> cell = stmt.RawCell(c, r);
            values.push_back(cell ? TCellValue(*cell) : TCellValue());
            const int gridCol = FixedCols() + c - 1;
            if (gridCol < ColCount()) {
                SetCellText(gridCol, first + r - 1,
                            cell ? QString::fromStdString(THstmt::ValueToString(*cell))
                                 : QString());
            }
        }
        cache_.Append(std::move(values));
    }
    rowsLoaded_ += rows;
}

void TOEGrid::TopLeftChanged()
{
    FetchMore();
}

void TOEGrid::resizeEvent(QResizeEvent* event)
{
    TExtendedGrid::resizeEvent(event);
    if (populated_ && !firstFetch_) {
        FetchMore();
    }
}

// --- editing keys --------------------------------------------------------------

void TOEGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Insert && (options_ & goRowInsert) != 0) {
        InsertKey();
        event->accept();
    } else if (event->key() == Qt::Key_Delete && (options_ & goRowDelete) != 0) {
        DeleteKey();
        event->accept();
    } else {
        TExtendedGrid::keyPressEvent(event);
    }
}

void TOEGrid::InsertKey()
{
    const int row = Row();
    if (rowsLoaded_ == 0) {
        // The one empty row of an empty grid becomes the new row.
        ClearRow(row);
        cache_.InsertNew(1);
    } else {
        InsertRow(row);
        cache_.InsertNew(DataRow(row));
    }
    ++rowsLoaded_;
    viewport()->update();
}

void TOEGrid::DeleteKey()
{
    const int row = Row();
    const int dataRow = DataRow(row);
    if (dataRow > cache_.Count()) {
        return; // the empty row of an empty grid holds nothing to delete
    }
    if (cache_.Mark(dataRow) == rmNew) {
        cache_.Remove(dataRow);
        --rowsLoaded_;
        DeleteRow(row);
        // A row moved up into view may not be loaded yet.
        FetchMore();
    } else {
        cache_.SetMark(dataRow, rmDeleted);
    }
    viewport()->update();
}
