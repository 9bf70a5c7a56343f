#include "shell/MusaApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Windows are created and shown for real, but never on a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TMusaApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
