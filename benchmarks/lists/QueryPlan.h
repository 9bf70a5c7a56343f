#pragma once

#include "benchmarks/synth/SqliteDatabase.h"

#include <string>

namespace musarix::bench {

// SQLite's EXPLAIN QUERY PLAN for a statement, one step per line. A list
// that sorts without an index shows "USE TEMP B-TREE FOR ORDER BY": then
// even plain SQLite has to read every matching row before the first one.
class QueryPlan
{
public:
    static std::string describe(synth::SqliteDatabase& db, const std::string& sql);
    static bool sortsWithoutIndex(const std::string& plan);
};

} // namespace musarix::bench
