#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace musarix::bench {

// Collects the mean time to the first rowset per statement and reader and
// prints them side by side with the ratio to plain SQLite, which is the
// number the benchmark is about.
class ResultTable
{
public:
    struct Entry
    {
        double meanMicros = 0;
        std::int64_t iterations = 0;
        double closeMicros = 0;
        std::uint64_t checksum = 0;
        int rows = 0;
    };

    // The reader that every other one is compared with.
    static constexpr const char* kBaseline = "SQLite C API";

    // Google Benchmark calls a benchmark several times: short runs to size
    // the loop, then the real run and its repetitions. Every call is kept.
    void record(const std::string& statement, const std::string& reader, const Entry& entry);
    // The median of the real runs (the calls with the final iteration count)
    // of (statement, reader), or nullptr. With --benchmark_repetitions=N the
    // median damps the noise of a busy machine.
    const Entry* find(const std::string& statement, const std::string& reader) const;
    void print() const;
    void printMarkdown() const;

private:
    std::vector<std::string> statements_;
    std::vector<std::string> readers_;
    std::map<std::pair<std::string, std::string>, std::vector<Entry>> runs_;
    mutable std::map<std::pair<std::string, std::string>, Entry> medians_;
};

} // namespace musarix::bench
