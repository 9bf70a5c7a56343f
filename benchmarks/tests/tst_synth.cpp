// The synthetic catalogue has to be a faithful stand-in for a real one:
// valid against the schema's constraints, the requested size, and the same
// bytes on every run, or benchmark numbers from two runs are not comparable.

#include "benchmarks/synth/NameForge.h"
#include "benchmarks/synth/SchemaScript.h"
#include "benchmarks/synth/SplitMix64.h"
#include "benchmarks/synth/SqliteDatabase.h"
#include "benchmarks/synth/SqliteStatement.h"
#include "benchmarks/synth/SyntheticCatalogue.h"
#include "odbc/CatalogSchema.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

using namespace musarix::synth;

namespace {

class TempDir
{
public:
    TempDir()
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                (std::string("musarix-synth-") + info->name() + "-" + std::to_string(getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string readFile(const std::string& path)
{
    std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    std::ifstream(path, std::ios::binary)
        .read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

std::int64_t scalar(SqliteDatabase& db, const std::string& sql)
{
    SqliteStatement stmt(db, sql);
    return stmt.step() ? stmt.columnInteger(0) : -1;
}

std::string schemaDump(SqliteDatabase& db)
{
    SqliteStatement stmt(db, "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY name");
    std::string dump;
    while (stmt.step()) {
        for (int c = 0; c < 4; ++c) {
            dump += stmt.columnText(c);
            dump += '|';
        }
        dump += '\n';
    }
    return dump;
}

constexpr CatalogueSize kSmall{600, 150, 300, 3000};

} // namespace

TEST(SplitMix64, MatchesTheReferenceSequence)
{
    // First outputs of Vigna's splitmix64.c for seed 0.
    SplitMix64 rng(0);
    EXPECT_EQ(rng.next(), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(rng.next(), 0x6E789E6AA1B965F4ULL);
    EXPECT_EQ(rng.next(), 0x06C45D188009454FULL);
}

TEST(SplitMix64, StaysInsideTheAskedRange)
{
    SplitMix64 rng(42);
    bool sawLow = false;
    bool sawHigh = false;
    for (int i = 0; i < 10000; ++i) {
        const auto v = rng.between(-3, 3);
        ASSERT_GE(v, -3);
        ASSERT_LE(v, 3);
        sawLow = sawLow || v == -3;
        sawHigh = sawHigh || v == 3;
    }
    EXPECT_TRUE(sawLow && sawHigh);
}

TEST(SchemaScript, SplitStatementsBuildTheSameSchemaAsTheWholeScript)
{
    TempDir dir;
    SqliteDatabase whole(dir.file("whole.db"), SqliteDatabase::Mode::Create);
    whole.exec(std::string(CatalogSchemaSql()));

    const SchemaScript script(CatalogSchemaSql());
    ASSERT_FALSE(script.indexes().empty());
    for (const auto& statement : script.indexes()) {
        EXPECT_NE(statement.find("INDEX"), std::string::npos) << statement;
    }
    // Indexes last, as the generator runs them, must give the same objects.
    SqliteDatabase split(dir.file("split.db"), SqliteDatabase::Mode::Create);
    for (const auto& statement : script.structure()) {
        split.exec(statement);
    }
    for (const auto& statement : script.indexes()) {
        split.exec(statement);
    }
    EXPECT_EQ(schemaDump(split), schemaDump(whole));
}

TEST(SchemaScript, KeepsSemicolonsInsideQuotesAndComments)
{
    const SchemaScript script(
        "-- a; comment\nCREATE TABLE T (A VARCHAR(9) DEFAULT 'x;y');\n"
        "create unique index IX on T (A);\nCREATE VIEW V AS SELECT A FROM T;");
    ASSERT_EQ(script.structure().size(), 2U);
    ASSERT_EQ(script.indexes().size(), 1U);
    EXPECT_NE(script.structure()[0].find("'x;y'"), std::string::npos);
    EXPECT_EQ(script.structure()[1].rfind("CREATE VIEW", 0), 0U);
}

TEST(NameForge, PersonNamesAreSurnameCommaGivenNames)
{
    SplitMix64 rng(7);
    int nonAscii = 0;
    for (int i = 0; i < 2000; ++i) {
        const auto name = NameForge::personName(rng);
        const auto comma = name.find(", ");
        ASSERT_NE(comma, std::string::npos) << name;
        EXPECT_GT(comma, 0U) << name;
        EXPECT_LT(comma + 2, name.size()) << name;
        EXPECT_LE(name.size(), 254U) << name;
        for (const char c : name) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                ++nonAscii;
                break;
            }
        }
    }
    // Umlauts and ß must be common enough to matter for sorting.
    EXPECT_GT(nonAscii, 200);
}

TEST(SyntheticCatalogue, HasTheRequestedSizeAndKeepsTheSchemasRules)
{
    TempDir dir;
    const auto path = dir.file("c.db");
    SyntheticCatalogue(kSmall).write(path, CatalogSchemaSql());
    ASSERT_FALSE(std::filesystem::exists(path + ".partial"));

    SqliteDatabase db(path, SqliteDatabase::Mode::ReadOnly);
    EXPECT_EQ(scalar(db, "SELECT COUNT(*) FROM PERSON"), kSmall.persons);
    EXPECT_EQ(scalar(db, "SELECT COUNT(*) FROM BAND"), kSmall.bands);
    EXPECT_EQ(scalar(db, "SELECT COUNT(*) FROM ALBUM"), kSmall.albums);
    EXPECT_EQ(scalar(db, "SELECT COUNT(*) FROM CONTENTS"), kSmall.recordings);
    EXPECT_EQ(scalar(db, "SELECT COUNT(*) FROM CONTENTS WHERE TITE_ID NOT IN "
                         "(SELECT TITE_ID FROM TITLE)"),
              0);
    EXPECT_GT(scalar(db, "SELECT COUNT(*) FROM PERSON WHERE PERS_DATA = 1"),
              kSmall.persons * 8 / 10);
    // Every reference points at a record; CHECK constraints held on insert.
    SqliteStatement check(db, "PRAGMA foreign_key_check");
    EXPECT_FALSE(check.step()) << check.columnText(0);
    SqliteStatement integrity(db, "PRAGMA integrity_check");
    ASSERT_TRUE(integrity.step());
    EXPECT_EQ(integrity.columnText(0), "ok");
    // The indexes were built after the load and the planner has statistics.
    EXPECT_GT(scalar(db, "SELECT COUNT(*) FROM sqlite_master WHERE name = 'IX_PERSON_DATA_NAME'"),
              0);
    EXPECT_GT(scalar(db, "SELECT COUNT(*) FROM sqlite_stat1"), 0);
}

TEST(SyntheticCatalogue, SameSeedGivesTheSameBytesAndAnotherSeedDoesNot)
{
    TempDir dir;
    SyntheticCatalogue(kSmall).write(dir.file("a.db"), CatalogSchemaSql());
    SyntheticCatalogue(kSmall).write(dir.file("b.db"), CatalogSchemaSql());
    SyntheticCatalogue(kSmall, 12345).write(dir.file("c.db"), CatalogSchemaSql());
    const auto a = readFile(dir.file("a.db"));
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a == readFile(dir.file("b.db")));
    EXPECT_FALSE(a == readFile(dir.file("c.db")));
}

TEST(SyntheticCatalogue, ReplacesAnOlderFile)
{
    TempDir dir;
    const auto path = dir.file("c.db");
    std::ofstream(path) << "not a database";
    SyntheticCatalogue(kSmall).write(path, CatalogSchemaSql());
    SqliteDatabase db(path, SqliteDatabase::Mode::ReadOnly);
    EXPECT_EQ(scalar(db, "SELECT COUNT(*) FROM BAND"), kSmall.bands);
}
