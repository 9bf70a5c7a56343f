#pragma once

// The catalogue schema. Its one source is odbc/Schema.sql; the
// build embeds that file, and this header hands its text to the builder and
// to the tests.

#include <string>
#include <string_view>
#include <vector>

// The complete SQLite DDL: tables, indexes and the views EXAMPLES and
// INSTEXAM. Run it with sqlite3_exec on an empty database.
std::string_view CatalogSchemaSql();

// What a store-position column holds, by its marker comment in Schema.sql.
enum class TMediaKind {
    Text,    // "-- @text": an RTF item in Musarix.St
    Picture, // "-- @picture": a BMP item in Musarix.St
    Sound    // "-- @sound": a WAV item in Musarix.Sb
};

struct TMediaColumn
{
    std::string Table;
    std::string Column;
    TMediaKind Kind;
};

// Every column of the schema that holds a store position, in the order of
// Schema.sql.
const std::vector<TMediaColumn>& CatalogMediaColumns();

// The media column Table.Column (exact upper-case names), or nullptr.
const TMediaColumn* FindMediaColumn(std::string_view Table, std::string_view Column);

// File names in the data directory.
inline constexpr const char* CatalogDatabaseFile = "Musarix.db";
inline constexpr const char* TextStoreFile = "Musarix.St";
inline constexpr const char* SoundStoreFile = "Musarix.Sb";
inline constexpr const char* SystemStoreFile = "Musarix.Sy";
