#include "shell/Intro.h"

// The intro screen (the animated title with its music) is the subject of a
// later issue; until then the program goes straight on to the main menu.
void ShowIntro() {}
