// musarix-bench-lists [--db=PATH] [Google Benchmark options]
//
// Measures the time from Execute to the first rowset of the person list of
// the category list, through the ODBC layer and through plain SQLite, on
// the large synthetic catalogue. The catalogue is taken from --db, else from
// $MUSARIX_BENCH_DB, else from the build directory, and generated there
// first if it is missing.

#include "benchmarks/lists/BenchDataSource.h"
#include "benchmarks/lists/CursorSettings.h"
#include "benchmarks/lists/ListStatements.h"
#include "benchmarks/lists/OclFirstRowset.h"
#include "benchmarks/lists/QueryPlan.h"
#include "benchmarks/lists/RawOdbcFirstRowset.h"
#include "benchmarks/lists/ResultTable.h"
#include "benchmarks/lists/SqliteFirstRowset.h"
#include "benchmarks/synth/SyntheticCatalogue.h"
#include "odbc/CatalogSchema.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

using musarix::bench::CursorSettings;
using musarix::bench::ResultTable;

namespace {

using Clock = std::chrono::steady_clock;

ResultTable& results()
{
    static ResultTable table;
    return table;
}

// Runs one reader in Google Benchmark's loop. Only the reader's run() is
// timed (Execute and the first rowset, for some settings a Prepare before
// them); closing the cursor is timed apart, because with a materialised
// result the close frees the whole result and a screen pays that on its next
// query.
template <class Reader>
void measure(benchmark::State& state, Reader& reader, const std::string& statement,
             const std::string& label)
{
    ResultTable::Entry entry;
    double firstRows = 0;
    double closing = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        entry.rows = reader.run();
        const auto fetched = Clock::now();
        reader.close();
        const auto closed = Clock::now();
        const std::chrono::duration<double> took = fetched - start;
        state.SetIterationTime(took.count());
        firstRows += took.count();
        closing += std::chrono::duration<double>(closed - fetched).count();
    }
    entry.iterations = state.iterations();
    if (entry.iterations > 0) {
        const auto n = static_cast<double>(entry.iterations);
        entry.meanMicros = firstRows / n * 1e6;
        entry.closeMicros = closing / n * 1e6;
    }
    entry.checksum = reader.checksum();
    results().record(statement, label, entry);
    state.counters["rows"] = entry.rows;
    state.counters["close_us"] = entry.closeMicros;
    const auto* base = results().find(statement, ResultTable::kBaseline);
    if (base != nullptr && base->meanMicros > 0 && label != ResultTable::kBaseline) {
        state.counters["ratio"] = entry.meanMicros / base->meanMicros;
        if (base->checksum != entry.checksum) {
            state.SkipWithError("rows differ from plain SQLite");
        }
    }
}

std::vector<CursorSettings> rawOdbcSettings()
{
    using musarix::bench::BenchDataSource;
    using Restart = CursorSettings::Restart;
    constexpr auto stepping = BenchDataSource::kStepDsn;
    constexpr auto reading = BenchDataSource::kNoStepDsn;
    constexpr SQLULEN keyset = SQL_CURSOR_KEYSET_DRIVEN;
    constexpr SQLULEN forward = SQL_CURSOR_FORWARD_ONLY;
    return {
        {"ODBC keyset, StepAPI=0, ExtendedFetch 64", reading, keyset, 64, Restart::ExecuteAgain},
        {"ODBC forward-only, StepAPI=0, ExtendedFetch 64", reading, forward, 64,
         Restart::ExecuteAgain},
        {"ODBC keyset, StepAPI=1, ExtendedFetch 64", stepping, keyset, 64, Restart::ExecuteAgain},
        {"ODBC forward-only, StepAPI=1, ExtendedFetch 64, Execute again", stepping, forward, 64,
         Restart::ExecuteAgain},
        {"ODBC forward-only, StepAPI=1, ExtendedFetch 64, Prepare+Execute", stepping, forward, 64,
         Restart::PrepareAndExecute},
        {"ODBC forward-only, StepAPI=1, SQLFetch x64, Prepare+Execute", stepping, forward, 0,
         Restart::PrepareAndExecute},
        {"ODBC forward-only, StepAPI=1, ExtendedFetch 64, Execute after Prepare", stepping, forward,
         64, Restart::ExecuteAfterPrepare},
    };
}

std::vector<CursorSettings> oclSettings()
{
    using musarix::bench::BenchDataSource;
    using Restart = CursorSettings::Restart;
    constexpr auto stepping = BenchDataSource::kStepDsn;
    constexpr SQLULEN keyset = SQL_CURSOR_KEYSET_DRIVEN;
    constexpr SQLULEN forward = SQL_CURSOR_FORWARD_ONLY;
    return {
        {"THstmt keyset, StepAPI=1, RowSetSize 64", stepping, keyset, 64, Restart::ExecuteAgain},
        {"THstmt forward-only, StepAPI=1, RowSetSize 64, Execute again", stepping, forward, 64,
         Restart::ExecuteAgain},
        {"THstmt forward-only, StepAPI=1, RowSetSize 64, Prepare+Execute", stepping, forward, 64,
         Restart::PrepareAndExecute},
        {"THstmt forward-only, StepAPI=1, RowSetSize 64, Execute after Prepare", stepping, forward,
         64, Restart::ExecuteAfterPrepare},
    };
}

template <class Reader>
void registerReader(const std::string& list, const std::string& sql, const CursorSettings& settings)
{
    benchmark::RegisterBenchmark((list + "/" + settings.label).c_str(),
                                 [settings, list, sql](benchmark::State& state) {
                                     Reader reader(settings, sql);
                                     measure(state, reader, list, settings.label);
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
}

std::filesystem::path takeDatabaseArgument(int& argc, char** argv)
{
    std::filesystem::path path;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("--db=")) {
            path = arg.substr(5);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    if (path.empty()) {
        const char* env = std::getenv("MUSARIX_BENCH_DB");
        path = env != nullptr && *env != '\0' ? env : MUSARIX_BENCH_DEFAULT_DB;
    }
    return path;
}

void ensureCatalogue(const std::filesystem::path& path)
{
    if (std::filesystem::exists(path)) {
        return;
    }
    std::printf("Generating the synthetic catalogue %s (once) ...\n", path.c_str());
    std::fflush(stdout);
    std::filesystem::create_directories(path.parent_path());
    const auto start = Clock::now();
    musarix::synth::SyntheticCatalogue().write(path.string(), CatalogSchemaSql());
    std::printf("Generated in %.1f s.\n",
                std::chrono::duration<double>(Clock::now() - start).count());
}

void printPlans(musarix::synth::SqliteDatabase& db)
{
    using musarix::bench::QueryPlan;
    for (const auto& statement : musarix::bench::kPersonListStatements) {
        const auto plan = QueryPlan::describe(db, std::string(statement.sql));
        std::printf("Query plan (%s): %s%s", std::string(statement.label).c_str(),
                    QueryPlan::sortsWithoutIndex(plan) ? "SORTS WITHOUT AN INDEX: " : "",
                    plan.c_str());
    }
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const auto database = takeDatabaseArgument(argc, argv);
        ensureCatalogue(database);
        musarix::synth::SqliteDatabase sqlite(database.string(),
                                              musarix::synth::SqliteDatabase::Mode::ReadOnly);
        printPlans(sqlite);
        const musarix::bench::BenchDataSource dataSource(database, MUSARIX_SQLITE_ODBC_DRIVER_PATH);

        for (const auto& statement : musarix::bench::kPersonListStatements) {
            const std::string label(statement.label);
            const std::string sql(statement.sql);
            benchmark::RegisterBenchmark((label + "/sqlite").c_str(),
                                         [&sqlite, label, sql](benchmark::State& state) {
                                             musarix::bench::SqliteFirstRowset reader(
                                                 sqlite, sql, musarix::bench::kRowsetRows);
                                             measure(state, reader, label, ResultTable::kBaseline);
                                         })
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
            for (const auto& settings : rawOdbcSettings()) {
                registerReader<musarix::bench::RawOdbcFirstRowset>(label, sql, settings);
            }
            for (const auto& settings : oclSettings()) {
                registerReader<musarix::bench::OclFirstRowset>(label, sql, settings);
            }
        }

        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
            return 2;
        }
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        results().print();
        results().printMarkdown();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "musarix-bench-lists: %s\n", e.what());
        return 1;
    }
    return 0;
}
