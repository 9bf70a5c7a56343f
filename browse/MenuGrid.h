#pragma once

#include <functional>

// Opens the category list of the given list kind (0 ... 24) modally and
// returns when it closes.
void ShowMenuGrid(int Kind);

// Called by ShowMenuGrid with its arguments while the category list screen TfrmMenuGrid is not
// there yet, so that tests can see which screen a menu asked for.
extern std::function<void(int)> ShowMenuGridHook;
