// Media containers: the reader TVlf and the writer TVlfWriter.

#include "odbc/SystemStore.h"
#include "odbc/Vlf.h"
#include "odbc/VlfWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A fresh directory under the system's temporary directory, removed at the end.
class TempDir
{
public:
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "tst_vlf.XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        FPath = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        fs::remove_all(FPath, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    fs::path operator/(const std::string& name) const { return FPath / name; }

private:
    fs::path FPath;
};

std::vector<char> Bytes(const std::string& s)
{
    return std::vector<char>(s.begin(), s.end());
}

std::vector<char> ReadFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& p, const std::vector<char>& data)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

void PutU32(std::vector<char>& data, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        data[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFFu);
}

// A container with two items, "Hallo Welt" at 1024 and 300 counting bytes
// after it.
struct SampleContainer
{
    explicit SampleContainer(const fs::path& file) : path(file)
    {
        TVlfWriter writer;
        writer.Create(file.string(), "Musarix test container");
        first = writer.Append(Bytes("Hallo Welt"));
        for (int i = 0; i < 300; ++i)
            counting.push_back(static_cast<char>(i % 251));
        second = writer.Append(counting);
        writer.Finish();
    }
    fs::path path;
    std::int64_t first = 0;
    std::int64_t second = 0;
    std::vector<char> counting;
};

} // namespace

TEST(VlfWriter, HeaderLayout)
{
    TempDir dir;
    TVlfWriter writer;
    writer.Create((dir / "a.St").string(), "Musarix");
    writer.Finish();
    const std::vector<char> data = ReadFile(dir / "a.St");
    ASSERT_EQ(data.size(), 1024u);
    const unsigned char expected[] = {0xF5, 0xF4, 0x02, 0x00, 0x06, 0x00, 'M',
                                      'u',  's',  'a',  'r',  'i',  'x',  0};
    for (std::size_t i = 0; i < sizeof expected; ++i)
        EXPECT_EQ(static_cast<unsigned char>(data[i]), expected[i]) << "byte " << i;
    for (std::size_t i = sizeof expected; i < data.size(); ++i)
        ASSERT_EQ(data[i], 0) << "byte " << i;
}

TEST(VlfWriter, ItemLayoutAndPositions)
{
    TempDir dir;
    SampleContainer c(dir / "a.St");
    EXPECT_EQ(c.first, 1024);
    EXPECT_EQ(c.second, 1024 + 8 + 10);
    const std::vector<char> data = ReadFile(c.path);
    ASSERT_EQ(data.size(), static_cast<std::size_t>(c.second + 8 + 300));
    EXPECT_EQ(data[1024], 35);
    EXPECT_EQ(data[1025], 0);
    EXPECT_EQ(data[1026], 0);
    EXPECT_EQ(data[1027], 0);
    EXPECT_EQ(data[1028], 10);
    EXPECT_EQ(std::string(&data[1032], 10), "Hallo Welt");
    // 300 = 0x12C, little-endian
    EXPECT_EQ(static_cast<unsigned char>(data[static_cast<std::size_t>(c.second) + 4]), 0x2C);
    EXPECT_EQ(static_cast<unsigned char>(data[static_cast<std::size_t>(c.second) + 5]), 0x01);
}

TEST(VlfWriter, RefusesLongIdentification)
{
    TempDir dir;
    TVlfWriter writer;
    EXPECT_THROW(writer.Create((dir / "a.St").string(), std::string(1018, 'x')), TVlfWriteError);
    EXPECT_NO_THROW(writer.Create((dir / "b.St").string(), std::string(1017, 'x')));
}

TEST(VlfWriter, PlaceZeroFillsGapsAndRefusesOverlap)
{
    TempDir dir;
    TVlfWriter writer;
    writer.Create((dir / "a.Sy").string(), "sys");
    writer.Place(2000, Bytes("zwei"));
    writer.Place(1024, Bytes("eins")); // before an item placed earlier
    EXPECT_THROW(writer.Place(1990, Bytes("0123456789")), TVlfWriteError); // runs into 2000
    EXPECT_THROW(writer.Place(2004, Bytes("x")), TVlfWriteError);          // inside "zwei"
    EXPECT_THROW(writer.Place(1000, Bytes("x")), TVlfWriteError);          // in the header
    EXPECT_EQ(writer.Append(Bytes("drei")), 2000 + 8 + 4);
    writer.Finish();

    const std::vector<char> data = ReadFile(dir / "a.Sy");
    for (std::size_t i = 1024 + 12; i < 2000; ++i)
        ASSERT_EQ(data[i], 0) << "byte " << i;

    TVlf vlf;
    vlf.Open((dir / "a.Sy").string());
    EXPECT_EQ(vlf.ReadItem(1024), Bytes("eins"));
    EXPECT_EQ(vlf.ReadItem(2000), Bytes("zwei"));
    EXPECT_EQ(vlf.ReadItem(2012), Bytes("drei"));
}

TEST(VlfWriter, SystemStoreSlotsRoundTrip)
{
    // Every fixed slot filled to its limit fits exactly before the next slot.
    TempDir dir;
    TVlfWriter writer;
    writer.Create((dir / "Musarix.Sy").string(), "sys");
    for (int k = 0; k < SystemItem::IntroTileCount; ++k)
        writer.Place(SystemItem::IntroTile(k),
                     std::vector<char>(SystemItem::IntroTileBytes, static_cast<char>(k)));
    writer.Place(SystemItem::ScreenWallpaper, std::vector<char>(SystemItem::WallpaperBytes, 'w'));
    writer.Place(SystemItem::DialogWallpaper, std::vector<char>(SystemItem::WallpaperBytes, 'd'));
    writer.Place(SystemItem::IntroMusic, std::vector<char>(SystemItem::IntroMusicMaxBytes, 'i'));
    writer.Place(SystemItem::ClosingMusic,
                 std::vector<char>(SystemItem::ClosingMusicMaxBytes, 'c'));
    writer.Place(SystemItem::ClickSound, std::vector<char>(SystemItem::ClickSoundMaxBytes, 'k'));
    writer.Place(SystemItem::LinkSound, std::vector<char>(SystemItem::LinkSoundMaxBytes, 'l'));
    writer.Place(SystemItem::ErrorSound, std::vector<char>(100, 'e'));
    writer.Finish();

    TVlf vlf;
    vlf.Open((dir / "Musarix.Sy").string());
    EXPECT_EQ(vlf.ItemSize(SystemItem::IntroTile(0)), SystemItem::IntroTileBytes);
    EXPECT_EQ(vlf.ItemSize(27710), SystemItem::IntroTileBytes);
    EXPECT_EQ(vlf.ItemSize(294570), SystemItem::IntroTileBytes);
    EXPECT_EQ(vlf.ItemSize(321256), SystemItem::WallpaperBytes);
    EXPECT_EQ(vlf.ItemSize(332342), SystemItem::WallpaperBytes);
    EXPECT_EQ(vlf.ItemSize(343428), SystemItem::IntroMusicMaxBytes);
    EXPECT_EQ(vlf.ItemSize(1549638), SystemItem::ClosingMusicMaxBytes);
    EXPECT_EQ(vlf.ItemSize(1718312), SystemItem::ClickSoundMaxBytes);
    EXPECT_EQ(vlf.ItemSize(1727306), SystemItem::LinkSoundMaxBytes);
    EXPECT_EQ(vlf.ItemSize(1729408), 100u);
    EXPECT_EQ(vlf.ReadItem(SystemItem::IntroTile(5)),
              std::vector<char>(SystemItem::IntroTileBytes, 5));
}

TEST(Vlf, RoundTrip)
{
    TempDir dir;
    SampleContainer c(dir / "a.St");
    TVlf vlf;
    EXPECT_TRUE(vlf.Open(c.path.string()));
    ASSERT_TRUE(vlf.IsOpen());
    EXPECT_EQ(vlf.ItemSize(c.first), 10u);
    EXPECT_EQ(vlf.ItemSize(c.second), 300u);

    std::vector<char> buffer(vlf.ItemSize(c.first));
    EXPECT_TRUE(vlf.ReadItem(c.first, buffer.data(), 0));
    EXPECT_EQ(buffer, Bytes("Hallo Welt"));
    EXPECT_EQ(vlf.ReadItem(c.second), c.counting);
    EXPECT_EQ(vlf.Close(), 0);
    EXPECT_EQ(vlf.Close(), -1);
    EXPECT_EQ(vlf.ItemSize(c.first), 0u);
}

TEST(Vlf, PositionBelow1024IsRefused)
{
    TempDir dir;
    SampleContainer c(dir / "a.St");
    TVlf vlf;
    vlf.Open(c.path.string());
    char buffer[16] = {};
    EXPECT_FALSE(vlf.ReadItem(1023, buffer, 4));
    EXPECT_FALSE(vlf.ReadItem(0, buffer, 4));
    EXPECT_FALSE(vlf.ReadItem(-5, buffer, 4));
    EXPECT_FALSE(vlf.ReadItem(1016, buffer, 0));
    EXPECT_EQ(vlf.ItemSize(1016), 0u);
    EXPECT_TRUE(vlf.ReadItem(1024, buffer, 4));
}

TEST(Vlf, MarkerOtherThan35GivesSizeZero)
{
    TempDir dir;
    SampleContainer c(dir / "a.St");
    std::vector<char> data = ReadFile(c.path);
    PutU32(data, static_cast<std::size_t>(c.first), 36);
    WriteFile(c.path, data);

    TVlf vlf;
    vlf.Open(c.path.string());
    EXPECT_EQ(vlf.ItemSize(c.first), 0u);
    char buffer[16] = {};
    EXPECT_FALSE(vlf.ReadItem(c.first, buffer, 0));
    EXPECT_TRUE(vlf.ReadItem(c.first).empty());
    // A position inside an item's data is no item either.
    EXPECT_EQ(vlf.ItemSize(c.second + 8), 0u);
    EXPECT_EQ(vlf.ItemSize(c.second), 300u);
}

TEST(Vlf, PieceAtOffsetReadsBytesBehindTheHeader)
{
    TempDir dir;
    SampleContainer c(dir / "a.St");
    TVlf vlf;
    vlf.Open(c.path.string());
    for (std::int64_t k : {0, 1, 17, 250, 290}) {
        std::vector<char> piece(10);
        ASSERT_TRUE(vlf.ReadItem(c.second + k, piece.data(), 10)) << "k = " << k;
        const auto from = c.counting.begin() + static_cast<std::ptrdiff_t>(k);
        EXPECT_EQ(piece, std::vector<char>(from, from + 10)) << "k = " << k;
    }
    // "Welt" is at offset 6 of the first item.
    char welt[4];
    ASSERT_TRUE(vlf.ReadItem(c.first + 6, welt, 4));
    EXPECT_EQ(std::string(welt, 4), "Welt");
}

TEST(Vlf, PieceBeyondTheEndIsRefused)
{
    TempDir dir;
    SampleContainer c(dir / "a.St");
    TVlf vlf;
    vlf.Open(c.path.string());
    std::vector<char> piece(20, 'x');
    EXPECT_TRUE(vlf.ReadItem(c.second + 280, piece.data(), 20));  // the last 20 bytes
    EXPECT_FALSE(vlf.ReadItem(c.second + 281, piece.data(), 20)); // one byte too many
    EXPECT_FALSE(vlf.ReadItem(c.second, piece.data(), -1));
}

TEST(Vlf, MissingFileGivesNoItems)
{
    TempDir dir;
    TVlf vlf;
    EXPECT_TRUE(vlf.Open((dir / "nicht-da.St").string()));
    EXPECT_FALSE(vlf.IsOpen());
    EXPECT_EQ(vlf.ItemSize(1024), 0u);
    char buffer[4];
    EXPECT_FALSE(vlf.ReadItem(1024, buffer, 0));
    EXPECT_FALSE(vlf.ReadItem(1024, buffer, 4));
    EXPECT_EQ(vlf.Close(), -1);
    EXPECT_FALSE(vlf.Open(""));
}

TEST(Vlf, FileWithoutSignatureGivesNoItems)
{
    TempDir dir;
    SampleContainer c(dir / "a.St");
    std::vector<char> data = ReadFile(c.path);
    data[0] = 'M';
    data[1] = 'Z';
    WriteFile(c.path, data);

    TVlf vlf;
    EXPECT_TRUE(vlf.Open(c.path.string()));
    EXPECT_FALSE(vlf.IsOpen());
    EXPECT_EQ(vlf.ItemSize(c.first), 0u);
    EXPECT_TRUE(vlf.ReadItem(c.first).empty());
    // The reader never writes: the file is exactly as it was.
    EXPECT_EQ(ReadFile(c.path), data);

    WriteFile(dir / "empty.St", {});
    EXPECT_TRUE(vlf.Open((dir / "empty.St").string()));
    EXPECT_FALSE(vlf.IsOpen());
    EXPECT_EQ(fs::file_size(dir / "empty.St"), 0u);

    // A directory is not a container.
    EXPECT_TRUE(vlf.Open((dir / "").string()));
    EXPECT_FALSE(vlf.IsOpen());
}

TEST(Vlf, TruncatedItemIsRefused)
{
    TempDir dir;
    SampleContainer c(dir / "a.St");
    std::vector<char> data = ReadFile(c.path);
    data.resize(data.size() - 1); // the last item lacks its last byte
    WriteFile(c.path, data);

    TVlf vlf;
    vlf.Open(c.path.string());
    EXPECT_EQ(vlf.ItemSize(c.second), 0u);
    std::vector<char> buffer(300, 'x');
    EXPECT_FALSE(vlf.ReadItem(c.second, buffer.data(), 0));
    EXPECT_FALSE(vlf.ReadItem(c.second, buffer.data(), 300));
    EXPECT_EQ(buffer, std::vector<char>(300, 'x')); // nothing was read into it
    EXPECT_EQ(vlf.ReadItem(c.first), Bytes("Hallo Welt"));

    // A length field that claims far more than the file holds.
    PutU32(data, static_cast<std::size_t>(c.first) + 4, 0xFFFFFFF0u);
    WriteFile(c.path, data);
    vlf.Open(c.path.string());
    EXPECT_EQ(vlf.ItemSize(c.first), 0u);
    EXPECT_TRUE(vlf.ReadItem(c.first).empty());

    // A header cut off in the middle.
    data.resize(static_cast<std::size_t>(c.second) + 6);
    WriteFile(c.path, data);
    vlf.Open(c.path.string());
    EXPECT_EQ(vlf.ItemSize(c.second), 0u);
}

TEST(Vlf, OpenCallsHooksAndReopens)
{
    TempDir dir;
    SampleContainer c(dir / "a.St");
    int opened = 0;
    int closed = 0;
    TVlf vlf;
    vlf.BeforeFileOpen = [&](TVlf&) { ++opened; };
    vlf.BeforeFileClose = [&](TVlf&) { ++closed; };
    vlf.Open(c.path.string());
    vlf.Open(c.path.string()); // closes the first one
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(vlf.Close(), 0);
    EXPECT_EQ(closed, 2);
    EXPECT_EQ(vlf.FileName(), c.path.string());

    TVlf moved(std::move(vlf));
    EXPECT_FALSE(moved.IsOpen());
    moved.Open(c.path.string());
    TVlf other;
    other = std::move(moved);
    EXPECT_EQ(other.ItemSize(c.first), 10u);
}
