#include "sound/CateExam.h"

std::function<void(int, const QString&)> ShowStyleSoundsHook;

void ShowStyleSounds(int StyleId, const QString& StyleName)
{
    // Filled in with the style sound examples screen TfrmGenres.
    if (ShowStyleSoundsHook) {
        ShowStyleSoundsHook(StyleId, StyleName);
    }
}
