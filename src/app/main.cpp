#include "app/AppFonts.h"
#include "app/InputMethodModule.h"
#include "app/QtPlatform.h"
#include "app/TForm1.h"
#include "print/QtTranslations.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <memory>

int main(int argc, char* argv[])
{
    // Qt loads its input method while the application object is created.
    velm::ChooseInputMethodModule();
    QApplication application(argc, argv);
    // The application ID that names the installed desktop entry and icon, so that the desktop
    // shows the window under the entry's name and icon.
    QApplication::setDesktopFileName(QStringLiteral("com.example.velm"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("com.example.velm")));
    // Every text of the program is Japanese; so are Qt's own dialog texts.
    velm::print::InstallJapaneseQtTexts(application);
    // Menus, message boxes and dialogs take the window's Japanese Gothic as well.
    QApplication::setFont(velm::AppFonts::Proportional(12));
    velm::QtPlatform platform;
    const QString exeDir = QApplication::applicationDirPath() + '/';
    auto form1 = std::make_unique<velm::TForm1>(platform, QFile::encodeName(exeDir).toStdString());
    platform.setDialogParent(form1.get());
    form1->show();
    return application.exec();
}
