#include <QGuiApplication>
#include <gtest/gtest.h>

// Painting text needs the fonts of a GUI application; headless, also when test discovery
// lists the tests at build time.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
