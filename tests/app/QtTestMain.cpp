#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The window tests run headless: the offscreen platform is chosen before the application
// object exists, also when test discovery lists the tests at build time.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Backups and an installed program's files go to folders of the test's own, never to
    // the user's.
    QTemporaryDir userFolders;
    qputenv("XDG_DATA_HOME", userFolders.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", userFolders.filePath(QStringLiteral("state")).toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
