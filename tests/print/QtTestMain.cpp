#include <QApplication>
#include <gtest/gtest.h>

// Rendering needs a GUI application for its fonts, the preview window a widget one; the
// tests run headless.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
