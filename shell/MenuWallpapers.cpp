#include "shell/MenuWallpapers.h"

#include "odbc/SystemStore.h"

const qint64 ScreenWallpaperItem = SystemStore::ScreenWallpaper;
const qint64 DialogWallpaperItem = SystemStore::DialogWallpaper;
