#include "benchmarks/lists/ResultTable.h"

#include <algorithm>
#include <cstdio>

namespace musarix::bench {

namespace {

void remember(std::vector<std::string>& order, const std::string& name)
{
    if (std::find(order.begin(), order.end(), name) == order.end()) {
        order.push_back(name);
    }
}

} // namespace

void ResultTable::record(const std::string& statement, const std::string& reader,
                         const Entry& entry)
{
    remember(statements_, statement);
    remember(readers_, reader);
    runs_[{statement, reader}].push_back(entry);
}

const ResultTable::Entry* ResultTable::find(const std::string& statement,
                                            const std::string& reader) const
{
    const auto it = runs_.find({statement, reader});
    if (it == runs_.end() || it->second.empty()) {
        return nullptr;
    }
    const auto finalIterations = it->second.back().iterations;
    std::vector<Entry> real;
    for (const auto& run : it->second) {
        if (run.iterations == finalIterations) {
            real.push_back(run);
        }
    }
    std::sort(real.begin(), real.end(),
              [](const Entry& a, const Entry& b) { return a.meanMicros < b.meanMicros; });
    auto& median = medians_[{statement, reader}];
    median = real[real.size() / 2];
    return &median;
}

void ResultTable::print() const
{
    std::printf("\nTime from Execute to the first rowset of 64 rows (mean per run)\n");
    std::printf("%-9s %-70s %12s %8s %11s %s\n", "list", "reader", "first rows", "ratio", "close",
                "rows");
    for (const auto& statement : statements_) {
        const Entry* base = find(statement, kBaseline);
        for (const auto& reader : readers_) {
            const Entry* entry = find(statement, reader);
            if (entry == nullptr) {
                continue;
            }
            const double ratio =
                base != nullptr && base->meanMicros > 0 ? entry->meanMicros / base->meanMicros : 0;
            const bool same = base == nullptr || base->checksum == entry->checksum;
            std::printf("%-9s %-70s %9.1f us %7.1fx %8.1f us %d%s\n", statement.c_str(),
                        reader.c_str(), entry->meanMicros, ratio, entry->closeMicros, entry->rows,
                        same ? "" : "  ROWS DIFFER FROM SQLITE");
        }
    }
}

void ResultTable::printMarkdown() const
{
    std::printf("\n| list | reader | ODBC time | SQLite time | ratio |\n");
    std::printf("|---|---|---:|---:|---:|\n");
    for (const auto& statement : statements_) {
        const Entry* base = find(statement, kBaseline);
        for (const auto& reader : readers_) {
            const Entry* entry = find(statement, reader);
            if (entry == nullptr || reader == kBaseline || base == nullptr) {
                continue;
            }
            const bool same = base->checksum == entry->checksum;
            std::printf("| %s | %s%s | %.1f us | %.1f us | %.1fx |\n", statement.c_str(),
                        reader.c_str(), same ? "" : " (WRONG ROWS)", entry->meanMicros,
                        base->meanMicros, entry->meanMicros / base->meanMicros);
        }
    }
}

} // namespace musarix::bench
