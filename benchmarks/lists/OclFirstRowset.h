#pragma once

#include "benchmarks/lists/CursorSettings.h"
#include "odbc/THdbc.h"
#include "odbc/THenv.h"
#include "odbc/THstmt.h"

#include <cstdint>
#include <string>

namespace musarix::bench {

// The list read the way the screens read it: through THstmt with the given
// cursor type and RowSetSize, Execute, then the first FetchNext, reading
// every cell of the rowset with CellString and CellInteger.
class OclFirstRowset
{
public:
    OclFirstRowset(const CursorSettings& settings, const std::string& sql);

    int run();
    // Closes the cursor at once (THstmt::Execute would otherwise close it at
    // the start of the next run, inside the timed part), and prepares again
    // when the settings ask for an untimed restart.
    void close();

    std::uint64_t checksum() const { return checksum_; }

private:
    CursorSettings settings_;
    THenv env_{"HenvBench"};
    THdbc dbc_{&env_, "HdbcBench"};
    THstmt stmt_{&dbc_, "HstmtList"};
    std::uint64_t checksum_ = 0;
};

} // namespace musarix::bench
