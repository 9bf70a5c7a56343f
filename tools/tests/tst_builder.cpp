// The catalogue builder as a whole: the starter catalogue, determinism, the
// fixed slots of the system store, and the refusal of bad source input with
// the old output left untouched.

#include "odbc/CatalogSchema.h"
#include "odbc/SystemStore.h"
#include "odbc/Vlf.h"
#include "tests/support/SqliteRows.h"
#include "tools/BuildError.h"
#include "tools/CatalogBuilder.h"
#include "tools/Sounds.h"
#include "tools/tests/TestFiles.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <sys/wait.h>

using namespace testfiles;

namespace {

// A small valid source: two cities, two persons (one with a biography that
// links to the other, and a generated picture), a sound example, and the
// click sound of the system store.
void MakeSource(const fs::path& src)
{
    WriteFile(src / "tables/CITY.txt", "# Orte\n"
                                       "CITY_ID | CITY_NAME\n"
                                       "1       | Hamburg\n"
                                       "2       | Wien\n");
    WriteFile(src / "tables/PERSON.txt",
              "[1]\n"                                          // line 1
              "PERS_NAME   = Muster, Hans\n"                   // line 2
              "PERS_DATA   = 1\n"                              // line 3
              "PERS_GEBORT = 1\n"                              // line 4
              "PERS_BIOGR  = texts/muster.txt\n"               // line 5
              "PERS_BILD1  = gen: width=40 height=30 seed=x\n" // line 6
              "\n"                                             // line 7
              "[2]\n"                                          // line 8
              "PERS_NAME   = Beispiel, Erika\n"                // line 9
              "PERS_DATA   = 1\n"                              // line 10
              "PERS_GESCH  = 1\n");                            // line 11
    WriteFile(src / "texts/muster.txt",
              "Hans Muster spielte mit [Erika Beispiel](P:Beispiel, Erika) in **Wien**.\n"
              "\n"
              "Zweiter Absatz über *Hamburg*.\n");
    WriteFile(src / "tables/STYLES.txt", "[1]\n"
                                         "STYL_TEXT  = Probe\n"
                                         "STYL_SOUND = synth: timbre=sine tempo=600 A4\n");
    WriteFile(src / "system.txt", "CLICK_SOUND = synth: timbre=pluck tempo=2000 A5\n");
}

std::string StarterSource()
{
    return MUSARIX_CATALOGUE_SOURCE;
}

// Builds a valid catalogue into <dir>/out, applies Mutate to the source, and
// expects the build to fail with a message that holds every Expected text,
// leaving <dir>/out exactly as it was and no temporary folder behind.
void ExpectRefused(const std::function<void(const fs::path&)>& Mutate,
                   std::initializer_list<std::string> Expected)
{
    TempDir dir;
    const fs::path src = dir / "src";
    const fs::path out = dir / "out";
    MakeSource(src);
    ASSERT_NO_THROW(BuildCatalogue(src.string(), out.string()));
    const auto before = Snapshot(out);
    ASSERT_EQ(before.size(), 4u);

    Mutate(src);
    try {
        BuildCatalogue(src.string(), out.string());
        ADD_FAILURE() << "the build did not fail";
    } catch (const TBuildError& e) {
        const std::string message = e.what();
        for (const std::string& text : Expected)
            EXPECT_NE(message.find(text), std::string::npos)
                << "\"" << text << "\" not in: " << message;
    }
    EXPECT_EQ(Snapshot(out), before) << "the old catalogue was changed";
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"out", "src"}))
        << "a temporary folder was left behind";
}

class Database
{
public:
    explicit Database(const fs::path& file)
    {
        if (sqlite3_open_v2(file.c_str(), &FDb, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + file.string());
    }
    ~Database() { sqlite3_close(FDb); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    std::vector<std::vector<std::string>> Rows(const std::string& sql)
    {
        return SqliteRows(FDb, sql);
    }
    std::string Value(const std::string& sql)
    {
        const auto rows = Rows(sql);
        return rows.empty() ? "(no row)" : rows.at(0).at(0);
    }

private:
    sqlite3* FDb = nullptr;
};

std::string Item(const fs::path& store, long long position)
{
    TVlf vlf;
    vlf.Open(store.string());
    const std::vector<char> data = vlf.ReadItem(position);
    return std::string(data.begin(), data.end());
}

} // namespace

TEST(Builder, BuildsTheSmallSource)
{
    TempDir dir;
    MakeSource(dir / "src");
    const TBuildSummary summary = BuildCatalogue((dir / "src").string(), (dir / "out").string());
    EXPECT_EQ(summary.Texts, 1);
    EXPECT_EQ(summary.Pictures, 1);
    EXPECT_EQ(summary.Sounds, 1);
    EXPECT_EQ(summary.SystemItems, 1);
    EXPECT_EQ(Names(dir / "out"),
              (std::vector<std::string>{"Musarix.Sb", "Musarix.St", "Musarix.Sy", "Musarix.db"}));

    Database db(dir / "out/Musarix.db");
    EXPECT_EQ(db.Value("SELECT COUNT(*) FROM PERSON"), "2");
    EXPECT_EQ(db.Value("SELECT PERS_GEBORT FROM PERSON WHERE PERS_ID = 2"), "NULL");
    EXPECT_EQ(db.Value("SELECT PERS_BILD2 FROM PERSON WHERE PERS_ID = 1"), "NULL");
    EXPECT_EQ(db.Value("SELECT PERS_PIC FROM PERSON WHERE PERS_ID = 1"), "0"); // the default
    const long long bio = std::stoll(db.Value("SELECT PERS_BIOGR FROM PERSON WHERE PERS_ID = 1"));
    const long long picture =
        std::stoll(db.Value("SELECT PERS_BILD1 FROM PERSON WHERE PERS_ID = 1"));
    const long long sound = std::stoll(db.Value("SELECT STYL_SOUND FROM STYLES WHERE STYL_ID = 1"));
    EXPECT_EQ(bio, 1024);

    const std::string rtf = Item(dir / "out/Musarix.St", bio);
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u) << rtf;
    EXPECT_NE(rtf.find("{\\ul Erika Beispiel}{\\v P:Beispiel, Erika}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\b Wien\\b0"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\par"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\'fcber"), std::string::npos) << rtf; // "über"

    const std::string bmp = Item(dir / "out/Musarix.St", picture);
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    const std::string wav = Item(dir / "out/Musarix.Sb", sound);
    EXPECT_EQ(CheckPcmWav(std::vector<char>(wav.begin(), wav.end())), "");

    const std::string click = Item(dir / "out/Musarix.Sy", SystemItem::ClickSound);
    EXPECT_EQ(click.substr(0, 4), "RIFF");
    EXPECT_EQ(Item(dir / "out/Musarix.Sy", SystemItem::LinkSound), ""); // not given
}

TEST(Builder, StarterCatalogue)
{
    TempDir dir;
    const TBuildSummary summary = BuildCatalogue(StarterSource(), (dir / "data").string());
    for (const auto& [table, rows] : summary.RowsPerTable)
        EXPECT_GT(rows, 0) << "the starter catalogue has no rows in " << table;

    Database db(dir / "data/Musarix.db");
    EXPECT_TRUE(db.Rows("PRAGMA foreign_key_check").empty());
    EXPECT_EQ(db.Value("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(db.Value("SELECT COUNT(*) FROM PERSON WHERE PERS_DATA = 0") != "0", true);
    EXPECT_EQ(db.Value("SELECT COUNT(*) FROM PERSON WHERE PERS_DATA = 1") != "0", true);
    EXPECT_NE(db.Value("SELECT COUNT(*) FROM ALBUM WHERE ALBU_SAMPL > 0"), "0");
    EXPECT_NE(db.Value("SELECT COUNT(*) FROM MEMBERS WHERE MEMB_STAMM = 0 AND MEMB_GAST = 0"), "0");
    EXPECT_NE(db.Value("SELECT COUNT(*) FROM INSTRUME WHERE INST_VATER > 0"), "0");
    EXPECT_NE(db.Value("SELECT COUNT(*) FROM ADRESSE WHERE ADRE_TYP = 3"), "0");
    EXPECT_NE(db.Value("SELECT COUNT(*) FROM PERSBERU WHERE PEBE_POS = 4"), "0");
    EXPECT_EQ(db.Value("SELECT COUNT(DISTINCT FREI_ART) FROM FREI"), "6");
    for (const char* style : {"3", "5", "7", "10"})
        EXPECT_EQ(db.Value(std::string("SELECT COUNT(*) FROM CATEGORY WHERE CATE_ID = ") + style),
                  "1")
            << style;
    EXPECT_NE(db.Value("SELECT COUNT(*) FROM EXAMPLES"), "0");
    EXPECT_NE(db.Value("SELECT COUNT(*) FROM INSTEXAM"), "0");
    EXPECT_EQ(db.Value("SELECT ITEM_NAME FROM ITEMS WHERE ITEM_ID = -1"), "?");
    // Lists sort without regard to case: the whole person list comes out in
    // the order of the case-folded names.
    const auto orderedBy = [&db](const std::string& order) {
        return db.Value("SELECT group_concat(PERS_NAME, '|') FROM (SELECT PERS_NAME FROM PERSON "
                        "ORDER BY " +
                        order + ")");
    };
    EXPECT_EQ(orderedBy("PERS_NAME"), orderedBy("lower(PERS_NAME), PERS_NAME"));

    // Every stored position names an item of the right kind.
    for (const TMediaColumn& c : CatalogMediaColumns()) {
        const fs::path store =
            dir / "data" / (c.Kind == TMediaKind::Sound ? SoundStoreFile : TextStoreFile);
        for (const auto& row : db.Rows("SELECT " + c.Column + " FROM " + c.Table + " WHERE " +
                                       c.Column + " IS NOT NULL")) {
            const std::string item = Item(store, std::stoll(row.at(0)));
            const std::string head = c.Kind == TMediaKind::Text      ? "{\\rtf1"
                                     : c.Kind == TMediaKind::Picture ? "BM"
                                                                     : "RIFF";
            EXPECT_EQ(item.substr(0, head.size()), head)
                << c.Table << "." << c.Column << " at " << row.at(0);
        }
    }

    // The system store: every fixed slot filled, in its form.
    const fs::path sy = dir / "data/Musarix.Sy";
    TVlf vlf;
    vlf.Open(sy.string());
    for (int k = 0; k < SystemItem::IntroTileCount; ++k)
        EXPECT_EQ(vlf.ItemSize(SystemItem::IntroTile(k)), SystemItem::IntroTileBytes)
            << "tile " << k;
    EXPECT_EQ(vlf.ItemSize(SystemItem::ScreenWallpaper), SystemItem::WallpaperBytes);
    EXPECT_EQ(vlf.ItemSize(SystemItem::DialogWallpaper), SystemItem::WallpaperBytes);
    for (const auto& [position, limit] : std::vector<std::pair<long long, unsigned>>{
             {SystemItem::IntroMusic, SystemItem::IntroMusicMaxBytes},
             {SystemItem::ClosingMusic, SystemItem::ClosingMusicMaxBytes},
             {SystemItem::ClickSound, SystemItem::ClickSoundMaxBytes},
             {SystemItem::LinkSound, SystemItem::LinkSoundMaxBytes},
             {SystemItem::ErrorSound, 10000000u}}) {
        EXPECT_GT(vlf.ItemSize(position), 44u) << position;
        EXPECT_LE(vlf.ItemSize(position), limit) << position;
        const std::vector<char> wav = vlf.ReadItem(position);
        EXPECT_EQ(CheckPcmWav(wav), "") << position;
    }
    const std::vector<char> tile = vlf.ReadItem(SystemItem::IntroTile(3));
    ASSERT_GT(tile.size(), 30u);
    EXPECT_EQ(std::string(tile.data(), 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(tile[28]), 8u); // bits per pixel
}

TEST(Builder, SameSourceGivesIdenticalFiles)
{
    TempDir dir;
    BuildCatalogue(StarterSource(), (dir / "a").string());
    BuildCatalogue(StarterSource(), (dir / "b").string());
    const auto a = Snapshot(dir / "a");
    const auto b = Snapshot(dir / "b");
    ASSERT_EQ(a.size(), 4u);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].first, b[i].first);
        EXPECT_TRUE(a[i].second == b[i].second) << a[i].first << " differs between two builds";
    }
}

TEST(Builder, RebuildReplacesTheOldCatalogue)
{
    TempDir dir;
    MakeSource(dir / "src");
    BuildCatalogue((dir / "src").string(), (dir / "out").string());
    WriteFile(dir / "src/tables/CITY.txt",
              "CITY_ID | CITY_NAME\n1 | Hamburg\n2 | Wien\n3 | Leipzig\n");
    BuildCatalogue((dir / "src").string(), (dir / "out").string());
    Database db(dir / "out/Musarix.db");
    EXPECT_EQ(db.Value("SELECT COUNT(*) FROM CITY"), "3");
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"out", "src"}));
}

TEST(Builder, NoneIsStoredAsNull)
{
    TempDir dir;
    MakeSource(dir / "src");
    WriteFile(dir / "src/tables/INSTRUME.txt", "INST_ID | INST_NAMED | INST_VATER\n"
                                               "1       | Saiten     | 0\n"
                                               "2       | Gitarre    | 1\n");
    BuildCatalogue((dir / "src").string(), (dir / "out").string());
    Database db(dir / "out/Musarix.db");
    EXPECT_EQ(db.Value("SELECT INST_VATER FROM INSTRUME WHERE INST_ID = 1"), "NULL");
    EXPECT_EQ(db.Value("SELECT INST_VATER FROM INSTRUME WHERE INST_ID = 2"), "1");
    EXPECT_EQ(db.Value("SELECT INST_PSEU FROM INSTRUME WHERE INST_ID = 2"), "0");
}

TEST(Builder, ContinuationLinesAndQuestionDefaults)
{
    TempDir dir;
    MakeSource(dir / "src");
    WriteFile(dir / "src/tables/ITEMS.txt", "ITEM_ID | ITEM_NAME | ITEM_TOPIC\n-1 | ? | -1\n1 | "
                                            "Welche Personen | 0\n100 | gibt es? | 0\n");
    WriteFile(dir / "src/tables/QUESTION.txt",
              "[Welche Personen gibt es?]\n"
              "QUES_1 = 1\n"
              "QUES_2 = 100\n"
              "QUES_QUERY = SELECT PERS_NAME, PERS_ID FROM PERSON~\n"
              "  ORDER BY PERS_NAME\n");
    BuildCatalogue((dir / "src").string(), (dir / "out").string());
    Database db(dir / "out/Musarix.db");
    EXPECT_EQ(db.Value("SELECT QUES_QUERY FROM QUESTION"),
              "SELECT PERS_NAME, PERS_ID FROM PERSON~ ORDER BY PERS_NAME");
    EXPECT_EQ(db.Value("SELECT QUES_3 || ',' || QUES_9 FROM QUESTION"), "-1,-1");
}

// Refusals ------------------------------------------------------------------

TEST(BuilderRefuses, UnknownTable)
{
    ExpectRefused(
        [](const fs::path& src) { WriteFile(src / "tables/PERSONEN.txt", "[1]\nPERS_NAME = X\n"); },
        {"tables/PERSONEN.txt:1:", "unknown table PERSONEN"});
}

TEST(BuilderRefuses, UnknownColumn)
{
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/PERSON.txt",
                      "[1]\nPERS_NAME = Muster, Hans\nPERS_NAHME = Tippfehler\n");
        },
        {"tables/PERSON.txt:3:", "unknown column PERS_NAHME"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/CITY.txt", "CITY_ID | STADT\n1 | Hamburg\n");
        },
        {"tables/CITY.txt:2:", "unknown column STADT"});
}

TEST(BuilderRefuses, MalformedValues)
{
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/PERSON.txt",
                      "[1]\nPERS_NAME = Muster, Hans\nPERS_GEBJ = 19x8\n");
        },
        {"tables/PERSON.txt:3:", "malformed value for PERS_GEBJ", "19x8"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/PERSON.txt", "[eins]\nPERS_NAME = Muster, Hans\n");
        },
        {"tables/PERSON.txt:1:", "malformed value for PERS_ID"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/PERSON.txt", "[1]\nPERS_NAME = " + std::string(128, 'x') +
                                                     std::string(64, 'y') + std::string(63, 'z') +
                                                     "\n");
        },
        {"tables/PERSON.txt:2:", "255 bytes", "at most 254"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/PERSON.txt", "[1]\nPERS_NAME = Muster, Hans\nPERS_GEBM = 13\n");
        },
        {"tables/PERSON.txt:1:", "malformed value", "PERS_GEBM"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/CITY.txt", "CITY_ID | CITY_NAME\n1 | Hamburg | zu viel\n");
        },
        {"tables/CITY.txt:2:", "the row has 3 values"});
    ExpectRefused(
        [](const fs::path& src) { WriteFile(src / "tables/PERSON.txt", "[1]\nPERS_DATA = 1\n"); },
        {"tables/PERSON.txt:1:", "missing value for PERS_NAME"});
    ExpectRefused(
        [](const fs::path& src) { WriteFile(src / "tables/PERSON.txt", "PERS_NAME = Muster\n"); },
        {"tables/PERSON.txt:1:", "not a column name"});
}

TEST(BuilderRefuses, DuplicateKey)
{
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/PERSON.txt", "[1]\nPERS_NAME = Muster, Hans\n\n[2]\nPERS_NAME "
                                                 "= Beispiel, Erika\n\n[1]\nPERS_NAME = Doppelt\n");
        },
        {"tables/PERSON.txt:7:", "duplicate key PERS_ID = 1", "already in line 1"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/CITY.txt",
                      "CITY_ID | CITY_NAME\n1 | Hamburg\n2 | Wien\n1 | Hamburg\n");
        },
        {"tables/CITY.txt:4:", "duplicate key CITY_ID = 1", "already in line 2"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/LEHRER.txt", "PERS_LEHRE | PERS_SCHUE\n1 | 2\n1 | 2\n");
        },
        {"tables/LEHRER.txt:3:", "duplicate key (PERS_LEHRE, PERS_SCHUE) = (1, 2)",
         "already in line 2"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/PERSON.txt", "[1]\nPERS_NAME = A\nPERS_NAME = B\n");
        },
        {"tables/PERSON.txt:3:", "PERS_NAME is given twice"});
}

TEST(BuilderRefuses, ReferenceToAMissingRecord)
{
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/PERSON.txt",
                      "[1]\nPERS_NAME = Muster, Hans\n\n[2]\nPERS_NAME = B\nPERS_GEBORT = 99\n");
        },
        {"tables/PERSON.txt:6:", "reference to a missing record", "PERS_GEBORT = 99", "CITY"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/MEMBERS.txt", "PERS_ID | BAND_ID\n1 | 7\n");
        },
        {"tables/MEMBERS.txt:2:", "reference to a missing record", "BAND_ID = 7"});
    // A link in a text that leads nowhere.
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "texts/muster.txt",
                      "Erster Absatz.\n\nMit [Niemand](P:Niemand, Nie) gespielt.\n");
        },
        {"texts/muster.txt:3:", "missing record", "P:Niemand, Nie"});
    ExpectRefused(
        [](const fs::path& src) { WriteFile(src / "texts/muster.txt", "Siehe [Band](b:5).\n"); },
        {"texts/muster.txt:1:", "missing record", "BAND"});
    ExpectRefused(
        [](const fs::path& src) { WriteFile(src / "texts/muster.txt", "Siehe [dies](x:5).\n"); },
        {"texts/muster.txt:1:", "unknown link code"});
}

TEST(BuilderRefuses, MissingAsset)
{
    ExpectRefused([](const fs::path& src) { fs::remove(src / "texts/muster.txt"); },
                  {"tables/PERSON.txt:5:", "missing asset", "texts/muster.txt"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/STYLES.txt",
                      "[1]\nSTYL_TEXT = Probe\nSTYL_SOUND = sounds/fehlt.wav\n");
        },
        {"tables/STYLES.txt:3:", "missing asset", "sounds/fehlt.wav"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/PERSON.txt",
                      "[1]\nPERS_NAME = X\nPERS_BILD1 = ../ausserhalb.png\n");
        },
        {"tables/PERSON.txt:3:", "inside the source folder"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "bilder/kaputt.png", "kein Bild");
            WriteFile(src / "tables/PERSON.txt",
                      "[1]\nPERS_NAME = X\nPERS_BILD1 = bilder/kaputt.png\n");
        },
        {"tables/PERSON.txt:3:", "cannot read the picture bilder/kaputt.png"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "sounds/kaputt.wav", std::string("RIFF\x10\0\0\0WAVEjunk", 16));
            WriteFile(src / "tables/STYLES.txt",
                      "[1]\nSTYL_TEXT = Probe\nSTYL_SOUND = sounds/kaputt.wav\n");
        },
        {"tables/STYLES.txt:3:", "sounds/kaputt.wav is unusable"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/PERSON.txt",
                      "[1]\nPERS_NAME = X\nPERS_BILD1 = gen: width=40 heigth=30\n");
        },
        {"tables/PERSON.txt:3:", "unknown option \"heigth\""});
}

TEST(BuilderRefuses, TextThatIsNotUtf8)
{
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "tables/CITY.txt", "CITY_ID | CITY_NAME\n1 | Hamburg\n2 | K\xF6ln\n");
        },
        {"tables/CITY.txt:3:", "not UTF-8"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "texts/muster.txt", "Gr\xFC\xDF"
                                                "e aus Wien.\n");
        },
        {"texts/muster.txt:1:", "not UTF-8"});
}

TEST(BuilderRefuses, BadMarkup)
{
    ExpectRefused(
        [](const fs::path& src) { WriteFile(src / "texts/muster.txt", "Eins.\n\nZwei **fett.\n"); },
        {"texts/muster.txt:3:", "bold"});
    ExpectRefused(
        [](const fs::path& src) { WriteFile(src / "texts/muster.txt", "Ein [Link ohne Ende.\n"); },
        {"texts/muster.txt:1:", "link not closed"});
}

TEST(BuilderRefuses, SystemItemsThatDoNotFitTheirSlot)
{
    // Two seconds of sound are far more than the 8986 bytes of the click slot.
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "system.txt", "CLICK_SOUND = synth: timbre=sine tempo=60 A4:2\n");
        },
        {"system.txt:1:", "CLICK_SOUND", "88244 bytes", "at most 8986 bytes"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "system.txt", "\nLINK_SOUND = synth: timbre=bell tempo=600 E6\n");
        },
        {"system.txt:2:", "LINK_SOUND", "at most 2094 bytes"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "system.txt",
                      "SCREEN_WALLPAPER = gen: kind=pattern width=120 height=100\n");
        },
        {"system.txt:1:", "SCREEN_WALLPAPER", "120 x 100", "100 x 100", "11078 bytes"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "system.txt",
                      "INTRO_PICTURE = gen: kind=pattern width=160 height=160\n");
        },
        {"system.txt:1:", "INTRO_PICTURE", "640 x 480", "26678 bytes"});
    ExpectRefused(
        [](const fs::path& src) {
            WriteFile(src / "sounds/kein.wav", "das ist kein WAV");
            WriteFile(src / "system.txt", "ERROR_SOUND = sounds/kein.wav\n");
        },
        {"system.txt:1:", "ERROR_SOUND", "not a WAV file"});
    ExpectRefused([](const fs::path& src) { WriteFile(src / "system.txt", "KLICK = synth: A4\n"); },
                  {"system.txt:1:", "unknown system item KLICK"});
}

TEST(BuilderRefuses, OutputFolderWithForeignFiles)
{
    TempDir dir;
    MakeSource(dir / "src");
    WriteFile(dir / "home/wichtig.txt", "nicht löschen");
    try {
        BuildCatalogue((dir / "src").string(), (dir / "home").string());
        ADD_FAILURE() << "the build did not fail";
    } catch (const TBuildError& e) {
        EXPECT_NE(std::string(e.what()).find("wichtig.txt"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadFile(dir / "home/wichtig.txt"), "nicht löschen");
    EXPECT_EQ(Names(dir / "home"), std::vector<std::string>{"wichtig.txt"});
}

TEST(BuildProgram, ExitCodesAndMessages)
{
    TempDir dir;
    MakeSource(dir / "src");
    const std::string program = MUSARIX_BUILD_PROGRAM;
    const auto run = [&](const std::string& args, std::string* output) {
        const std::string command = "'" + program + "' " + args + " 2>&1";
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[512];
        while (pipe && std::fgets(buffer, sizeof buffer, pipe))
            *output += buffer;
        const int status = pipe ? ::pclose(pipe) : -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    std::string output;
    EXPECT_EQ(run("'" + (dir / "src").string() + "' '" + (dir / "out").string() + "'", &output), 0)
        << output;
    EXPECT_NE(output.find("Musarix.St"), std::string::npos) << output;

    WriteFile(dir / "src/tables/CITY.txt", "CITY_ID | CITY_NAME\nx | Hamburg\n");
    output.clear();
    EXPECT_EQ(run("'" + (dir / "src").string() + "' '" + (dir / "out").string() + "'", &output), 1);
    EXPECT_NE(output.find("tables/CITY.txt:2:"), std::string::npos) << output;
    EXPECT_NE(output.find("unchanged"), std::string::npos) << output;

    output.clear();
    EXPECT_EQ(run("", &output), 2);
    EXPECT_NE(output.find("usage: musarix-build"), std::string::npos) << output;
}
