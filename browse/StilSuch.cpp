#include "browse/StilSuch.h"

std::function<void(bool)> ShowStyleSearchHook;

void ShowStyleSearch(bool AllStyles)
{
    // Filled in with the style search screen TfrmStilSuche.
    if (ShowStyleSearchHook) {
        ShowStyleSearchHook(AllStyles);
    }
}
