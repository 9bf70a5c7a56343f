// The attached control (the result grid attaches through it) and the data scope: with a control
// attached, ColString/ColInteger read the control's current row.

#include "OclTestSupport.h"

#include <string>
#include <vector>

namespace {

const char* const Sql = R"SQL(
CREATE TABLE BAND (BAND_ID INTEGER PRIMARY KEY, BAND_NAME VARCHAR(254), BAND_YEAR INTEGER);
INSERT INTO BAND VALUES (1, 'Amon Düül', 1967), (2, 'Can', 1968), (3, 'Kraftwerk', 1970),
  (4, 'Neu!', 1971), (5, 'Faust', 1971);
)SQL";

// What the result grid does, without the widget: a slot, a row cache filled
// after every execute (first rowset only), a current row.
class FakeGrid
{
public:
    THstmt* Hstmt = nullptr; // the statement slot
    std::vector<std::vector<TCellValue>> Rows;
    int CurrentRow = 1; // data row number from 1
    int Populated = 0;
    int Fetched = 0;

    ~FakeGrid() { THstmt::AttachControl(Hstmt, nullptr, {}); }

    void Attach(THstmt* stmt)
    {
        THstmt::AttachControl(Hstmt, stmt,
                              TControlCallbacks{[this](THstmt& s) { Populate(s); },
                                                [this](THstmt&) { ++Fetched; },
                                                [this](int col) { return Cell(col); }});
    }

    void Populate(THstmt& stmt)
    {
        ++Populated;
        Rows.clear();
        CurrentRow = 1;
        if (!stmt.FetchNext()) {
            return;
        }
        for (int row = 1; row <= stmt.NumRowsFetched(); ++row) {
            std::vector<TCellValue> values;
            for (int col = 1; col <= stmt.NumCols(); ++col) {
                values.emplace_back(*stmt.RawCell(col, row));
            }
            Rows.push_back(std::move(values));
        }
    }

    std::optional<TCellView> Cell(int col) const
    {
        if (CurrentRow < 1 || CurrentRow > static_cast<int>(Rows.size())) {
            return std::nullopt;
        }
        const auto& row = Rows[static_cast<std::size_t>(CurrentRow - 1)];
        if (col < 1 || col > static_cast<int>(row.size())) {
            return std::nullopt;
        }
        return row[static_cast<std::size_t>(col - 1)].View();
    }
};

class OclControl : public ::testing::Test
{
protected:
    OclCatalogue Cat{Sql};
    THstmt Stmt{&Cat.Dbc, "Hstmt1"};

    void Run()
    {
        Stmt.SetSQL("SELECT BAND_NAME, BAND_ID, BAND_YEAR FROM BAND ORDER BY BAND_ID");
        Stmt.Prepare();
        Stmt.Execute();
    }
};

} // namespace

TEST_F(OclControl, ColumnReadsGoToTheControlsCurrentRow)
{
    Stmt.SetCursorType(SQL_CURSOR_KEYSET_DRIVEN);
    Stmt.SetRowSetSize(64);
    FakeGrid grid;
    grid.Attach(&Stmt);
    EXPECT_EQ(grid.Hstmt, &Stmt);
    EXPECT_TRUE(Stmt.HasControl());

    Run();
    EXPECT_EQ(grid.Populated, 1); // after-execute callback
    EXPECT_EQ(grid.Fetched, 1);   // after-fetch callback
    ASSERT_EQ(grid.Rows.size(), 5U);

    grid.CurrentRow = 2;
    EXPECT_EQ(Stmt.ColInteger(2), 2); // the grid's row, not row 1 of the rowset
    EXPECT_EQ(Stmt.ColString(1), "Can");
    EXPECT_EQ(Stmt.ColIntegerByName("BAND_YEAR"), 1968);
    EXPECT_EQ(Stmt.ColStringByName("BAND_NAME"), "Can");

    grid.CurrentRow = 1;
    EXPECT_EQ(Stmt.ColString(1), "Amon Düül");
    grid.CurrentRow = 5;
    EXPECT_EQ(Stmt.ColInteger(2), 5);

    // Cell reads without SetDataScope use the statement's own buffers.
    EXPECT_EQ(Stmt.CellInteger(2, 1), 1);
    EXPECT_EQ(Stmt.CellString(1, 3), "Kraftwerk");
    // The scope is used once: SetDataScope, then the next lookup only.
    Stmt.SetDataScope();
    EXPECT_EQ(Stmt.CellInteger(2, 1), 5);
    EXPECT_EQ(Stmt.CellInteger(2, 1), 1);

    // A row without data in the grid reads as nothing.
    grid.CurrentRow = 9;
    EXPECT_EQ(Stmt.ColString(1), "");
    EXPECT_EQ(Stmt.ColInteger(2), 0);
    // A column outside the result is not asked for.
    grid.CurrentRow = 2;
    EXPECT_EQ(Stmt.ColInteger(4), 0);
    EXPECT_EQ(Stmt.CellInteger(2, 1), 1); // and the scope was reset anyway

    // Every execute repopulates.
    Run();
    EXPECT_EQ(grid.Populated, 2);
    EXPECT_EQ(grid.CurrentRow, 1);
    EXPECT_EQ(Stmt.ColString(1), "Amon Düül");
}

TEST_F(OclControl, WithoutControlColumnReadsUseRowOne)
{
    Stmt.SetRowSetSize(64);
    Run();
    ASSERT_TRUE(Stmt.FetchFirst());
    Stmt.SetDataScope(); // no control: no effect
    EXPECT_EQ(Stmt.ColInteger(2), 1);
    EXPECT_EQ(Stmt.ColString(1), "Amon Düül");
    EXPECT_FALSE(Stmt.HasControl());
}

TEST_F(OclControl, SecondControlRaises)
{
    FakeGrid first;
    FakeGrid second;
    first.Attach(&Stmt);
    ExpectGeneralException([&] { second.Attach(&Stmt); },
                           "Hstmt1 is already connected to a control.");
    EXPECT_EQ(second.Hstmt, nullptr);
    EXPECT_EQ(first.Hstmt, &Stmt);

    // The same control may attach the same statement again (it first loses its
    // callbacks).
    first.Attach(&Stmt);
    EXPECT_EQ(first.Hstmt, &Stmt);
    Run();
    EXPECT_EQ(first.Populated, 1);
    EXPECT_EQ(second.Populated, 0);
}

TEST_F(OclControl, AttachingAnotherStatementDetachesTheOld)
{
    THstmt other(&Cat.Dbc, "Hstmt2");
    FakeGrid grid;
    grid.Attach(&Stmt);
    grid.Attach(&other);
    EXPECT_EQ(grid.Hstmt, &other);
    EXPECT_FALSE(Stmt.HasControl());
    EXPECT_TRUE(other.HasControl());

    Run(); // the old statement no longer feeds the grid
    EXPECT_EQ(grid.Populated, 0);
    ASSERT_TRUE(Stmt.FetchFirst());
    EXPECT_EQ(Stmt.ColString(1), "Amon Düül");

    // Now another grid may take the old statement.
    FakeGrid next;
    next.Attach(&Stmt);
    EXPECT_EQ(next.Hstmt, &Stmt);
}

TEST_F(OclControl, DetachAndDestruction)
{
    auto stmt = std::make_unique<THstmt>(&Cat.Dbc, "Hstmt3");
    {
        FakeGrid grid;
        grid.Attach(stmt.get());
        EXPECT_TRUE(stmt->HasControl());
    } // the grid detaches when it goes
    EXPECT_FALSE(stmt->HasControl());

    FakeGrid grid;
    grid.Attach(stmt.get());
    stmt->SetSQL("SELECT BAND_NAME FROM BAND");
    stmt->Prepare();
    stmt->Execute();
    EXPECT_EQ(grid.Populated, 1);
    stmt.reset(); // the statement clears the grid's slot when it goes
    EXPECT_EQ(grid.Hstmt, nullptr);
}
