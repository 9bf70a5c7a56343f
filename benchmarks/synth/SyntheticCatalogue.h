#pragma once

#include "benchmarks/synth/CatalogueSize.h"
#include "benchmarks/synth/SplitMix64.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace musarix::synth {

class SqliteDatabase;

// Writes a large, made-up catalogue with the real schema, so that list
// screens and the ODBC layer can be measured at a size where the cost of
// reading a whole result shows. Same seed and size, same file content.
class SyntheticCatalogue
{
public:
    static constexpr std::uint64_t kDefaultSeed = 0x4D75736172697831ULL;

    explicit SyntheticCatalogue(CatalogueSize size = {}, std::uint64_t seed = kDefaultSeed);

    // Creates the database at path from the given DDL. The file is built
    // under a temporary name and renamed at the end, so an interrupted run
    // never leaves a half-filled catalogue where a benchmark would take it
    // for a finished one. An existing file at path is replaced.
    void write(const std::string& path, std::string_view ddl) const;

private:
    // What the tracks of an album inherit from it.
    struct AlbumFacts
    {
        std::int64_t band = 0; // 0: a solo album, stored as NULL
        std::int64_t year = 0;
    };

    void fillPlaces(SqliteDatabase& db, SplitMix64 rng) const;
    void fillPersons(SqliteDatabase& db, SplitMix64 rng) const;
    void fillBands(SqliteDatabase& db, SplitMix64 rng) const;
    std::vector<AlbumFacts> fillAlbums(SqliteDatabase& db, SplitMix64 rng) const;
    void fillRecordings(SqliteDatabase& db, const std::vector<AlbumFacts>& albums,
                        SplitMix64 rng) const;

    CatalogueSize size_;
    std::uint64_t seed_;
};

} // namespace musarix::synth
