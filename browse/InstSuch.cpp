#include "browse/InstSuch.h"

std::function<void()> ShowInstrumentSearchHook;

void ShowInstrumentSearch()
{
    // Filled in with the instrument search screen TfrmInstSuche.
    if (ShowInstrumentSearchHook) {
        ShowInstrumentSearchHook();
    }
}
