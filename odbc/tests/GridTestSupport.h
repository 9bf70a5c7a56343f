#pragma once

// Shared set-up of the grid tests: a catalogue of 100 persons on a private
// data source with StepAPI=1 (as the program registers it, so forward-only
// results stream), a list statement set up as the list screens set theirs
// (forward-only, RowSetSize 64) and a grid attached to it that shows exactly
// `VisibleRows` whole data rows.

#include "OclTestSupport.h"
#include "odbc/OVCL.h"

#include <QString>

#include <memory>
#include <string>

namespace gridtest {

// Names with umlauts and a sharp s, numbered so that row n holds person n.
inline const char* const PersonSql = R"SQL(
CREATE TABLE PERSON (PERS_ID INTEGER PRIMARY KEY, PERS_NAME VARCHAR(254),
                     PERS_YEAR INTEGER, PERS_NOTE VARCHAR(254));
WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 100)
INSERT INTO PERSON SELECT x, printf('Müller-Weiß %03d', x), 1900 + x, printf('Notiz %d', x) FROM n;
)SQL";

inline const char* const ListSql =
    "SELECT PERS_NAME, PERS_ID, PERS_YEAR, PERS_NOTE FROM PERSON ORDER BY PERS_ID";

inline TestDataSource::Options StepApi()
{
    TestDataSource::Options options;
    options.DsnLines = {"StepAPI=1"};
    return options;
}

inline QString Name(int n)
{
    return QStringLiteral("Müller-Weiß %1").arg(n, 3, 10, QLatin1Char('0'));
}

// Height of a grid that shows `rows` whole data rows below its title row.
inline int GridHeight(const TExtendedGrid& grid, int rows)
{
    return 2 * grid.frameWidth() + (rows + 1) * (grid.DefaultRowHeight() + 1);
}

class GridFixture : public ::testing::Test
{
protected:
    static constexpr int VisibleRows = 11;

    OclCatalogue Cat{PersonSql, StepApi()};
    THstmt Stmt{&Cat.Dbc, "HstmtList"};
    std::unique_ptr<TOEGrid> Grid = std::make_unique<TOEGrid>();
    int Fetches = 0;

    GridFixture()
    {
        Stmt.SetRowSetSize(64);
        Stmt.SetOnFetch([this](THstmt&) { ++Fetches; });
        Grid->Columns().Add(QStringLiteral("Name"), 260); // shows result column 1 only
        Grid->resize(300, GridHeight(*Grid, VisibleRows));
        Grid->SetHstmt(&Stmt);
    }

    void Run(const std::string& sql = ListSql)
    {
        Stmt.SetSQL(sql);
        Stmt.Prepare();
        Stmt.Execute();
    }
};

} // namespace gridtest
