#pragma once

// Unit OVCL: TOEGrid, the result grid. Every list of the program is one.
//
// USE (what a list screen does)
//
//   TOEGrid* grid = new TOEGrid(this);             // indicator column made
//   grid->setGeometry(...);
//   grid->Columns().Add(QString(), 380);           // result column 1
//   grid->SetHstmt(&HstmtList);                    // attach
//   HstmtList.SetSQL("SELECT PERS_NAME, PERS_ID FROM PERSON ...");
//   HstmtList.Prepare();
//   HstmtList.Execute();                           // the grid fills itself
//   ...
//   int id = HstmtList.ColInteger(2);              // PERS_ID of the selected row
//
// The statement feeding a grid should be forward-only (CursorType 0) with
// RowSetSize 64: the grid only ever fetches forward (FetchNext), and only a
// forward-only cursor lets the SQLite ODBC driver stream the result instead
// of reading all of it at Execute.
//
// POPULATE (after every successful Execute of the attached statement)
//
// The grid clears itself (one empty data row, current and top row 1) and its
// row cache, fills empty titles and widths when AutoTitle / AutoSize are on,
// and loads rowsets until it holds every row it shows. Result column i is
// shown in grid column i (FixedCols() + i - 1) when the grid has that column;
// result columns beyond the grid's columns are not shown, but their values are
// cached like the others. Cell texts are the values as THstmt::ValueToString
// gives them (UTF-8 text of the driver as QString).
//
// An empty result leaves the one empty data row, RowsLoaded() 0, and emits
// ResultSetEmpty() once.
//
// FETCH-MORE (whenever the top row changes, and on every resize once the
// first rowset has arrived)
//
// Rowsets are fetched while the row just below the wholly visible rows is not
// loaded yet: the grid keeps every row it shows plus one, so the user can
// always scroll or move one row further while the result has more rows. A
// grid showing 11 rows therefore holds the first rowset (64 rows) until the
// 64th row reaches its bottom line. The rest of the result is never read in
// advance. At the end of the result fetching stops until the next Execute.
//
// A failing fetch raises EODBC out of whatever moved the grid (Execute,
// SetTopRow, SetRow, a key, the scroll bar, a resize; the application shows
// exceptions from event handlers). The rows already loaded stay, and the grid
// fetches nothing more from that result: a driver may start a failed
// statement over, which would repeat rows.
//
// DATA SCOPE
//
// While attached, THstmt::ColString / ColInteger (and the ByName variants)
// read the cached values of the grid's selected row (Row()); a row without
// values (the empty row of an empty result, a row made by Insert) reads as ''
// and 0. CellString / CellInteger read the statement's own rowset as always.
//
// KEYS
//
// Insert inserts an empty row at the current row, counts it as loaded and
// marks it new; Delete marks the current row deleted, or removes a row marked
// new. The marks (PendingMark) are drawn in the indicator column; nothing is
// written to the database.
//
// LIFETIME
//
// SetHstmt(nullptr) or destroying the grid removes the grid's callbacks from
// the statement. A statement destroyed first sets the grid's Hstmt() to
// nullptr; the grid keeps its rows and values.

#include "odbc/ExtGrid.h"
#include "odbc/RowCache.h"

#include <optional>

class THstmt;

class TOEGrid : public TExtendedGrid
{
    Q_OBJECT

public:
    // The options word of the old grid: bit 8 Insert key, bit 2 Delete key
    // (and bit 1); every grid of the program has 11.
    static constexpr int goRowInsert = 8;
    static constexpr int goRowDelete = 2;

    explicit TOEGrid(QWidget* parent = nullptr);
    ~TOEGrid() override;

    // The attached statement (nullptr: none). Attaching takes the statement's
    // control callbacks from the previous one; a statement that already
    // feeds another control raises Exception "<name> is already connected to
    // a control." (the grid is then attached to none). Attaching another
    // statement empties the grid.
    THstmt* Hstmt() const noexcept { return hstmt_; }
    void SetHstmt(THstmt* stmt);

    // With AutoTitle, an empty grid column title becomes the result column's
    // name; with AutoSize, the width of a grid column with an empty title
    // becomes precision × half the width of "Xx" (at least the title's width
    // and 64 pixels). Both are off by default, as in every form of the program.
    bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool value) noexcept { autoSize_ = value; }
    bool AutoTitle() const noexcept { return autoTitle_; }
    void SetAutoTitle(bool value) noexcept { autoTitle_ = value; }

    int Options() const noexcept { return options_; }
    void SetOptions(int options) noexcept { options_ = options; }

    // The grid holds a result (set when populating has loaded its rows).
    bool Populated() const noexcept { return populated_; }
    // No rowset has arrived since the last Execute.
    bool FirstFetch() const noexcept { return firstFetch_; }
    // Data rows loaded (rows made by Insert count, removed ones do not).
    int RowsLoaded() const noexcept { return rowsLoaded_; }
    // A rowset is being copied into the grid.
    bool Fetching() const noexcept { return fetching_; }

    // Raw cached value of result column col in grid row row (std::nullopt:
    // none); valid until the grid changes.
    std::optional<TCellView> CachedCell(int col, int row) const;
    // Pending-change mark of grid row row.
    TRowMark PendingMark(int row) const noexcept;

    // Loads rowsets until the grid holds the rows it shows (see above);
    // run by the grid itself, public for screens that change the grid's size
    // in ways it does not see.
    void FetchMore();

Q_SIGNALS:
    void ResultSetEmpty();

protected:
    void TopLeftChanged() override;
    TRowMark RowMark(int row) const override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Populate(THstmt& stmt);
    void ApplyAutoColumns(THstmt& stmt);
    void LoadRowset(THstmt& stmt);
    std::optional<TCellView> SelectedCell(int col) const;
    int DataRow(int row) const noexcept { return row - FixedRows() + 1; }
    void InsertKey();
    void DeleteKey();

    THstmt* hstmt_ = nullptr; // the slot the statement clears when destroyed
    TGridRowCache cache_;
    bool autoSize_ = false;
    bool autoTitle_ = false;
    int options_ = 11;
    bool populated_ = false;
    bool firstFetch_ = false;
    bool resultOpen_ = false; // more rows may come from the current result
    int rowsLoaded_ = 0;
    bool fetching_ = false;
};
