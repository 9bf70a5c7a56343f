// Populating and fetch-more: the grid reads the result rowset by rowset, only
// as far as it shows rows, and starts over at every Execute.

#include "GridTestSupport.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using gridtest::GridFixture;
using gridtest::Name;

namespace {

class GridFetch : public GridFixture
{
};

TEST_F(GridFetch, ElevenVisibleRowsLoadOneRowsetAndTheRestWhenScrolledPastIt)
{
    Run();
    ASSERT_EQ(Grid->VisibleRowCount(), VisibleRows);
    EXPECT_TRUE(Grid->Populated());
    EXPECT_FALSE(Grid->FirstFetch());
    EXPECT_EQ(Fetches, 1);
    EXPECT_EQ(Grid->RowsLoaded(), 64);
    EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 64);
    EXPECT_EQ(Grid->CellText(1, 1), Name(1));
    EXPECT_EQ(Grid->CellText(1, 64), Name(64));

    // Rows 53 … 63 in view, the 64th just below: nothing more is needed.
    Grid->SetTopRow(53);
    EXPECT_EQ(Grid->RowsLoaded(), 64);
    EXPECT_EQ(Fetches, 1);

    // The 64th row reaches the bottom line: the row after it must be there.
    Grid->SetTopRow(54);
    EXPECT_EQ(Grid->TopRow(), 54);
    EXPECT_EQ(Fetches, 2);
    EXPECT_EQ(Grid->RowsLoaded(), 100);
    EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 100);
    EXPECT_EQ(Grid->CellText(1, 65), Name(65));
    EXPECT_EQ(Grid->CellText(1, 100), Name(100));

    // Scrolling to the end finds the end of the result; no more rows appear.
    Grid->SetTopRow(1000);
    EXPECT_EQ(Grid->TopRow(), Grid->RowCount() - VisibleRows);
    EXPECT_EQ(Grid->RowsLoaded(), 100);
    EXPECT_EQ(Fetches, 2);
}

TEST_F(GridFetch, ScrollBarKeysAndResizeBringFurtherRows)
{
    Grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Grid.get()));
    Run();
    QScrollBar* bar = Grid->verticalScrollBar();
    // The scroll bar covers the loaded rows only, as in the old grid.
    EXPECT_EQ(bar->maximum(), 64 - VisibleRows);
    EXPECT_EQ(bar->pageStep(), VisibleRows);

    bar->setValue(bar->maximum());
    EXPECT_EQ(Grid->TopRow(), 64 - VisibleRows + 1);
    EXPECT_EQ(Grid->RowsLoaded(), 100);
    EXPECT_EQ(bar->maximum(), 100 - VisibleRows);

    // Keys: a new result, then End moves to the last loaded row, which scrolls
    // it to the bottom line and loads the next rowset.
    Run();
    EXPECT_EQ(Grid->RowsLoaded(), 64);
    QTest::keyClick(Grid.get(), Qt::Key_PageDown);
    EXPECT_EQ(Grid->Row(), 1 + VisibleRows);
    EXPECT_EQ(Grid->RowsLoaded(), 64);
    QTest::keyClick(Grid.get(), Qt::Key_End);
    EXPECT_EQ(Grid->Row(), 64);
    EXPECT_EQ(Grid->RowsLoaded(), 100);
    QTest::keyClick(Grid.get(), Qt::Key_Down);
    EXPECT_EQ(Grid->Row(), 65);

    // Resizing: a grid made taller than the loaded rows loads what it shows.
    Run();
    EXPECT_EQ(Grid->RowsLoaded(), 64);
    Grid->resize(Grid->width(), gridtest::GridHeight(*Grid, 70));
    EXPECT_EQ(Grid->VisibleRowCount(), 70);
    EXPECT_EQ(Grid->RowsLoaded(), 100);
}

TEST_F(GridFetch, ATallGridLoadsRowsetsUntilItIsFull)
{
    Grid->resize(300, gridtest::GridHeight(*Grid, 130));
    Run();
    // 100 rows in two rowsets, then the end of the result.
    EXPECT_EQ(Grid->RowsLoaded(), 100);
    EXPECT_EQ(Fetches, 2);
    EXPECT_EQ(Grid->TopRow(), 1);
    EXPECT_EQ(Grid->verticalScrollBar()->maximum(), 0);
}

TEST_F(GridFetch, EveryExecuteStartsOverAtTheFirstRow)
{
    Run();
    // The current row can only be one the grid holds; moving to the last one
    // scrolls it into view, which loads the next rowset.
    Grid->SetRow(80);
    EXPECT_EQ(Grid->Row(), 64);
    EXPECT_EQ(Grid->RowsLoaded(), 100);
    Grid->SetRow(80);
    ASSERT_EQ(Grid->Row(), 80);
    QSignalSpy selected(Grid.get(), &TExtendedGrid::SelectCell);

    Run("SELECT PERS_NAME, PERS_ID FROM PERSON WHERE PERS_ID > 70 ORDER BY PERS_ID");
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->TopRow(), 1);
    EXPECT_EQ(Grid->RowsLoaded(), 30);
    EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 30);
    EXPECT_EQ(Grid->CellText(1, 1), Name(71));
    EXPECT_EQ(Grid->CellText(1, 31), QString()); // the old rows are gone
    EXPECT_EQ(Stmt.ColInteger(2), 71);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(1).toInt(), 1);

    // Executing again without Prepare, after a partly read result, starts
    // from the first row too.
    Run();
    Grid->SetRow(10);
    Stmt.Execute();
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->RowsLoaded(), 64);
    EXPECT_EQ(Grid->CellText(1, 1), Name(1));
    EXPECT_EQ(Grid->CellText(1, 64), Name(64));
}

TEST_F(GridFetch, AnEmptyResultLeavesOneEmptyRowAndSaysSoOnce)
{
    QSignalSpy empty(Grid.get(), &TOEGrid::ResultSetEmpty);
    Run();
    EXPECT_EQ(empty.count(), 0);

    Run("SELECT PERS_NAME, PERS_ID FROM PERSON WHERE PERS_ID > 1000");
    EXPECT_EQ(empty.count(), 1);
    EXPECT_TRUE(Grid->Populated());
    EXPECT_TRUE(Grid->FirstFetch());
    EXPECT_EQ(Grid->RowsLoaded(), 0);
    EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 1);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->CellText(1, 1), QString());
    EXPECT_EQ(Stmt.ColString(1), "");
    EXPECT_EQ(Stmt.ColInteger(2), 0);
    EXPECT_EQ(Stmt.ColStringByName("PERS_NAME"), "");

    // Moving and resizing the empty grid neither fetches nor reports again.
    Grid->SetTopRow(5);
    Grid->resize(300, gridtest::GridHeight(*Grid, 20));
    Grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Grid.get()));
    EXPECT_EQ(empty.count(), 1);
    EXPECT_EQ(Fetches, 1);
}

TEST_F(GridFetch, AttachingTitlesAndSizesFromTheResultWhenAsked)
{
    Grid->Columns().Add(QString(), 10);
    Grid->Columns().Add(QStringLiteral("Jahr"), 50);
    Grid->SetAutoTitle(true);
    Grid->SetAutoSize(true);
    Run();
    // Column 1 has a title: kept as it is. Column 2 is filled from PERS_ID,
    // column 3 keeps its title and width.
    EXPECT_EQ(Grid->Columns().At(1).Title, QStringLiteral("Name"));
    EXPECT_EQ(Grid->ColWidth(1), 260);
    EXPECT_EQ(Grid->Columns().At(2).Title, QStringLiteral("PERS_ID"));
    EXPECT_GE(Grid->ColWidth(2), 64);
    EXPECT_EQ(Grid->Columns().At(3).Title, QStringLiteral("Jahr"));
    EXPECT_EQ(Grid->ColWidth(3), 50);
    EXPECT_EQ(Grid->CellText(2, 5), QStringLiteral("5"));
    EXPECT_EQ(Grid->CellText(3, 5), QStringLiteral("1905"));
}

} // namespace
