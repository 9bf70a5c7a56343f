#include "benchmarks/grid/GridOpening.h"

#include "odbc/THstmt.h"

#include <chrono>

namespace musarix::bench {

namespace {

using Clock = std::chrono::steady_clock;

double Micros(Clock::duration span)
{
    return std::chrono::duration<double, std::micro>(span).count();
}

} // namespace

GridOpening::GridOpening(THstmt& stmt, TOEGrid& grid) : stmt_(stmt), grid_(grid)
{
    stmt_.SetOnFetch([this](THstmt&) { ++fetches_; });
}

GridOpening::Times GridOpening::Open(const std::string& sql)
{
    fetches_ = 0;
    const auto start = Clock::now();
    stmt_.SetSQL(sql);
    stmt_.Prepare();
    stmt_.Execute();
    const auto filled = Clock::now();
    grid_.viewport()->repaint();
    const auto painted = Clock::now();
    Times times;
    times.FilledMicros = Micros(filled - start);
    times.PaintedMicros = Micros(painted - start);
    times.RowsLoaded = grid_.RowsLoaded();
    times.Fetches = fetches_;
    return times;
}

} // namespace musarix::bench
