#pragma once

#include <functional>

// Opens the list of instruments with sound examples modally.
void ShowInstrumentSearch();

// Called by ShowInstrumentSearch with its arguments while the instrument search screen
// TfrmInstSuche is not there yet, so that tests can see which screen a menu asked for.
extern std::function<void()> ShowInstrumentSearchHook;
