// The markup of the catalogue's long texts and its conversion to RTF.

#include "tools/BuildError.h"
#include "tools/Markup.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const std::string Header =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 ";

std::string Rtf(const std::vector<std::string>& lines,
                std::vector<std::pair<std::string, int>>* links = nullptr)
{
    return MarkupToRtf(lines, "texts/t.txt", [links](const std::string& code, int line) {
        if (links)
            links->emplace_back(code, line);
    });
}

std::string Body(const std::vector<std::string>& lines)
{
    const std::string rtf = Rtf(lines);
    EXPECT_EQ(rtf.substr(0, Header.size()), Header);
    EXPECT_EQ(rtf.back(), '}');
    return rtf.substr(Header.size(), rtf.size() - Header.size() - 1);
}

std::string Error(const std::vector<std::string>& lines)
{
    try {
        Rtf(lines);
    } catch (const TBuildError& e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(Markup, ParagraphsAndLines)
{
    EXPECT_EQ(Body({"Eins", "zwei.", "", "", "Drei."}), "Eins zwei.\\par\nDrei.");
    EXPECT_EQ(Body({"  eingerückt  "}), "einger\\'fcckt");
    EXPECT_EQ(Body({"Zeile eins \\", "Zeile zwei"}), "Zeile eins\\line Zeile zwei");
    EXPECT_EQ(Body({}), "");
}

TEST(Markup, BoldItalicAndEscapes)
{
    EXPECT_EQ(Body({"ein **fettes** und *schräges* Wort"}),
              "ein \\b fettes\\b0  und \\i schr\\'e4ges\\i0  Wort");
    EXPECT_EQ(Body({"5 \\* 3 \\[x\\] \\\\"}), "5 * 3 [x] \\\\");
    EXPECT_EQ(Body({"{Klammern}"}), "\\{Klammern\\}");
}

TEST(Markup, CharactersOutsideAscii)
{
    EXPECT_EQ(Body({"Grüße"}), "Gr\\'fc\\'dfe");
    EXPECT_EQ(Body({"„Zitat“ – 5 €"}), "\\'84Zitat\\'93 \\'96 5 \\'80");
    EXPECT_EQ(Body({"Łódź"}), "\\u321?\\'f3d\\u378?");
    EXPECT_EQ(Body({"♪"}), "\\u9834?");
    EXPECT_EQ(Body({"𝄞"}), "\\u-10188?\\u-8930?"); // U+1D11E as a surrogate pair
}

TEST(Markup, LinksAreVisibleTextAndHiddenCode)
{
    std::vector<std::pair<std::string, int>> links;
    const std::string rtf =
        Rtf({"Ein Satz.", "", "Mit [Gustav Mähler](P:Mähler, Gustav) und", "[Band (live)](b:3)."},
            &links);
    EXPECT_NE(rtf.find("{\\ul Gustav M\\'e4hler}{\\v P:M\\'e4hler, Gustav}"), std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("{\\ul Band (live)}{\\v b:3}."), std::string::npos) << rtf;
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0], std::make_pair(std::string("P:Mähler, Gustav"), 3));
    EXPECT_EQ(links[1], std::make_pair(std::string("b:3"), 4));

    links.clear();
    Rtf({"[Smith, John (Jazz)](P:Smith, John (Jazz)) ok"}, &links);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].first, "P:Smith, John (Jazz)");
}

TEST(Markup, ErrorsNameTheLine)
{
    EXPECT_NE(Error({"gut", "", "**nicht", "geschlossen"}).find("texts/t.txt:3: bold"),
              std::string::npos);
    EXPECT_NE(Error({"*kursiv"}).find("texts/t.txt:1: italic"), std::string::npos);
    EXPECT_NE(Error({"a", "b [Link", "c"}).find("texts/t.txt:2: link not closed"),
              std::string::npos);
    EXPECT_NE(Error({"[Link] ohne Code"}).find("texts/t.txt:1:"), std::string::npos);
    EXPECT_NE(Error({"[Link](P:offen"}).find("not closed"), std::string::npos);
    EXPECT_NE(Error({"x ] y"}).find("texts/t.txt:1:"), std::string::npos);
    EXPECT_NE(Error({"[](p:1)"}).find("visible text"), std::string::npos);
}

TEST(Markup, LinkCheckFailureStopsTheConversion)
{
    const auto check = [](const std::string& code, int line) {
        if (code == "p:9")
            throw TBuildError("texts/t.txt", line, "no such person");
    };
    EXPECT_THROW(MarkupToRtf({"[a](p:1)", "[b](p:9)"}, "texts/t.txt", check), TBuildError);
    EXPECT_NO_THROW(MarkupToRtf({"[a](p:1)"}, "texts/t.txt", check));
}

TEST(Markup, Cp1252Table)
{
    EXPECT_EQ(Cp1252Byte(U'A'), 0);
    EXPECT_EQ(Cp1252Byte(U'ä'), 0xE4);
    EXPECT_EQ(Cp1252Byte(U'€'), 0x80);
    EXPECT_EQ(Cp1252Byte(U'Ÿ'), 0x9F);
    EXPECT_EQ(Cp1252Byte(char32_t{0x81}), 0);
    EXPECT_EQ(Cp1252Byte(U'Ł'), 0);
}
