#pragma once

// Helpers of the output tests: clicking shaped buttons where their shape
// is, acting on a modal screen once its modal run has begun, the interface
// sounds asked for, the margins as a whole, and a system store that holds a
// dialog wallpaper.

#include "shell/Global.h"
#include "shell/tests/SoundLog.h"

#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class TShapeButton;

namespace OutputTest {

// A left press and release on the button's shape, as the mouse gives it.
void ClickShape(TShapeButton* Button);

// Runs Action on the next modal window above Below as soon as its modal run
// has begun. Call it just before the call that runs the window.
void WhenModal(std::function<void(QWidget*)> Action, QWidget* Below = nullptr);

// A key pressed and released on Widget.
void Key(QWidget* Widget, Qt::Key Key);

// Starts from no Musarix.Ini.
void ForgetSettings();
QString SettingsFile();

// Left, right, top, bottom in millimetres, as the settings hold them.
using TMargins = std::array<int, 4>;
TMargins Margins();
void SetMargins(const TMargins& Margins);

// Keeps the margins of the test and puts the earlier ones back afterwards.
class TMarginsGuard
{
public:
    explicit TMarginsGuard(const TMargins& Start);
    ~TMarginsGuard();
    TMarginsGuard(const TMarginsGuard&) = delete;
    TMarginsGuard& operator=(const TMarginsGuard&) = delete;

private:
    TMargins FSaved;
};

// A real system store Musarix.Sy with a dialog wallpaper tile (blocks of
// ten pixels in shades of blue and green), opened as the program's
// SystemStore while the object lives.
class TWallpaperStore
{
public:
    TWallpaperStore();
    ~TWallpaperStore();
    TWallpaperStore(const TWallpaperStore&) = delete;
    TWallpaperStore& operator=(const TWallpaperStore&) = delete;

    // The colour the tile has at (x, y) of a tiled area.
    static QRgb TileColor(int X, int Y);

private:
    QTemporaryDir FDir;
};

// Where screenshots go when MUSARIX_SHOT_DIR names a directory.
void SaveShot(QWidget& Widget, const QString& Name);

} // namespace OutputTest
