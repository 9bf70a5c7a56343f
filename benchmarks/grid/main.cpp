// musarix-bench-grid [--db=PATH] [--runs=N]
//
// The result grid on the large synthetic catalogue: the time from Execute to
// the grid showing the first rows of the person list (no pattern, a prefix
// pattern, an anywhere pattern), the rows loaded by opening, and the
// process's resident memory with the list open, side by side with plain
// SQLite stepping the same query for one rowset. The catalogue is taken from
// --db, else $MUSARIX_BENCH_DB, else the build directory (generated there
// first when missing). Prints Markdown tables.

#include "benchmarks/grid/GridOpening.h"
#include "benchmarks/grid/ResidentMemory.h"
#include "benchmarks/lists/BenchDataSource.h"
#include "benchmarks/lists/ListStatements.h"
#include "benchmarks/lists/SqliteFirstRowset.h"
#include "benchmarks/synth/SqliteDatabase.h"
#include "benchmarks/synth/SyntheticCatalogue.h"
#include "odbc/CatalogSchema.h"
#include "odbc/OCL.h"
#include "odbc/OVCL.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using musarix::bench::GridOpening;
using musarix::bench::ResidentKiB;

// Every person, not only those with a page: the largest result there is.
const char* const AllPersonsSql = "SELECT PERS_NAME, PERS_ID FROM PERSON ORDER BY PERS_NAME";

// Rows the measured grid shows: about what fits into a list screen of the
// 640 x 480 program.
constexpr int ShownRows = 17;

struct Options
{
    std::filesystem::path Database = MUSARIX_BENCH_DEFAULT_DB;
    int Runs = 200;
};

Options ParseOptions(int argc, char** argv)
{
    Options options;
    if (const char* env = std::getenv("MUSARIX_BENCH_DB")) {
        options.Database = env;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("--db=")) {
            options.Database = arg.substr(5);
        } else if (arg.starts_with("--runs=")) {
            options.Runs = std::max(std::atoi(arg.c_str() + 7), 1);
        }
    }
    return options;
}

double Percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return values[index];
}

struct Row
{
    std::string Label;
    std::vector<double> Filled;
    std::vector<double> Painted;
    std::vector<double> Sqlite;
    int RowsLoaded = 0;
    int Fetches = 0;
    int SqliteRows = 0;
};

void PrintTimes(const std::vector<Row>& rows)
{
    std::printf("\n| list | grid filled (median / p90) | grid filled and painted (median / p90) "
                "| plain SQLite, 64 rows (median) | ratio filled / SQLite | rows loaded | "
                "fetches |\n|---|---:|---:|---:|---:|---:|---:|\n");
    for (const Row& row : rows) {
        const double sqlite = Percentile(row.Sqlite, 0.5);
        std::printf("| %s | %.1f / %.1f µs | %.1f / %.1f µs | %.1f µs | %.1f× | %d | %d |\n",
                    row.Label.c_str(), Percentile(row.Filled, 0.5), Percentile(row.Filled, 0.9),
                    Percentile(row.Painted, 0.5), Percentile(row.Painted, 0.9), sqlite,
                    Percentile(row.Filled, 0.5) / sqlite, row.RowsLoaded, row.Fetches);
    }
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const Options options = ParseOptions(argc, argv);
        if (!std::filesystem::exists(options.Database)) {
            std::printf("Generating the synthetic catalogue %s (once) ...\n",
                        options.Database.c_str());
            std::fflush(stdout);
            std::filesystem::create_directories(options.Database.parent_path());
            musarix::synth::SyntheticCatalogue().write(options.Database.string(),
                                                       CatalogSchemaSql());
        }
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QApplication app(argc, argv);
        const long rssStart = ResidentKiB();

        musarix::synth::SqliteDatabase sqlite(options.Database.string(),
                                              musarix::synth::SqliteDatabase::Mode::ReadOnly);
        const musarix::bench::BenchDataSource dataSource(options.Database,
                                                         MUSARIX_SQLITE_ODBC_DRIVER_PATH);
        THenv env("CatalogEnv");
        THdbc dbc(&env, "CatalogDbc");
        dbc.SetDataSource(musarix::bench::BenchDataSource::kStepDsn);
        dbc.Connect();
        THstmt stmt(&dbc, "HstmtList");
        stmt.SetCursorType(SQL_CURSOR_FORWARD_ONLY);
        stmt.SetRowSetSize(musarix::bench::kRowsetRows);

        TOEGrid grid;
        grid.Columns().Add(QString(), 380);
        grid.resize(420, 2 * grid.frameWidth() + (ShownRows + 1) * (grid.DefaultRowHeight() + 1));
        grid.show();
        QCoreApplication::processEvents();
        grid.SetHstmt(&stmt);
        GridOpening opening(stmt, grid);
        std::printf("catalogue %s, grid showing %d rows, %d runs per list\n",
                    options.Database.c_str(), grid.VisibleRowCount(), options.Runs);

        std::vector<std::pair<std::string, std::string>> lists;
        for (const auto& statement : musarix::bench::kPersonListStatements) {
            lists.emplace_back(std::string(statement.label), std::string(statement.sql));
        }
        lists.emplace_back("every person", AllPersonsSql);

        std::vector<Row> rows;
        const long rssBeforeLists = ResidentKiB();
        long rssFirstOpen = 0;
        for (const auto& [label, sql] : lists) {
            Row row;
            row.Label = label;
            musarix::bench::SqliteFirstRowset floor(sqlite, sql, musarix::bench::kRowsetRows);
            const int warmUp = std::max(options.Runs / 10, 3);
            for (int i = 0; i < warmUp + options.Runs; ++i) {
                const GridOpening::Times times = opening.Open(sql);
                if (rssFirstOpen == 0) {
                    rssFirstOpen = ResidentKiB();
                }
                const auto start = Clock::now();
                row.SqliteRows = floor.run();
                const double sqliteMicros =
                    std::chrono::duration<double, std::micro>(Clock::now() - start).count();
                if (i >= warmUp) {
                    row.Filled.push_back(times.FilledMicros);
                    row.Painted.push_back(times.PaintedMicros);
                    row.Sqlite.push_back(sqliteMicros);
                    row.RowsLoaded = times.RowsLoaded;
                    row.Fetches = times.Fetches;
                }
            }
            rows.push_back(std::move(row));
        }
        PrintTimes(rows);

        // Memory: the largest list open, opened again and again, then read to
        // its end by scrolling, which is what opening must never do.
        opening.Open(AllPersonsSql);
        const long rssListOpen = ResidentKiB();
        for (int i = 0; i < 100; ++i) {
            opening.Open(AllPersonsSql);
        }
        const long rssReopened = ResidentKiB();
        const auto scrollStart = Clock::now();
        int loaded = -1;
        while (grid.RowsLoaded() != loaded) {
            loaded = grid.RowsLoaded();
            grid.SetTopRow(INT_MAX);
        }
        const double scrollSeconds =
            std::chrono::duration<double>(Clock::now() - scrollStart).count();
        const long rssAllRead = ResidentKiB();
        opening.Open(AllPersonsSql);
        const long rssReopenedAfterAll = ResidentKiB();

        std::printf("\n| resident memory (VmRSS) | KiB |\n|---|---:|\n");
        std::printf("| process start (QApplication only) | %ld |\n", rssStart);
        std::printf("| connected, grid shown, no list yet | %ld |\n", rssBeforeLists);
        std::printf("| after the first list opened | %ld |\n", rssFirstOpen);
        std::printf("| every person (200,000) open, %d rows loaded | %ld |\n",
                    rows.back().RowsLoaded, rssListOpen);
        std::printf("| the same after 100 more openings | %ld |\n", rssReopened);
        std::printf("| scrolled to the end: %d rows loaded (%.2f s) | %ld |\n", loaded,
                    scrollSeconds, rssAllRead);
        std::printf("| opened again after that | %ld |\n", rssReopenedAfterAll);
        grid.SetHstmt(nullptr);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "musarix-bench-grid: %s\n", error.what());
        return 1;
    }
}
