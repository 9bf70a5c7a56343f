#include "shell/MusaApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Screens are created, shown and grabbed for real, but never on a
    // display; the application is the program's own, with its error display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TMusaApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
