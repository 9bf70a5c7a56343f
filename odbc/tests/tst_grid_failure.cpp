// A failing fetch, and the lifetime of grid and statement: attaching,
// detaching, and either of them destroyed first.

#include "GridTestSupport.h"

#include <QSignalSpy>
#include <QTest>

using gridtest::GridFixture;
using gridtest::Name;

namespace {

// The last column overflows a 64-bit integer from person 71 on: SQLite reports
// "integer overflow" when it steps to that row, so the first rowset arrives
// and the second fails.
const char* const FailingSql =
    "SELECT PERS_NAME, PERS_ID, CASE WHEN PERS_ID > 70 THEN abs(-9223372036854775808) END "
    "FROM PERSON ORDER BY PERS_ID";

class GridFailure : public GridFixture
{
};

TEST_F(GridFailure, AFailingFetchRaisesAndKeepsTheLoadedRows)
{
    Run(FailingSql);
    ASSERT_EQ(Grid->RowsLoaded(), 64);

    EXPECT_THROW(Grid->SetTopRow(54), EODBC);
    EXPECT_FALSE(Grid->Fetching());
    EXPECT_EQ(Grid->RowsLoaded(), 64);
    EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 64);
    EXPECT_EQ(Grid->CellText(1, 64), Name(64));
    Grid->SetRow(64);
    EXPECT_EQ(Stmt.ColInteger(2), 64);

    // The failed result is not read again (a driver may start it over and
    // repeat rows); scrolling works on the rows there are.
    EXPECT_NO_THROW(Grid->SetTopRow(1));
    EXPECT_NO_THROW(Grid->SetTopRow(54));
    EXPECT_EQ(Grid->RowsLoaded(), 64);

    // The next Execute fills the grid as usual.
    Run();
    EXPECT_EQ(Grid->RowsLoaded(), 64);
    EXPECT_EQ(Grid->CellText(1, 1), Name(1));
}

TEST_F(GridFailure, AFailingFirstRowsetRaisesOutOfExecute)
{
    Run();
    EXPECT_THROW(Run("SELECT PERS_NAME, abs(-9223372036854775808) FROM PERSON"), EODBC);
    EXPECT_FALSE(Grid->Populated());
    EXPECT_FALSE(Grid->Fetching());
    EXPECT_EQ(Grid->RowsLoaded(), 0);
    EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 1);
    EXPECT_EQ(Grid->CellText(1, 1), QString());
    EXPECT_EQ(Stmt.ColString(1), "");
}

TEST_F(GridFailure, AttachingTakesTheCallbacksAndASecondControlIsRefused)
{
    Run();
    EXPECT_TRUE(Stmt.HasControl());

    TOEGrid second;
    ExpectGeneralException([&] { second.SetHstmt(&Stmt); },
                           "HstmtList is already connected to a control.");
    EXPECT_EQ(second.Hstmt(), nullptr);
    EXPECT_EQ(Grid->Hstmt(), &Stmt);

    // Attaching the first grid to another statement frees the first one and
    // empties the grid; a statement without a grid reads its own row 1.
    THstmt other(&Cat.Dbc, "HstmtOther");
    other.SetRowSetSize(64);
    Grid->SetHstmt(&other);
    EXPECT_FALSE(Stmt.HasControl());
    EXPECT_TRUE(other.HasControl());
    EXPECT_FALSE(Grid->Populated());
    EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 1);
    Run();
    EXPECT_EQ(Grid->RowsLoaded(), 0); // Stmt no longer fills the grid
    EXPECT_TRUE(Stmt.FetchNext());
    EXPECT_EQ(Stmt.ColInteger(2), 1);

    second.SetHstmt(&Stmt);
    EXPECT_EQ(second.Hstmt(), &Stmt);
    Grid->SetHstmt(nullptr);
    EXPECT_FALSE(other.HasControl());
}

TEST_F(GridFailure, TheGridDestroyedFirstLeavesAPlainStatement)
{
    Run();
    Grid->SetRow(10);
    ASSERT_EQ(Stmt.ColInteger(2), 10);
    Grid.reset();
    EXPECT_FALSE(Stmt.HasControl());

    // Executing no longer calls into the destroyed grid, and reads go to the
    // statement's own first row.
    Run();
    EXPECT_EQ(Stmt.ColInteger(2), 0); // nothing fetched yet
    ASSERT_TRUE(Stmt.FetchNext());
    EXPECT_EQ(Stmt.ColInteger(2), 1);
    ASSERT_TRUE(Stmt.FetchNext());
    EXPECT_EQ(Stmt.ColInteger(2), 65);
}

TEST_F(GridFailure, TheStatementDestroyedFirstLeavesTheGridWithItsRows)
{
    auto stmt = std::make_unique<THstmt>(&Cat.Dbc, "HstmtShort");
    stmt->SetRowSetSize(64);
    TOEGrid grid;
    grid.Columns().Add(QStringLiteral("Name"), 200);
    grid.resize(300, gridtest::GridHeight(grid, VisibleRows));
    grid.SetHstmt(stmt.get());
    stmt->SetSQL(gridtest::ListSql);
    stmt->Prepare();
    stmt->Execute();
    ASSERT_EQ(grid.RowsLoaded(), 64);

    stmt.reset();
    EXPECT_EQ(grid.Hstmt(), nullptr);
    // Scrolling to where the next rowset would be needed fetches nothing.
    grid.SetTopRow(60);
    EXPECT_EQ(grid.RowsLoaded(), 64);
    EXPECT_EQ(grid.CellText(1, 64), Name(64));
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    EXPECT_FALSE(grid.grab().isNull());
    grid.SetHstmt(nullptr);
}

} // namespace
