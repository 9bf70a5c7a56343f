// The data scope: while a grid is attached, reading a column of the statement
// gives the value of the grid's selected row from the grid's row cache, for
// shown and hidden result columns alike.

#include "GridTestSupport.h"

#include <QTest>

using gridtest::GridFixture;
using gridtest::Name;

namespace {

class GridScope : public GridFixture
{
};

TEST_F(GridScope, ReadingTheStatementGivesTheSelectedRow)
{
    Grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Grid.get()));
    Run();
    EXPECT_EQ(Stmt.ColInteger(2), 1);

    Grid->SetRow(5);
    EXPECT_EQ(Stmt.ColInteger(2), 5);
    EXPECT_EQ(Stmt.ColString(1), Name(5).toStdString());
    EXPECT_EQ(Stmt.ColStringByName("PERS_NAME"), Name(5).toStdString());
    EXPECT_EQ(Stmt.ColIntegerByName("PERS_YEAR"), 1905);

    QTest::keyClick(Grid.get(), Qt::Key_Down);
    QTest::keyClick(Grid.get(), Qt::Key_Down);
    EXPECT_EQ(Stmt.ColInteger(2), 7);
    QTest::keyClick(Grid.get(), Qt::Key_Up);
    EXPECT_EQ(Stmt.ColInteger(2), 6);

    // A click on the third visible row selects it.
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {}, Grid->CellRect(1, 3).center());
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Stmt.ColInteger(2), 3);

    // A row of the second rowset: the grid's value, while the statement's own
    // buffers hold the second rowset, whose first row is person 65.
    Grid->SetTopRow(60);
    ASSERT_EQ(Grid->RowsLoaded(), 100);
    Grid->SetRow(90);
    EXPECT_EQ(Stmt.ColInteger(2), 90);
    EXPECT_EQ(Stmt.CellInteger(2, 1), 65);
    EXPECT_EQ(Stmt.ColString(4), "Notiz 90");
}

TEST_F(GridScope, ResultColumnsWithoutGridColumnsAreCachedAndReadable)
{
    Run();
    // The grid shows result column 1 only.
    ASSERT_EQ(Grid->ColCount(), 2);
    EXPECT_EQ(Grid->CellText(2, 8), QString());

    Grid->SetRow(8);
    EXPECT_EQ(Stmt.ColInteger(2), 8);
    EXPECT_EQ(Stmt.ColInteger(3), 1908);
    EXPECT_EQ(Stmt.ColString(4), "Notiz 8");
    // The raw value keeps the C type the statement bound.
    const std::optional<TCellView> id = Grid->CachedCell(2, 8);
    ASSERT_TRUE(id.has_value());
    EXPECT_EQ(id->CType, Stmt.ColCType(2));
    EXPECT_EQ(THstmt::ValueToInteger(*id), 8);
    EXPECT_FALSE(Grid->CachedCell(5, 8).has_value());
    // Outside the result: '' and 0, as without a grid.
    EXPECT_EQ(Stmt.ColString(9), "");
    EXPECT_EQ(Stmt.ColInteger(0), 0);
}

TEST_F(GridScope, NullValuesReadAsEmptyAndZero)
{
    Cat.Source.ExecSql("UPDATE PERSON SET PERS_YEAR = NULL, PERS_NOTE = NULL WHERE PERS_ID = 2");
    Run();
    Grid->SetRow(2);
    EXPECT_EQ(Stmt.ColInteger(3), 0);
    EXPECT_EQ(Stmt.ColString(4), "");
    ASSERT_TRUE(Grid->CachedCell(3, 2).has_value());
    EXPECT_TRUE(Grid->CachedCell(3, 2)->IsNull());
}

} // namespace
