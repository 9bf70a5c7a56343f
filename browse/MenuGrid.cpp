#include "browse/MenuGrid.h"

std::function<void(int)> ShowMenuGridHook;

void ShowMenuGrid(int Kind)
{
    // Filled in with the category list screen TfrmMenuGrid.
    if (ShowMenuGridHook) {
        ShowMenuGridHook(Kind);
    }
}
