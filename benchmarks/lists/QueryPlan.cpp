#include "benchmarks/lists/QueryPlan.h"

#include "benchmarks/synth/SqliteStatement.h"

namespace musarix::bench {

std::string QueryPlan::describe(synth::SqliteDatabase& db, const std::string& sql)
{
    synth::SqliteStatement explain(db, "EXPLAIN QUERY PLAN " + sql);
    std::string plan;
    while (explain.step()) {
        // Columns: id, parent, unused, detail.
        plan += explain.columnText(3);
        plan += '\n';
    }
    return plan;
}

bool QueryPlan::sortsWithoutIndex(const std::string& plan)
{
    return plan.find("TEMP B-TREE FOR ORDER BY") != std::string::npos;
}

} // namespace musarix::bench
