#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Views are created, laid out, clicked and grabbed for real, but never on a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
