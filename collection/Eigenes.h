#pragma once

#include <functional>

// Opens the own-albums screen modally.
void ShowOwnAlbums();

// Called by ShowOwnAlbums with its arguments while the own-albums screen TfrmEigenes is not
// there yet, so that tests can see which screen a menu asked for.
extern std::function<void()> ShowOwnAlbumsHook;
