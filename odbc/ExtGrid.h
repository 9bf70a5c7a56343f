#pragma once

// Unit ExtGrid: TExtendedGrid, the string grid under every list of the
// program, with one column description (TGridColumn) per column.
//
// LAYOUT AND NUMBERING (as in the old grid)
//
// Grid rows and columns are numbered from 0. Row 0 is the fixed title row
// (FixedRows() == 1), column 0 the fixed indicator column (FixedCols() == 1,
// 12 pixels wide, made by the constructor as Columns().At(0)); the first data
// row is 1, the first data column 1. Every row is DefaultRowHeight() pixels
// high (19) plus a one-pixel grid line; a column is its description's Width
// plus a grid line. There is no horizontal scrolling: columns that do not fit
// are cut at the right edge. The vertical scroll bar (shown when needed)
// covers the rows the grid holds (RowCount()), so for a TOEGrid the loaded
// rows.
//
// A grid always holds at least one data row (RowCount() >= FixedRows() + 1);
// Clear() leaves exactly one, empty.
//
// SELECTION
//
// Whole rows are selected; Row() is the current row (1 … RowCount() - 1),
// Col() the first data column. Clicking a row, the arrow keys, Page Up/Down,
// Home and End (with or without Ctrl) move it; the grid scrolls to keep it in
// view. Every change of the current row, by the user or by SetRow, emits
// SelectCell(Col(), Row()) after the change. Enter, Escape and the other keys
// are left to the form (QKeyEvent ignored).
//
// DRAWING
//
// Fixed cells (title row and indicator column) are drawn raised on button
// grey, with the column's TitleFont and TitleColor; data cells on white with
// CellFont and CellColor, the selected row in the selection colours
// (palette Highlight / HighlightedText: navy and white). Text is drawn as it
// is (an ampersand stays an ampersand), aligned by the column, 2 pixels from
// the cell's sides; a text wider than its cell is cut and ended with "..."
// when the column's overflow is TGridColumn::ovEllipsis, otherwise broken into
// words (a wrapped text that does not fit starts at the cell's top, so its
// first line is whole). The indicator column shows a triangle at the current
// row, "*" at a row marked new, a cross at a row marked deleted (whose cells
// are drawn grey and struck out); see RowMark().
//
// After drawing each cell the grid emits DrawCell(col, row, rect, state)
// (rect in viewport coordinates); a slot connected directly may draw over the
// cell through Canvas().

#include "odbc/GridColumn.h"
#include "odbc/GridTypes.h"

#include <QAbstractScrollArea>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

class TExtendedGrid : public QAbstractScrollArea
{
    Q_OBJECT

public:
    static constexpr int IndicatorWidth = 12;
    static constexpr int GridLineWidth = 1;

    explicit TExtendedGrid(QWidget* parent = nullptr);
    ~TExtendedGrid() override;

    // --- columns -------------------------------------------------------------
    // One description per column, column 0 (the indicator) included; adding or
    // removing descriptions adds or removes grid columns.
    TGridColumns& Columns();
    const TGridColumns& Columns() const noexcept { return columns_; }
    int ColCount() const noexcept { return columns_.Count(); }
    int FixedCols() const noexcept { return 1; }
    int Col() const noexcept { return FixedCols(); }
    // Width of column col (0 outside the grid).
    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    // widths[i] becomes the width of column i, from column 0 (the indicator)
    // on; columns the grid lacks are added with default descriptions.
    void SetColWidths(const std::vector<int>& widths);

    // --- rows ----------------------------------------------------------------
    int FixedRows() const noexcept { return 1; }
    int RowCount() const noexcept { return FixedRows() + static_cast<int>(cells_.size()); }
    // Values below FixedRows() + 1 give FixedRows() + 1. New rows are empty.
    void SetRowCount(int count);
    int DefaultRowHeight() const noexcept { return defaultRowHeight_; }
    void SetDefaultRowHeight(int height);

    // Current row, 1 … RowCount() - 1 (values outside are clamped: a TOEGrid
    // selects only rows it has loaded; making the last one current scrolls it
    // into view, which loads the next rowset).
    int Row() const noexcept { return row_; }
    void SetRow(int row);
    // First data row shown below the title row; SetTopRow clamps so that the
    // grid never scrolls past its last row.
    int TopRow() const noexcept { return topRow_; }
    void SetTopRow(int row);
    // Data rows that fit wholly into the grid (at least 1).
    int VisibleRowCount() const;

    // Text of a cell. Row 0 is the title row: its text is the column's Title.
    // Outside the grid: '' (reading) or nothing (writing).
    QString CellText(int col, int row) const;
    void SetCellText(int col, int row, const QString& text);

    // Row operations (rows of the data area; the title row is never touched).
    // Clear: one empty data row, current and top row 1.
    void Clear();
    void ClearRow(int row);
    // Inserts an empty row before row (RowCount() appends).
    void InsertRow(int row);
    // Removes row; the last data row is emptied instead.
    void DeleteRow(int row);

    // Geometry, in viewport coordinates: the cell's rectangle without its
    // grid lines (empty when the cell is not in view), and the row at a
    // viewport y coordinate (-1 below the last row).
    QRect CellRect(int col, int row) const;
    int RowAt(int y) const;

    // The painter of the paint in progress (for DrawCell slots); nullptr
    // outside painting.
    QPainter* Canvas() const noexcept { return canvas_; }

Q_SIGNALS:
    void SelectCell(int col, int row);
    void DblClick();
    void DrawCell(int col, int row, const QRect& rect, TGridDrawState state);

protected:
    // Called after the top row changed (scrolling, SetTopRow, SetRow bringing a
    // row into view).
    virtual void TopLeftChanged() {}
    // The pending-change mark of a row for drawing; the plain grid has none.
    virtual TRowMark RowMark(int row) const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int RowPitch() const noexcept { return defaultRowHeight_ + GridLineWidth; }
    int DataAreaHeight() const;
    int MaxTopRow() const;
    void UpdateScrollBar();
    void ColumnsChanged();
    void PaintCell(QPainter& painter, int col, int row, const QRect& rect);
    void PaintIndicator(QPainter& painter, const QRect& rect, int row) const;
    void PaintText(QPainter& painter, const QRect& rect, const QString& text,
                   Qt::Alignment alignment, int overflow) const;

    TGridColumns columns_;
    std::vector<std::vector<QString>> cells_; // data rows; [row - FixedRows()][col]
    int defaultRowHeight_ = 19;
    int row_ = 1;
    int topRow_ = 1;
    bool syncingScrollBar_ = false;
    QPainter* canvas_ = nullptr;
};
