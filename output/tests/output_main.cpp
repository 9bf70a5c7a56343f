#include "output/OutputPrinter.h"
#include "shell/Global.h"
#include "shell/MusaApplication.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The screens are created, shown and clicked for real, but never on a
    // display; Musarix.Ini and every print go to directories of this run.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir programDir;
    qputenv("MUSARIX_PROGRAM_DIR", programDir.path().toLocal8Bit());
    ProgramDir = programDir.path() + QStringLiteral("/");
    QTemporaryDir printDir;
    TOutputPrinter::SetPdfDirectoryForTesting(printDir.path());
    TMusaApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
