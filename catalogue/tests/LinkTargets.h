#pragma once

// Where a link code of a stored text leads: a query on the catalogue that
// yields a row exactly when the record the record page would open exists.

#include <optional>
#include <string>

// The query for Code ("p:15", "P:Brahms, Johannes", "c:3,12", "mi:4" ...), or
// nothing when the code's letters name no record kind.
std::optional<std::string> LinkTargetQuery(const std::string& Code);
