#pragma once

#include <QIcon>

// The program's built-in icon, drawn at run time: a music note on a dark red
// disc. A Musarix.ico beside the program replaces it (see TfrmBlack).
QIcon MusarixIcon();
