#pragma once

#include <sqlite3.h>

#include <string>
#include <vector>

// All rows of a query on an open SQLite database, each cell as text ("NULL"
// for NULL). Tests that look at a catalogue file behind the driver's back use
// it; throws std::runtime_error with the statement and SQLite's message.
std::vector<std::vector<std::string>> SqliteRows(sqlite3* Db, const std::string& Sql);
