#pragma once

#include <functional>

// Opens the list of styles with sound examples modally: every style when
// AllStyles is set, otherwise only the styles without a button of their own
// in the style menu.
void ShowStyleSearch(bool AllStyles);

// Called by ShowStyleSearch with its arguments while the style search screen TfrmStilSuche is not
// there yet, so that tests can see which screen a menu asked for.
extern std::function<void(bool)> ShowStyleSearchHook;
