// The Insert and Delete keys: pending marks of the grid only, never a change
// of the database.

#include "GridTestSupport.h"

#include <QTest>

using gridtest::GridFixture;
using gridtest::Name;

namespace {

class GridEdit : public GridFixture
{
protected:
    // Reads the database through a statement of its own.
    std::string CountAndName4()
    {
        THstmt check(&Cat.Dbc, "HstmtCheck");
        check.SetSQL("SELECT COUNT(*), (SELECT PERS_NAME FROM PERSON WHERE PERS_ID = 4) "
                     "FROM PERSON");
        check.Prepare();
        check.Execute();
        check.FetchNext();
        return check.ColString(1) + " " + check.ColString(2);
    }
};

TEST_F(GridEdit, InsertAndDeleteMarkRowsAndLeaveTheDatabaseAlone)
{
    Grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Grid.get()));
    Run();
    Grid->SetRow(3);

    QTest::keyClick(Grid.get(), Qt::Key_Insert);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Grid->RowsLoaded(), 65);
    EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 65);
    EXPECT_EQ(Grid->PendingMark(3), rmNew);
    EXPECT_EQ(Grid->CellText(1, 3), QString());
    EXPECT_EQ(Grid->CellText(1, 4), Name(3));
    EXPECT_EQ(Stmt.ColInteger(2), 0); // the new row holds no values
    EXPECT_EQ(Stmt.ColString(1), "");

    // Delete marks an ordinary row; it stays, readable.
    Grid->SetRow(5);
    QTest::keyClick(Grid.get(), Qt::Key_Delete);
    EXPECT_EQ(Grid->PendingMark(5), rmDeleted);
    EXPECT_EQ(Grid->CellText(1, 5), Name(4));
    EXPECT_EQ(Stmt.ColInteger(2), 4);
    EXPECT_EQ(Grid->RowsLoaded(), 65);

    // Delete on a new row takes it away at once.
    Grid->SetRow(3);
    QTest::keyClick(Grid.get(), Qt::Key_Delete);
    EXPECT_EQ(Grid->RowsLoaded(), 64);
    EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 64);
    EXPECT_EQ(Grid->CellText(1, 3), Name(3));
    EXPECT_EQ(Grid->PendingMark(3), rmNone);
    EXPECT_EQ(Grid->PendingMark(4), rmDeleted);

    // Rows loaded after the inserted one keep their places.
    Grid->SetRow(2);
    QTest::keyClick(Grid.get(), Qt::Key_Insert);
    Grid->SetTopRow(60);
    EXPECT_EQ(Grid->RowsLoaded(), 101);
    EXPECT_EQ(Grid->CellText(1, 66), Name(65));
    Grid->SetRow(101);
    EXPECT_EQ(Stmt.ColInteger(2), 100);

    EXPECT_EQ(CountAndName4(), "100 " + Name(4).toStdString());
}

TEST_F(GridEdit, InsertIntoAnEmptyGridUsesItsEmptyRow)
{
    Run("SELECT PERS_NAME, PERS_ID FROM PERSON WHERE PERS_ID < 0");
    ASSERT_EQ(Grid->RowsLoaded(), 0);
    QTest::keyClick(Grid.get(), Qt::Key_Delete); // nothing to delete
    EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 1);
    EXPECT_EQ(Grid->PendingMark(1), rmNone);

    QTest::keyClick(Grid.get(), Qt::Key_Insert);
    EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 1);
    EXPECT_EQ(Grid->RowsLoaded(), 1);
    EXPECT_EQ(Grid->PendingMark(1), rmNew);

    QTest::keyClick(Grid.get(), Qt::Key_Delete);
    EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 1);
    EXPECT_EQ(Grid->RowsLoaded(), 0);
    EXPECT_EQ(Grid->PendingMark(1), rmNone);
}

TEST_F(GridEdit, WithoutTheOptionBitsTheKeysGoToTheForm)
{
    Run();
    Grid->SetOptions(0);
    QKeyEvent insert(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
    QApplication::sendEvent(Grid.get(), &insert);
    EXPECT_FALSE(insert.isAccepted());
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(Grid.get(), &del);
    EXPECT_FALSE(del.isAccepted());
    EXPECT_EQ(Grid->RowsLoaded(), 64);
    EXPECT_EQ(Grid->PendingMark(1), rmNone);

    // Enter and Escape are always the form's.
    Grid->SetOptions(11);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Grid.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

} // namespace
