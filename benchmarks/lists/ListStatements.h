#pragma once

#include <array>
#include <string_view>

namespace musarix::bench {

// The person list of the category list, as the screen builds it: without a
// search clause, with a pattern that the user typed as a prefix, and with
// one that matches anywhere in the name.
struct ListStatement
{
    std::string_view label;
    std::string_view sql;
};

inline constexpr std::array<ListStatement, 3> kPersonListStatements = {{
    {"all", "SELECT PERS_NAME, PERS_ID FROM PERSON WHERE PERS_DATA = 1 ORDER BY PERS_NAME"},
    {"prefix", "SELECT PERS_NAME, PERS_ID FROM PERSON WHERE PERS_DATA = 1 AND PERS_NAME LIKE "
               "\"Sch%\" ORDER BY PERS_NAME"},
    {"anywhere", "SELECT PERS_NAME, PERS_ID FROM PERSON WHERE PERS_DATA = 1 AND PERS_NAME LIKE "
                 "\"%mann%\" ORDER BY PERS_NAME"},
}};

// The grids fetch this many rows per rowset.
inline constexpr int kRowsetRows = 64;

} // namespace musarix::bench
