#include "shell/Outro.h"

// The closing screen (credits with music) is the subject of a later issue;
// until then the program ends straight after the main menu.
void ShowOutro() {}
