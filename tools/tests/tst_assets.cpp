// Pieces of the builder: table files, UTF-8, pictures and sounds.

#include "odbc/SystemStore.h"
#include "tools/BuildError.h"
#include "tools/Generator.h"
#include "tools/Pictures.h"
#include "tools/Sounds.h"
#include "tools/SourceText.h"
#include "tools/TableSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const TBuildError& e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(TableSource, RecordBlocks)
{
    const TTableSource s = ParseTableSource(
        {"# Kommentar", "", "[7]", "PERS_NAME = Muster, Hans", "PERS_DATA=1", "", "[8]",
         "PERS_NAME =", "PERS_BUERG = lang", "  und weiter", "\tund fertig"},
        "PERSON", "tables/PERSON.txt", "PERS_ID");
    ASSERT_EQ(s.Records.size(), 2u);
    EXPECT_EQ(s.Records[0].Line, 3);
    ASSERT_EQ(s.Records[0].Fields.size(), 3u);
    EXPECT_EQ(s.Records[0].Fields[0].Column, "PERS_ID");
    EXPECT_EQ(s.Records[0].Fields[0].Value, "7");
    EXPECT_EQ(s.Records[0].Fields[1].Value, "Muster, Hans");
    EXPECT_EQ(s.Records[0].Fields[1].Line, 4);
    EXPECT_EQ(s.Records[0].Fields[2].Value, "1");
    EXPECT_EQ(s.Records[1].Fields[1].Value, "");
    EXPECT_EQ(s.Records[1].Fields[2].Value, "lang und weiter und fertig");
}

TEST(TableSource, Rows)
{
    const TTableSource s =
        ParseTableSource({"# Orte", "CITY_ID | CITY_NAME", "1 | Hamburg", "", "2|  Wien  "}, "CITY",
                         "tables/CITY.txt", "CITY_ID");
    ASSERT_EQ(s.Records.size(), 2u);
    EXPECT_EQ(s.Records[1].Line, 5);
    EXPECT_EQ(s.Records[1].Fields[1].Column, "CITY_NAME");
    EXPECT_EQ(s.Records[1].Fields[1].Value, "Wien");
}

TEST(TableSource, Errors)
{
    const auto parse = [](const std::vector<std::string>& lines) {
        return ErrorOf([&] { ParseTableSource(lines, "PERSON", "tables/PERSON.txt", "PERS_ID"); });
    };
    EXPECT_NE(parse({"[1]", "PERS_NAME"}).find("tables/PERSON.txt:2:"), std::string::npos);
    EXPECT_NE(parse({"[1]", "PERS_ID = 2"}).find("record header"), std::string::npos);
    EXPECT_NE(parse({"[1", "X = 1"}).find("tables/PERSON.txt:1:"), std::string::npos);
    EXPECT_NE(parse({"[1]", "", "  lose"}).find("tables/PERSON.txt:3: indented"),
              std::string::npos);
    EXPECT_NE(parse({"A | A", "1 | 2"}).find("named twice"), std::string::npos);
    EXPECT_NE(parse({"A | B", "1"}).find("tables/PERSON.txt:2: the row has 1 values"),
              std::string::npos);
}

TEST(SourceText, Utf8Validation)
{
    EXPECT_EQ(FirstInvalidUtf8("Grüße, Łódź, ♪, 𝄞"), -1);
    EXPECT_EQ(FirstInvalidUtf8("ab\xFF"), 2);
    EXPECT_EQ(FirstInvalidUtf8("\xC3"), 0);             // cut short
    EXPECT_EQ(FirstInvalidUtf8("x\xC0\xAF"), 1);        // overlong
    EXPECT_EQ(FirstInvalidUtf8("\xED\xA0\x80"), 0);     // surrogate
    EXPECT_EQ(FirstInvalidUtf8("\xF4\x90\x80\x80"), 0); // above U+10FFFF
    EXPECT_EQ(DecodeUtf8("aä€𝄞"), std::u32string(U"aä€𝄞"));
}

TEST(Pictures, SystemFormsHaveTheirExactSizes)
{
    const QImage intro = GeneratePicture(ParseGeneratorRecipe("gen: kind=intro"), "system.txt", 1);
    ASSERT_EQ(intro.width(), 640);
    ASSERT_EQ(intro.height(), 480);
    const QImage tile = ToIndexed256(intro.copy(160, 0, 160, 160));
    EXPECT_EQ(EncodeBmp(tile).size(), SystemItem::IntroTileBytes);
    const QImage wallpaper =
        GeneratePicture(ParseGeneratorRecipe("gen: kind=wallpaper hue=10"), "system.txt", 1);
    EXPECT_EQ(EncodeBmp(ToIndexed256(wallpaper)).size(), SystemItem::WallpaperBytes);
    // A 24-bit picture reduced to 256 colours has the same form.
    QImage photo(100, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            photo.setPixel(x, y, qRgb(x * 2, y * 2, (x * y) % 256));
    EXPECT_EQ(EncodeBmp(ToIndexed256(photo)).size(), SystemItem::WallpaperBytes);
}

TEST(Pictures, WallpaperTilesSeamlessly)
{
    const QImage w =
        GeneratePicture(ParseGeneratorRecipe("gen: kind=wallpaper seed=a"), "system.txt", 1);
    // The intensity changes across the seam no more than inside the tile.
    int seam = 0;
    int inside = 0;
    for (int y = 0; y < 100; ++y) {
        seam = std::max(seam, std::abs(w.pixelIndex(99, y) - w.pixelIndex(0, y)));
        inside = std::max(inside, std::abs(w.pixelIndex(50, y) - w.pixelIndex(51, y)));
    }
    EXPECT_LE(seam, inside + 12);
}

TEST(Pictures, PlaceholdersAreDeterministicAndCatalogueBmps)
{
    const auto make = [](const std::string& recipe) {
        return EncodeBmp(ToCataloguePicture(GeneratePicture(ParseGeneratorRecipe(recipe), "t", 1)));
    };
    const std::vector<char> a = make("gen: width=50 height=40 seed=x");
    EXPECT_EQ(a, make("gen: width=50 height=40 seed=x"));
    EXPECT_NE(a, make("gen: width=50 height=40 seed=y"));
    ASSERT_GT(a.size(), 54u);
    EXPECT_EQ(a[0], 'B');
    EXPECT_EQ(a[1], 'M');
    EXPECT_EQ(a.size(), 14u + 40u + 1024u + 52u * 40u); // 8 bit, rows padded to 52 bytes

    QImage rgb(3, 2, QImage::Format_ARGB32);
    rgb.fill(qRgba(255, 0, 0, 128));
    const std::vector<char> bmp = EncodeBmp(ToCataloguePicture(rgb));
    EXPECT_EQ(bmp.size(), 14u + 40u + 2u * 12u); // 24 bit, rows padded to 12 bytes
}

TEST(Pictures, GeneratorErrors)
{
    const auto error = [](const std::string& recipe) {
        return ErrorOf([&] { GeneratePicture(ParseGeneratorRecipe(recipe), "tables/X.txt", 4); });
    };
    EXPECT_NE(error("gen: kind=kreis").find("tables/X.txt:4: gen: unknown kind"),
              std::string::npos);
    EXPECT_NE(error("gen: width=0").find("width=0"), std::string::npos);
    EXPECT_NE(error("gen: farbe=rot").find("unknown option"), std::string::npos);
    EXPECT_NE(error("gen: kind=intro width=10").find("fixed size"), std::string::npos);
    EXPECT_NE(error("gen: rot").find("unexpected word"), std::string::npos);
}

TEST(Sounds, SynthesizedWavIsPcm)
{
    const std::vector<char> wav = SynthesizeWav(
        ParseGeneratorRecipe("synth: timbre=piano tempo=120 C4 E4+G4:0.5 R:0.5 Bb3:2"), "t", 1);
    TWavInfo info;
    ASSERT_EQ(CheckPcmWav(wav, &info), "");
    EXPECT_EQ(info.Channels, 1);
    EXPECT_EQ(info.SampleRate, 22050);
    EXPECT_EQ(info.BitsPerSample, 16);
    EXPECT_EQ(info.DataBytes, 4u * 22050u / 2u * 2u); // 4 beats of 0.5 s
    EXPECT_EQ(wav.size(), 44u + info.DataBytes);
    EXPECT_EQ(wav, SynthesizeWav(ParseGeneratorRecipe(
                                     "synth: timbre=piano tempo=120 C4 E4+G4:0.5 R:0.5 Bb3:2"),
                                 "t", 1));

    const std::vector<char> small =
        SynthesizeWav(ParseGeneratorRecipe("synth: rate=8000 bits=8 tempo=3000 A5"), "t", 1);
    ASSERT_EQ(CheckPcmWav(small, &info), "");
    EXPECT_EQ(info.BitsPerSample, 8);
    EXPECT_EQ(info.DataBytes, 160u);
    for (const char* timbre : {"sine", "organ", "piano", "pluck", "reed", "bell", "buzz"})
        EXPECT_EQ(
            CheckPcmWav(SynthesizeWav(
                ParseGeneratorRecipe(std::string("synth: timbre=") + timbre + " A3"), "t", 1)),
            "")
            << timbre;
}

TEST(Sounds, SynthErrors)
{
    const auto error = [](const std::string& recipe) {
        return ErrorOf(
            [&] { SynthesizeWav(ParseGeneratorRecipe(recipe), "tables/STYLES.txt", 9); });
    };
    EXPECT_NE(error("synth: H4").find("tables/STYLES.txt:9: synth: \"H4\" is no note"),
              std::string::npos);
    EXPECT_NE(error("synth: C4:x").find("beats"), std::string::npos);
    EXPECT_NE(error("synth: timbre=geige C4").find("unknown timbre"), std::string::npos);
    EXPECT_NE(error("synth: rate=12345 C4").find("rate=12345"), std::string::npos);
    EXPECT_NE(error("synth: tempo=120").find("no notes"), std::string::npos);
}

TEST(Sounds, CheckPcmWav)
{
    std::vector<char> wav = SynthesizeWav(ParseGeneratorRecipe("synth: A4:0.1"), "t", 1);
    EXPECT_EQ(CheckPcmWav(wav), "");
    std::vector<char> compressed = wav;
    compressed[20] = 2; // ADPCM
    EXPECT_NE(CheckPcmWav(compressed).find("not uncompressed PCM"), std::string::npos);
    std::vector<char> cut(wav.begin(), wav.begin() + 50);
    EXPECT_NE(CheckPcmWav(cut).find("runs past the end"), std::string::npos);
    EXPECT_NE(CheckPcmWav(std::vector<char>{'M', 'Z'}).find("not a WAV file"), std::string::npos);
}
