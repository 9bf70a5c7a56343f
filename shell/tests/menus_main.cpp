#include "shell/Global.h"
#include "shell/MusaApplication.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Menus are created, shown and clicked for real, but never on a display;
    // Musarix.Ini goes to a directory of this run.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir programDir;
    qputenv("MUSARIX_PROGRAM_DIR", programDir.path().toLocal8Bit());
    ProgramDir = programDir.path() + QStringLiteral("/");
    TMusaApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
