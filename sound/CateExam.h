#pragma once

#include <QString>

#include <functional>

// Opens the sound examples of one style (its CATE_ID and its name) modally.
void ShowStyleSounds(int StyleId, const QString& StyleName);

// Called by ShowStyleSounds with its arguments while the style sound examples screen TfrmGenres is
// not there yet, so that tests can see which screen a menu asked for.
extern std::function<void(int, const QString&)> ShowStyleSoundsHook;
