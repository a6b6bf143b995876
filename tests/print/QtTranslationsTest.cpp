#include "print/QtTranslations.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QTranslator>
#include <gtest/gtest.h>

namespace velm::print
{
namespace
{

TEST(JapaneseQtTexts, DialogsWriteDatesInJapaneseWhateverTheSystemLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale::c());

    InstallJapaneseQtTexts(*qApp);

    EXPECT_EQ(QLocale().toString(QDate(2026, 12, 8), QLocale::ShortFormat).toStdString(),
              "2026/12/08");
    QLocale::setDefault(before);
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace
} // namespace velm::print
