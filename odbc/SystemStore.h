#pragma once

// The program's own items in the system store Musarix.Sy: fixed
// positions, and the room each slot has before the next one.
// The catalogue builder places the items there; the program reads them.

#include <cstdint>

namespace SystemStore {

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

} // namespace SystemStore

// Each slot ends exactly where the next one begins.
static_assert(SystemStore::IntroTile(SystemStore::IntroTileCount) == SystemStore::ScreenWallpaper);
static_assert(SystemStore::IntroTile(1) - SystemStore::IntroTile(0) ==
              8 + SystemStore::IntroTileBytes);
static_assert(SystemStore::ScreenWallpaper + 8 + SystemStore::WallpaperBytes ==
              SystemStore::DialogWallpaper);
static_assert(SystemStore::DialogWallpaper + 8 + SystemStore::WallpaperBytes ==
              SystemStore::IntroMusic);
static_assert(SystemStore::IntroMusic + 8 + SystemStore::IntroMusicMaxBytes ==
              SystemStore::ClosingMusic);
static_assert(SystemStore::ClosingMusic + 8 + SystemStore::ClosingMusicMaxBytes ==
              SystemStore::ClickSound);
static_assert(SystemStore::ClickSound + 8 + SystemStore::ClickSoundMaxBytes ==
              SystemStore::LinkSound);
static_assert(SystemStore::LinkSound + 8 + SystemStore::LinkSoundMaxBytes ==
              SystemStore::ErrorSound);
