#include "benchmarks/synth/SyntheticCatalogue.h"

#include "benchmarks/synth/NameForge.h"
#include "benchmarks/synth/SchemaScript.h"
#include "benchmarks/synth/SqliteDatabase.h"
#include "benchmarks/synth/SqliteStatement.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace musarix::synth {

namespace {

constexpr std::array<std::string_view, 24> kCountries = {
    "Deutschland", "Österreich", "Schweiz",     "Großbritannien", "USA",      "Frankreich",
    "Italien",     "Spanien",    "Schweden",    "Norwegen",       "Dänemark", "Niederlande",
    "Belgien",     "Polen",      "Tschechien",  "Ungarn",         "Russland", "Irland",
    "Kanada",      "Brasilien",  "Argentinien", "Japan",          "Jamaika",  "Türkei",
};

constexpr std::array<std::string_view, 24> kCities = {
    "Berlin",  "Hamburg", "München",  "Köln",   "Frankfurt am Main", "Düsseldorf",
    "Leipzig", "Dresden", "Nürnberg", "Wien",   "Salzburg",          "Graz",
    "Zürich",  "Basel",   "Bern",     "London", "Liverpool",         "New York",
    "Paris",   "Mailand", "Göteborg", "Lübeck", "Würzburg",          "Saarbrücken",
};

constexpr std::int64_t kCityCount = 2'000;

// Builds the place names beyond the well-known ones, the way German towns
// are named ("Neuschönfeld", "Bad Grünhausen").
std::string inventedCity(SplitMix64& rng)
{
    constexpr std::array<std::string_view, 4> prefixes = {"", "Neu", "Bad ", "Alt"};
    constexpr std::array<std::string_view, 8> endings = {"stadt",  "dorf", "burg",  "heim",
                                                         "hausen", "feld", "brück", "au"};
    std::string name(prefixes[static_cast<std::size_t>(rng.below(prefixes.size()))]);
    std::string head = NameForge::surname(rng);
    if (!name.empty() && name.back() != ' ' && !head.empty()) {
        // "Neu" + "Schönberg" reads "Neuschönberg". A head that starts with
        // a non-ASCII letter keeps its capital: tolower leaves UTF-8 lead
        // bytes alone, which is harmless for made-up places.
        head[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(head[0])));
    }
    name += head;
    name += endings[static_cast<std::size_t>(rng.below(endings.size()))];
    return name;
}

// Minutes and seconds as the six digits that CONT_DAUER accepts.
std::string duration(SplitMix64& rng)
{
    const auto seconds = rng.between(45, 14 * 60);
    char text[8];
    std::snprintf(text, sizeof text, "%04lld%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

} // namespace

SyntheticCatalogue::SyntheticCatalogue(CatalogueSize size, std::uint64_t seed)
    : size_(size), seed_(seed)
{
}

void SyntheticCatalogue::write(const std::string& path, std::string_view ddl) const
{
    const std::string scratch = path + ".partial";
    std::filesystem::remove(scratch);
    {
        SqliteDatabase db(scratch, SqliteDatabase::Mode::Create);
        // Nothing here needs to survive a crash: a broken run is simply
        // repeated, so the journal and the syncs are pure cost.
        db.exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA locking_mode=EXCLUSIVE;"
                "PRAGMA temp_store=MEMORY; PRAGMA cache_size=-131072;");
        const SchemaScript schema(ddl);
        db.exec("BEGIN");
        for (const auto& statement : schema.structure()) {
            db.exec(statement);
        }
        SplitMix64 master(seed_);
        fillPlaces(db, master.fork(1));
        fillPersons(db, master.fork(2));
        fillBands(db, master.fork(3));
        const auto albums = fillAlbums(db, master.fork(4));
        fillRecordings(db, albums, master.fork(5));
        for (const auto& statement : schema.indexes()) {
            db.exec(statement);
        }
        db.exec("COMMIT");
        // Statistics let the planner pick the name indexes for the lists
        // exactly as it will on a real catalogue of this size.
        db.exec("ANALYZE");
        db.exec("PRAGMA journal_mode=DELETE");
    }
    std::filesystem::rename(scratch, path);
}

void SyntheticCatalogue::fillPlaces(SqliteDatabase& db, SplitMix64 rng) const
{
    SqliteStatement country(db, "INSERT INTO COUNTRY (LAND_ID, LAND_NAMED) VALUES (?, ?)");
    std::int64_t id = 0;
    for (const auto name : kCountries) {
        country.bind(1, ++id).bind(2, name).run();
    }
    SqliteStatement city(db, "INSERT INTO CITY (CITY_ID, CITY_NAME) VALUES (?, ?)");
    id = 0;
    for (const auto name : kCities) {
        city.bind(1, ++id).bind(2, name).run();
    }
    while (id < kCityCount) {
        city.bind(1, ++id).bind(2, inventedCity(rng)).run();
    }
}

void SyntheticCatalogue::fillPersons(SqliteDatabase& db, SplitMix64 rng) const
{
    SqliteStatement insert(
        db, "INSERT INTO PERSON (PERS_ID, PERS_NAME, PERS_DATA, PERS_GESCH, PERS_GEBT, "
            "PERS_GEBM, PERS_GEBJ, PERS_GEBORT, PERS_TODJ, PERS_TODORT, LAND_ID) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (std::int64_t id = 1; id <= size_.persons; ++id) {
        insert.bind(1, id).bind(2, NameForge::personName(rng));
        // Most people have an article; the rest are only named as
        // musicians or composers and stay out of the category list.
        insert.bind(3, std::int64_t{rng.chance(900) ? 1 : 0});
        insert.bind(4, rng.between(1, 2));
        const auto born = rng.between(1600, 2005);
        if (rng.chance(800)) {
            insert.bind(5, rng.between(1, 28)).bind(6, rng.between(1, 12));
        }
        insert.bind(7, born).bind(8, rng.between(1, kCityCount));
        if (born < 1930 || rng.chance(150)) {
            insert.bind(9, std::min<std::int64_t>(born + rng.between(25, 95), 2025));
            insert.bind(10, rng.between(1, kCityCount));
        }
        insert.bind(11, rng.between(1, static_cast<std::int64_t>(kCountries.size())));
        insert.run();
    }
}

void SyntheticCatalogue::fillBands(SqliteDatabase& db, SplitMix64 rng) const
{
    SqliteStatement band(db, "INSERT INTO BAND (BAND_ID, BAND_NAME) VALUES (?, ?)");
    SqliteStatement member(db, "INSERT INTO MEMBERS (PERS_ID, BAND_ID, MEMB_STAMM, MEMB_VON1) "
                               "VALUES (?, ?, ?, ?)");
    for (std::int64_t id = 1; id <= size_.bands; ++id) {
        band.bind(1, id).bind(2, NameForge::bandName(rng)).run();
        // Members a stride apart are distinct people, as the key demands.
        const auto members = rng.between(1, 6);
        const auto first = rng.between(0, size_.persons - 1);
        const auto stride = rng.between(1, std::max<std::int64_t>(1, size_.persons / 8));
        const auto founded = rng.between(1950, 2020);
        for (std::int64_t k = 0; k < members; ++k) {
            member.bind(1, (first + k * stride) % size_.persons + 1).bind(2, id);
            member.bind(3, std::int64_t{rng.chance(800) ? 1 : 0});
            member.bind(4, founded + rng.between(0, 5)).run();
        }
    }
}

std::vector<SyntheticCatalogue::AlbumFacts> SyntheticCatalogue::fillAlbums(SqliteDatabase& db,
                                                                           SplitMix64 rng) const
{
    SqliteStatement insert(db, "INSERT INTO ALBUM (ALBU_ID, ALBU_NAME, ALBU_JAHR, BAND_ID, "
                               "ALBU_SAMPL) VALUES (?, ?, ?, ?, ?)");
    std::vector<AlbumFacts> albums(static_cast<std::size_t>(size_.albums));
    for (std::int64_t id = 1; id <= size_.albums; ++id) {
        auto& facts = albums[static_cast<std::size_t>(id - 1)];
        facts.year = rng.between(1950, 2025);
        facts.band = rng.chance(750) ? rng.between(1, size_.bands) : 0;
        insert.bind(1, id).bind(2, NameForge::albumTitle(rng)).bind(3, facts.year);
        if (facts.band != 0) {
            insert.bind(4, facts.band);
        }
        insert.bind(5, std::int64_t{rng.chance(50) ? 1 : 0}).run();
    }
    return albums;
}

void SyntheticCatalogue::fillRecordings(SqliteDatabase& db, const std::vector<AlbumFacts>& albums,
                                        SplitMix64 rng) const
{
    SqliteStatement title(db, "INSERT INTO TITLE (TITE_ID, TITE_NAME) VALUES (?, ?)");
    SqliteStatement content(db, "INSERT INTO CONTENTS (ALBU_ID, TITE_ID, BAND_ID, CONT_DISC, "
                                "CONT_INDEX, CONT_DAUER, CONT_JAHR, CONT_LIVE) "
                                "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    SqliteStatement composer(db, "INSERT INTO COMPOSER (TITE_ID, PERS_ID) VALUES (?, ?)");

    const auto albumCount = static_cast<std::int64_t>(albums.size());
    const auto average = albumCount == 0 ? 0 : size_.recordings / albumCount;
    const auto spread = std::clamp<std::int64_t>(average - 1, 0, 6);
    std::int64_t offset = 0;
    std::int64_t written = 0;
    std::int64_t titles = 0;
    for (std::int64_t album = 1; album <= albumCount; ++album) {
        // Albums come in pairs whose track counts differ by the same amount
        // from the average, so the total comes out exact without a last
        // album that swallows the rounding.
        std::int64_t tracks = 0;
        if (album == albumCount) {
            tracks = size_.recordings - written;
        } else if (album % 2 == 1) {
            offset = rng.between(0, spread);
            tracks = average + offset;
        } else {
            tracks = average - offset;
        }
        const auto& facts = albums[static_cast<std::size_t>(album - 1)];
        const auto firstTitleOfAlbum = titles + 1;
        for (std::int64_t index = 1; index <= tracks; ++index) {
            // One recording in ten is another take of an older piece; the
            // older piece is from an earlier album, so the key stays unique.
            std::int64_t titleId = 0;
            if (firstTitleOfAlbum > 1 && rng.chance(100)) {
                titleId = rng.between(1, firstTitleOfAlbum - 1);
            } else {
                titleId = ++titles;
                title.bind(1, titleId).bind(2, NameForge::trackTitle(rng)).run();
                const auto roll = rng.below(10);
                if (roll < 8) {
                    const auto first = rng.between(1, size_.persons);
                    composer.bind(1, titleId).bind(2, first).run();
                    if (roll == 0) {
                        composer.bind(1, titleId).bind(2, first % size_.persons + 1).run();
                    }
                }
            }
            content.bind(1, album).bind(2, titleId);
            if (facts.band != 0) {
                content.bind(3, facts.band);
            }
            content.bind(4, index > 20 ? std::int64_t{2} : std::int64_t{1}).bind(5, index);
            content.bind(6, duration(rng)).bind(7, facts.year);
            content.bind(8, std::int64_t{rng.chance(70) ? 1 : 0}).run();
            ++written;
        }
    }
}

} // namespace musarix::synth
