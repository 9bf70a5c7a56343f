#pragma once

#include <QtGlobal>

// The system store items of the two wallpapers, for units that also need the
// global unit: its store variable SystemStore and the namespace of
// odbc/SystemStore.h cannot meet in one translation unit.
extern const qint64 ScreenWallpaperItem; // behind full-screen screens
extern const qint64 DialogWallpaperItem; // behind dialog-sized screens
