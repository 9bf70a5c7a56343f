#pragma once

// The program's own items in the system store Musarix.Sy: fixed
// positions, and the room each slot has before the next one.
// The catalogue builder places the items there; the program reads them.

#include <cstdint>

namespace SystemItem {

// Intro tiles: 12 pictures of 160 x 160 pixels in 256 colours (BMP files of
// exactly 26678 bytes), tile k (0 ... 11) at 1024 + k * 26686. Tile k shows
// row k / 4, column k % 4 of the 640 x 480 intro picture.
inline constexpr int IntroTileCount = 12;
inline constexpr int IntroTileWidth = 160;
inline constexpr int IntroTileHeight = 160;
inline constexpr std::uint32_t IntroTileBytes = 26678;
inline constexpr std::int64_t IntroTileStep = 26686;
inline constexpr std::int64_t IntroTile(int k)
{
    return 1024 + k * IntroTileStep;
}

// Wallpapers: 100 x 100 pixels, 256 colours (BMP files of 11078 bytes),
// tiled behind the full-screen screens and behind the dialog-sized ones.
inline constexpr int WallpaperWidth = 100;
inline constexpr int WallpaperHeight = 100;
inline constexpr std::uint32_t WallpaperBytes = 11078;
inline constexpr std::int64_t ScreenWallpaper = 321256;
inline constexpr std::int64_t DialogWallpaper = 332342;

// Music and interface sounds (WAV files), with the most bytes each may have.
inline constexpr std::int64_t IntroMusic = 343428;
inline constexpr std::uint32_t IntroMusicMaxBytes = 1206202;
inline constexpr std::int64_t ClosingMusic = 1549638;
inline constexpr std::uint32_t ClosingMusicMaxBytes = 168666;
inline constexpr std::int64_t ClickSound = 1718312;
inline constexpr std::uint32_t ClickSoundMaxBytes = 8986;
inline constexpr std::int64_t LinkSound = 1727306;
inline constexpr std::uint32_t LinkSoundMaxBytes = 2094;
// The last item: no limit but the 32-bit positions.
inline constexpr std::int64_t ErrorSound = 1729408;

} // namespace SystemItem

// Each slot ends exactly where the next one begins.
static_assert(SystemItem::IntroTile(SystemItem::IntroTileCount) == SystemItem::ScreenWallpaper);
static_assert(SystemItem::IntroTile(1) - SystemItem::IntroTile(0) ==
              8 + SystemItem::IntroTileBytes);
static_assert(SystemItem::ScreenWallpaper + 8 + SystemItem::WallpaperBytes ==
              SystemItem::DialogWallpaper);
static_assert(SystemItem::DialogWallpaper + 8 + SystemItem::WallpaperBytes ==
              SystemItem::IntroMusic);
static_assert(SystemItem::IntroMusic + 8 + SystemItem::IntroMusicMaxBytes ==
              SystemItem::ClosingMusic);
static_assert(SystemItem::ClosingMusic + 8 + SystemItem::ClosingMusicMaxBytes ==
              SystemItem::ClickSound);
static_assert(SystemItem::ClickSound + 8 + SystemItem::ClickSoundMaxBytes == SystemItem::LinkSound);
static_assert(SystemItem::LinkSound + 8 + SystemItem::LinkSoundMaxBytes == SystemItem::ErrorSound);
