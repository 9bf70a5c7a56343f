// The program as it starts for a user, with one addition: when the main menu
// paints for the first time it says so on standard output and the process
// ends. The launcher (main.cpp) measures from its fork to that line.

#include "shell/AppIcon.h"
#include "shell/Black.h"
#include "shell/Global.h"
#include "shell/MusaApplication.h"
#include "shell/MusaMain.h"

#include <QEvent>
#include <QFont>

#include <cstdio>
#include <cstdlib>

namespace {

class TFirstPaintProbe : public QObject
{
public:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint && qobject_cast<TfrmMain*>(Watched) != nullptr) {
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            // Nothing after the first paint is measured; leave at once.
            std::_Exit(0);
        }
        return false;
    }
};

} // namespace

int main(int Argc, char** Argv)
{
    TMusaApplication app(Argc, Argv);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Musarix"), QStringLiteral("Liberation Sans"));
    QApplication::setWindowIcon(MusarixIcon());
    TFirstPaintProbe probe;
    app.installEventFilter(&probe);

    if (!InitProgram())
        return 2;
    QCoreApplication::setApplicationName(QStringLiteral("Musarix"));
    TfrmBlack backdrop;
    backdrop.showFullScreen();
    QApplication::exec();
    return 1; // the main menu never painted
}
