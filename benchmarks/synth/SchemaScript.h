#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace musarix::synth {

// The catalogue DDL cut into single statements, with the index definitions
// kept apart: a bulk load is several times faster when the indexes are
// built once over the finished tables instead of being updated row by row.
class SchemaScript
{
public:
    explicit SchemaScript(std::string_view ddl);

    // Tables and views, in the order of the script.
    const std::vector<std::string>& structure() const { return structure_; }
    // CREATE [UNIQUE] INDEX statements, in the order of the script.
    const std::vector<std::string>& indexes() const { return indexes_; }

private:
    static bool isIndex(std::string_view statement);

    std::vector<std::string> structure_;
    std::vector<std::string> indexes_;
};

} // namespace musarix::synth
