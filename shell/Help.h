#pragma once

#include <QString>

// The help of the screens: one HTML page per help context number in the help
// directory (ProgramDir + "help/", or beside the program file when ProgramDir
// has none; pages "<context>.html", context 0 opens the start page
// "index.html"). ShowHelp opens the page in the help viewer, a
// window beside the screens that stays open until the user closes it. A
// missing page is reported in a message box, and only then.
void ShowHelp(int Context);

// The directory of the help pages, ending in "/". Empty (the default) means
// the one found as described above.
void SetHelpDirectory(const QString& Directory);
QString HelpDirectory();

// The file that ShowHelp opens for Context.
QString HelpFileName(int Context);
