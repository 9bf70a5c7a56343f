#include "shell/AppIcon.h"
#include "shell/Black.h"
#include "shell/Global.h"
#include "shell/MusaApplication.h"

#include <QFont>

// The program reads no command-line arguments of its own.
int main(int Argc, char** Argv)
{
    TMusaApplication app(Argc, Argv);
    // The screens were designed with Arial and with a title font of their
    // own that is not part of the program; Liberation Sans has Arial's
    // metrics, and its bold face stands in for the title font.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Musarix"), QStringLiteral("Liberation Sans"));
    QApplication::setWindowIcon(MusarixIcon());

    if (!InitProgram())
        return 0;
    QCoreApplication::setApplicationName(QStringLiteral("Musarix"));

    int result = 0;
    {
        TfrmBlack backdrop;
        backdrop.showFullScreen();
        result = QApplication::exec();
    }
    DoneProgram();
    return result;
}
