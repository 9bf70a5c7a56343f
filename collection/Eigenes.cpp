#include "collection/Eigenes.h"

std::function<void()> ShowOwnAlbumsHook;

void ShowOwnAlbums()
{
    // Filled in with the own-albums screen TfrmEigenes.
    if (ShowOwnAlbumsHook) {
        ShowOwnAlbumsHook();
    }
}
