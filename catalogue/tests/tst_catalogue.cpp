// The demo catalogue against what the program relies on: the fixed ids of the
// menus, rows in every list and every question, sound examples behind the
// style menu, intact store positions and links, and the system items.
// The catalogue is built once per run by the real builder; lists and
// questions run through unixODBC and the SQLite ODBC driver like in the
// program.

#include "browse/ListKinds.h"
#include "catalogue/tests/BuiltCatalogue.h"
#include "catalogue/tests/HiddenLinkCodes.h"
#include "catalogue/tests/LinkTargets.h"
#include "catalogue/tests/QuestionTemplate.h"
#include "odbc/CatalogSchema.h"
#include "odbc/SystemStore.h"
#include "odbc/THdbc.h"
#include "odbc/THenv.h"
#include "odbc/THstmt.h"
#include "odbc/Vlf.h"
#include "tests/support/TestDataSource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

const TBuiltCatalogue& Catalogue()
{
    return TBuiltCatalogue::Instance();
}

bool StartsWith(const std::vector<char>& Data, std::string_view Prefix)
{
    return Data.size() >= Prefix.size() &&
           std::memcmp(Data.data(), Prefix.data(), Prefix.size()) == 0;
}

std::uint32_t Le32(const std::vector<char>& Data, std::size_t At)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(Data[At + i])) << (8 * i);
    return value;
}

std::uint16_t Le16(const std::vector<char>& Data, std::size_t At)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(Data[At]) |
                                      static_cast<unsigned char>(Data[At + 1]) << 8);
}

bool IsWave(const std::vector<char>& Data)
{
    return StartsWith(Data, "RIFF") && Data.size() >= 12 &&
           std::memcmp(Data.data() + 8, "WAVE", 4) == 0;
}

// The player handles 8-bit PCM only: the "fmt " chunk must say format 1 with
// 8 bits per sample.
bool IsPcm8Wave(const std::vector<char>& Data)
{
    if (!IsWave(Data))
        return false;
    std::size_t at = 12;
    while (at + 8 <= Data.size()) {
        const std::uint32_t size = Le32(Data, at + 4);
        if (std::memcmp(Data.data() + at, "fmt ", 4) == 0)
            return size >= 16 && at + 8 + 16 <= Data.size() && Le16(Data, at + 8) == 1 &&
                   Le16(Data, at + 8 + 14) == 8;
        at += 8 + size + (size & 1u);
    }
    return false;
}

const char* KindName(TMediaKind Kind)
{
    switch (Kind) {
    case TMediaKind::Text:
        return "text";
    case TMediaKind::Picture:
        return "picture";
    case TMediaKind::Sound:
        return "sound";
    }
    return "?";
}

bool HoldsKind(const std::vector<char>& Data, TMediaKind Kind)
{
    switch (Kind) {
    case TMediaKind::Text:
        return StartsWith(Data, "{\\rtf");
    case TMediaKind::Picture:
        return StartsWith(Data, "BM");
    case TMediaKind::Sound:
        return IsPcm8Wave(Data);
    }
    return false;
}

// One stored item as the catalogue names it.
struct TStoredItem
{
    std::string Where; // "TABLE.COLUMN = position"
    std::vector<char> Data;
};

// Every text item that a record names, for the link check.
std::vector<TStoredItem> StoredTexts()
{
    TVlf store;
    store.Open(Catalogue().File(TextStoreFile).string());
    std::vector<TStoredItem> texts;
    for (const TMediaColumn& column : CatalogMediaColumns()) {
        if (column.Kind != TMediaKind::Text)
            continue;
        for (const auto& row :
             Catalogue().Rows("SELECT DISTINCT " + column.Column + " FROM " + column.Table +
                              " WHERE " + column.Column + " IS NOT NULL"))
            texts.push_back({column.Table + "." + column.Column + " = " + row[0],
                             store.ReadItem(std::stoll(row[0]))});
    }
    return texts;
}

// --- helpers of the checks -------------------------------------------------

TEST(CatalogueCheckHelpers, HiddenCodesAreDecodedFromRtf)
{
    const std::string rtf = "{\\rtf1\\ansi {\\ul Schumann}{\\v P:Schumann, Robert} und "
                            "{\\ul Dvo\\u345?\\'e1k}{\\v P:Dvo\\u345?\\'e1k, Anton\\'20(\\'80)} "
                            "{\\v c:3,12}}";
    const std::vector<std::string> codes = HiddenLinkCodes(rtf);
    ASSERT_EQ(codes.size(), 3u);
    EXPECT_EQ(codes[0], "P:Schumann, Robert");
    EXPECT_EQ(codes[1], "P:Dvořák, Anton (€)");
    EXPECT_EQ(codes[2], "c:3,12");
}

TEST(CatalogueCheckHelpers, LinkCodesOfUnknownKindHaveNoTarget)
{
    EXPECT_FALSE(LinkTargetQuery("x:1"));
    EXPECT_FALSE(LinkTargetQuery("p:abc"));
    EXPECT_FALSE(LinkTargetQuery("nocolon"));
    EXPECT_EQ(*LinkTargetQuery("P:O'Brien"),
              "SELECT 1 FROM PERSON WHERE PERS_DATA = 1 AND PERS_NAME COLLATE BINARY = "
              "'O''Brien'");
}

TEST(CatalogueCheckHelpers, QuestionPlaceholdersAreFilled)
{
    const std::vector<TQuestionItem> items = {{0, "Welche Personen", ""},
                                              {1, "Beat%", ""},
                                              {21, "24. Dezember", "5,3"},
                                              {23, "01h 03m 25s", ""},
                                              {1, "Später", ""}};
    const std::vector<std::string> lines =
        QuestionLines("A <PersName>~<T>.<M> <Dauer>~<PersName>~", items);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "A \"Beat%\"");
    EXPECT_EQ(lines[1], "5.3 \"010325\"");
    EXPECT_EQ(lines[2], "\"Beat%\"") << "the first level with a topic supplies the value";
    EXPECT_EQ(lines[3], "");

    const std::string far = std::string(300, ' ') + "<J>";
    EXPECT_EQ(QuestionLines(far, {{19, "1948", ""}}).front(), far)
        << "placeholders beyond the search window stay";
}

// --- fixed ids of the menus --------------------------------------------------

TEST(CatalogueMenus, StyleMenuIdsExistWithTheirNames)
{
    const std::vector<std::pair<int, std::string>> menu = {
        {7, "Beat"},    {5, "Blues"},         {26, "Classic"}, {11, "Country"}, {15, "Ethnic"},
        {6, "Folk"},    {106, "Freie Musik"}, {1, "Funk"},     {10, "Jazz"},    {2, "Pop"},
        {30, "Reggae"}, {4, "Rock'n'Roll"},   {3, "Rock"},     {8, "Soul"}};
    for (const auto& [id, name] : menu) {
        const auto rows = Catalogue().Rows("SELECT CATE_NAME FROM CATEGORY WHERE CATE_ID = " +
                                           std::to_string(id));
        ASSERT_EQ(rows.size(), 1u) << "CATEGORY " << id << " (" << name << ") is missing";
        EXPECT_EQ(rows[0][0], name) << "CATEGORY " << id;
    }
}

TEST(CatalogueMenus, FreeArticlesOfTheMenusExist)
{
    for (const int id : {2569, 2347, 3019, 3064})
        EXPECT_EQ(
            Catalogue().Count("SELECT 1 FROM FREI WHERE FREI_TEXT IS NOT NULL AND FREI_ID = " +
                              std::to_string(id)),
            1u)
            << "FREI " << id << " is missing or has no text";
}

TEST(CatalogueMenus, EveryStyleOfTheStyleMenuHasSoundExamples)
{
    for (const int id : {7, 5, 26, 11, 15, 6, 106, 1, 10, 2, 30, 4, 3, 8}) {
        const std::string key = std::to_string(id);
        EXPECT_GT(Catalogue().Count(
                      "SELECT 1 FROM STYLES WHERE STYL_SOUND IS NOT NULL AND (CATE_ID1 = " + key +
                      " OR CATE_ID2 = " + key + " OR CATE_ID3 = " + key + ")"),
                  0u)
            << "no sound example for style " << id;
    }
}

// --- lists and questions through ODBC ---------------------------------------

class CatalogueThroughOdbc : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        TestDataSource::Options options;
        options.DatabaseFile = Catalogue().File(CatalogDatabaseFile);
        Source = std::make_unique<TestDataSource>(std::string_view{}, options);
        Env = std::make_unique<THenv>();
        Dbc = std::make_unique<THdbc>(Env.get());
        Dbc->SetDataSource(Source->Name());
        Dbc->Connect();
    }
    static void TearDownTestSuite()
    {
        Dbc.reset();
        Env.reset();
        Source.reset();
    }

    // True when Sql yields a first row; a failing statement fails the test.
    static bool HasRows(const std::string& Sql)
    {
        THstmt stmt(Dbc.get(), "Hstmt1");
        stmt.SetSQL(Sql);
        try {
            stmt.Prepare();
            stmt.Execute();
            return stmt.FetchFirst();
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what() << "\n  in: " << Sql;
            return false;
        }
    }

    static std::unique_ptr<TestDataSource> Source;
    static std::unique_ptr<THenv> Env;
    static std::unique_ptr<THdbc> Dbc;
};

std::unique_ptr<TestDataSource> CatalogueThroughOdbc::Source;
std::unique_ptr<THenv> CatalogueThroughOdbc::Env;
std::unique_ptr<THdbc> CatalogueThroughOdbc::Dbc;

TEST_F(CatalogueThroughOdbc, EveryListKindReturnsRows)
{
    for (int kind = 0; kind < ListKinds::Count; ++kind) {
        const int sortItems = ListKinds::Kind(kind).HasSort() ? 2 : 1;
        for (int sort = 0; sort < sortItems; ++sort) {
            const QString sql = ListKinds::StatementText(kind, sort, QStringLiteral("%"));
            EXPECT_TRUE(HasRows(sql.toStdString()))
                << "list kind " << kind << " (" << ListKinds::Kind(kind).Title.toStdString()
                << "), sort item " << sort << " is empty";
        }
    }
}

TEST_F(CatalogueThroughOdbc, EveryQuestionReturnsRows)
{
    const auto questions = Catalogue().Rows(
        "SELECT QUES_1, QUES_2, QUES_3, QUES_4, QUES_5, QUES_6, QUES_7, QUES_8, QUES_9, "
        "QUES_QUERY FROM QUESTION");
    ASSERT_FALSE(questions.empty());
    for (const auto& question : questions) {
        std::string label = "question";
        std::vector<TQuestionItem> items;
        for (std::size_t level = 0; level < 9; ++level) {
            label += " " + question[level];
            if (question[level] == "-1")
                continue;
            const auto item = Catalogue().Rows(
                "SELECT ITEM_TOPIC, ITEM_NAME, ITEM_SUBST FROM ITEMS WHERE ITEM_ID = " +
                question[level]);
            if (item.size() != 1) {
                ADD_FAILURE() << label << ": item " << question[level] << " is missing";
                continue;
            }
            items.push_back({std::stoi(item[0][0]), item[0][1], item[0][2]});
        }
        const std::string& query = question[9];
        ASSERT_FALSE(query.empty()) << label << " has no template";
        const std::string sql = QuestionStatement(query, items);
        // "<" alone is an operator; a placeholder is a bracketed name.
        static const std::regex placeholder("<[A-Za-z][A-Za-z0-9]*>");
        EXPECT_FALSE(std::regex_search(sql, placeholder))
            << label << ": unfilled placeholder in " << sql;
        EXPECT_TRUE(HasRows(sql)) << label << " finds nothing: " << sql;
    }
}

// --- stores -----------------------------------------------------------------

TEST(CatalogueStores, EveryStorePositionHoldsAnItemOfItsKind)
{
    TVlf texts;
    TVlf sounds;
    texts.Open(Catalogue().File(TextStoreFile).string());
    sounds.Open(Catalogue().File(SoundStoreFile).string());
    ASSERT_TRUE(texts.IsOpen());
    ASSERT_TRUE(sounds.IsOpen());

    std::size_t checked = 0;
    for (const TMediaColumn& column : CatalogMediaColumns()) {
        const TVlf& store = column.Kind == TMediaKind::Sound ? sounds : texts;
        for (const auto& row :
             Catalogue().Rows("SELECT " + column.Table + ".ROWID, " + column.Column + " FROM " +
                              column.Table + " WHERE " + column.Column + " IS NOT NULL")) {
            ++checked;
            const std::vector<char> item = store.ReadItem(std::stoll(row[1]));
            EXPECT_TRUE(HoldsKind(item, column.Kind))
                << column.Table << " row " << row[0] << ": " << column.Column << " = " << row[1]
                << " is no " << KindName(column.Kind) << " item (" << item.size() << " bytes)";
        }
    }
    EXPECT_GT(checked, 0u);
}

TEST(CatalogueStores, NoLinkCodeLeadsToAMissingRecord)
{
    std::size_t links = 0;
    for (const TStoredItem& text : StoredTexts()) {
        const std::string rtf(text.Data.begin(), text.Data.end());
        for (const std::string& code : HiddenLinkCodes(rtf)) {
            ++links;
            const auto query = LinkTargetQuery(code);
            if (!query) {
                ADD_FAILURE() << text.Where << ": unknown link code \"" << code << "\"";
                continue;
            }
            EXPECT_GT(Catalogue().Count(*query), 0u)
                << text.Where << ": link \"" << code << "\" leads nowhere";
        }
    }
    EXPECT_GT(links, 0u) << "the demo texts should link their records";
}

TEST(CatalogueStores, SystemItemsSitAtTheirFixedPositions)
{
    TVlf system;
    system.Open(Catalogue().File(SystemStoreFile).string());
    ASSERT_TRUE(system.IsOpen());

    for (int k = 0; k < SystemItem::IntroTileCount; ++k) {
        const std::vector<char> tile = system.ReadItem(SystemItem::IntroTile(k));
        EXPECT_EQ(tile.size(), SystemItem::IntroTileBytes) << "intro tile " << k;
        EXPECT_TRUE(StartsWith(tile, "BM")) << "intro tile " << k;
    }
    for (const std::int64_t wallpaper :
         {SystemItem::ScreenWallpaper, SystemItem::DialogWallpaper}) {
        const std::vector<char> picture = system.ReadItem(wallpaper);
        EXPECT_EQ(picture.size(), SystemItem::WallpaperBytes) << "wallpaper at " << wallpaper;
        EXPECT_TRUE(StartsWith(picture, "BM")) << "wallpaper at " << wallpaper;
    }
    const std::vector<std::pair<std::int64_t, std::uint32_t>> sounds = {
        {SystemItem::IntroMusic, SystemItem::IntroMusicMaxBytes},
        {SystemItem::ClosingMusic, SystemItem::ClosingMusicMaxBytes},
        {SystemItem::ClickSound, SystemItem::ClickSoundMaxBytes},
        {SystemItem::LinkSound, SystemItem::LinkSoundMaxBytes},
        {SystemItem::ErrorSound, UINT32_MAX}};
    for (const auto& [position, maxBytes] : sounds) {
        const std::vector<char> sound = system.ReadItem(position);
        EXPECT_TRUE(IsPcm8Wave(sound)) << "system sound at " << position;
        EXPECT_LE(sound.size(), maxBytes) << "system sound at " << position;
    }
}

} // namespace
