#include "FormFixture.h"
#include "app/ShiftJisLineEdit.h"
#include "app/Texts.h"
#include "store/CardStore.h"
#include "support/Bytes.h"
#include "support/Cards.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace velm
{
namespace
{

using test::MakeCard;
using test::Repeated;

TEST(FormStartUp, WithoutAnAddressBookShowsAnEmptyStore)
{
    FormFixture fixture;
    TForm1& form = fixture.start();

    EXPECT_EQ(form.windowTitle(), QStringLiteral("VELM"));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : "));
    EXPECT_EQ(form.DNo->text(), QStringLiteral("1"));
    EXPECT_EQ(form.Label5->text(), QStringLiteral("0"));
    EXPECT_EQ(form.UpDown1->maximum(), 1);
    EXPECT_EQ(form.UpDown1->position(), 1);
    EXPECT_TRUE(form.Name1->text().isEmpty());
    EXPECT_EQ(form.store().CardCount, 0);
    EXPECT_FALSE(form.store().CardEdited);
    EXPECT_FALSE(form.store().StoreModified);
    EXPECT_EQ(form.store().AddressBookPath, fixture.pathInExeDir("addr.txt"));
    EXPECT_EQ(form.store().InterchangePath, fixture.pathInExeDir("addr.orb"));
    EXPECT_TRUE(fixture.platform.notices.empty());
    EXPECT_TRUE(fixture.platform.errors.empty());
}

TEST(FormStartUp, MenusStartAsDesignedAndToolsEnableTheirItems)
{
    FormFixture without;
    TForm1& plain = without.start();
    EXPECT_FALSE(plain.Ptetyo->isEnabled());
    EXPECT_FALSE(plain.Pitiran->isEnabled());
    EXPECT_FALSE(plain.Zanter->isEnabled());
    EXPECT_TRUE(plain.PrintAddr->isEnabled());
    EXPECT_TRUE(plain.mame->isCheckable());
    EXPECT_TRUE(plain.mame->isChecked());
    const QStringList menus{QStringLiteral("住所録(&F)"), QStringLiteral("作成(&M)"),
                            QStringLiteral("ＯＲＢＩ(&O)"), QStringLiteral("ヘルプ(&H)")};
    QStringList shown;
    for (QAction* action : plain.menuBar()->actions())
        shown << action->text();
    EXPECT_EQ(shown, menus);

    FormFixture with;
    with.writeFile("Blent.exe", "");
    with.writeFile("Zanter.exe", "");
    TForm1& tooled = with.start();
    EXPECT_TRUE(tooled.Ptetyo->isEnabled());
    EXPECT_TRUE(tooled.Pitiran->isEnabled());
    EXPECT_TRUE(tooled.Zanter->isEnabled());
}

// The manual's test checks the manual against these lists, so they must be the menu bar.
TEST(FormStartUp, TheMenuListsOfTheTextsAreTheMenuBar)
{
    FormFixture fixture;
    TForm1& form = fixture.start();
    QStringList menus;
    QStringList items;
    for (QAction* menuAction : form.menuBar()->actions()) {
        menus << menuAction->text();
        for (QAction* item : menuAction->menu()->actions()) {
            if (!item->isSeparator())
                items << item->text();
        }
    }
    QStringList expectedMenus;
    for (const std::string_view menu : texts::kMenus)
        expectedMenus << QString::fromUtf8(menu);
    QStringList expectedItems;
    for (const std::string_view item : texts::kMenuItems)
        expectedItems << QString::fromUtf8(item);
    EXPECT_EQ(menus, expectedMenus);
    EXPECT_EQ(items, expectedItems);
}

TEST(FormStartUp, LoadsTheAddressBookBesideTheProgramAndShowsCardOne)
{
    FormFixture fixture;
    TForm1& form = fixture.startOn(
        {MakeCard({.Name1 = kName, .Tel = "03-1234"}), MakeCard({.Name1 = kOtherName})});

    EXPECT_EQ(form.store().CardCount, 2);
    EXPECT_EQ(form.Name1->bytes(), kName);
    EXPECT_EQ(form.Tel->text(), QStringLiteral("03-1234"));
    EXPECT_EQ(form.Label5->text(), QStringLiteral("2"));
    EXPECT_EQ(form.UpDown1->maximum(), 3);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("VELM - ") + fixture.folder.path() + "/");
    EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : addr.txt"));
    EXPECT_EQ(form.store().InterchangePath, fixture.pathInExeDir("addr.orb"));
    EXPECT_FALSE(form.store().CardEdited);
    EXPECT_FALSE(form.store().StoreModified);
}

TEST(FormStartUp, RefusedAddressBooksLoadNothingAndSayWhy)
{
    struct Case {
        const char* what;
        std::string bytes;
        QString notice;
    };
    const QString noCards = QStringLiteral("住所録カードがありません");
    const std::vector<Case> cases{
        {"empty file", "", noCards},
        {"separator first",
         std::string(78, '*') + "\r\n" + AddressBookBytes({MakeCard({.Name1 = "x"})}), noCards},
        {"blank first line", "\r\n" + AddressBookBytes({MakeCard({.Name1 = "x"})}), noCards},
        {"1000 cards", Repeated(AddressBookBytes({MakeCard({.Name1 = "x"})}), 1000),
         QStringLiteral("カードが999件を超えているため読み込めません")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture fixture;
        fixture.writeFile("addr.txt", c.bytes);
        TForm1& form = fixture.start();
        ASSERT_EQ(fixture.platform.notices.size(), 1u);
        EXPECT_EQ(fixture.platform.notices.front(), c.notice);
        EXPECT_EQ(form.store().CardCount, 0);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("VELM"));
        EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : "));
        EXPECT_EQ(form.UpDown1->maximum(), 1);
    }
}

TEST(FormStartUp, CaptionAndLabelSplitJapaneseFolderNames)
{
    // The folder name ends in あ, whose last UTF-8 byte looks like a Shift-JIS lead byte.
    FormFixture fixture;
    const QString folder = fixture.folder.path() + QStringLiteral("/住所あ");
    ASSERT_TRUE(QDir().mkpath(folder));
    const std::string path = QFile::encodeName(folder + QStringLiteral("/book.txt")).toStdString();
    fixture.writeFile(path.substr(fixture.exeDir().size()),
                      AddressBookBytes({MakeCard({.Name1 = kName})}));
    TForm1& form = fixture.start();

    fixture.platform.dialogResults.push_back(QFile::decodeName(path.c_str()));
    form.Open1->trigger();

    EXPECT_EQ(form.windowTitle(), QStringLiteral("VELM - ") + folder + QStringLiteral("/"));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : book.txt"));
    EXPECT_EQ(form.store().InterchangePath,
              QFile::encodeName(folder + QStringLiteral("/book.orb")).toStdString());
}

TEST(FormEditing, TypingMarksTheCardEditedAndTheNumberBoxDoesNot)
{
    FormFixture fixture;
    TForm1& form = fixture.startOn({MakeCard({.Name1 = kName})});
    form.show();

    QTest::keyClicks(form.DNo, "1");
    EXPECT_FALSE(form.store().CardEdited);
    form.Tel->setFocus();
    QTest::keyClicks(form.Tel, "9");
    EXPECT_TRUE(form.store().CardEdited);
    QTest::keyClick(form.Tel, Qt::Key_Backspace);
    EXPECT_TRUE(form.store().CardEdited) << "typing the earlier text back keeps the mark";
}

TEST(FormEditing, SaveCommitsTheShownCardAndRewritesTheFile)
{
    FormFixture fixture;
    TForm1& form = fixture.startOn({MakeCard({.Name1 = kName}), MakeCard({.Name1 = kOtherName})});

    form.Tel->setText(QStringLiteral("0120-000  "));
    form.Save1Click();

    EXPECT_EQ(fixture.readFile("addr.txt"),
              AddressBookBytes({MakeCard({.Name1 = kName, .Tel = "0120-000"}),
                                MakeCard({.Name1 = kOtherName})}));
    EXPECT_EQ(form.store().card(1).Tel.view(), "0120-000");
    EXPECT_FALSE(form.store().CardEdited);
    EXPECT_FALSE(form.store().StoreModified);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("VELM - ") + fixture.folder.path() + "/");
}

TEST(FormEditing, SaveWithoutAFileCreatesItAndLeavesTheCaption)
{
    FormFixture fixture;
    TForm1& form = fixture.start();

    form.Name1->setText(QStringLiteral("新人"));
    form.Save1Click();

    EXPECT_EQ(form.store().CardCount, 1);
    EXPECT_EQ(form.Label5->text(), QStringLiteral("0")) << "the total changes at the next show";
    EXPECT_EQ(fixture.readFile("addr.txt"),
              AddressBookBytes({MakeCard({.Name1 = "\x90\x56\x90\x6c"})}));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("VELM"));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : "));
}

TEST(FormEditing, UntouchedBoxesGiveBackTheirBytesExactly)
{
    // A value cut inside a double-byte character and a byte code page 932 leaves undefined
    // must survive a save of the card they are on when only another box was edited.
    CardRecord odd = MakeCard({.Name1 = kName});
    odd.Jusyo1.assign("\x93\x8c\x8b\x9e\x93"); // 東京 and a lone lead byte
    odd.biko1.assign("A\xa0Z");
    FormFixture fixture;
    fixture.writeFile("addr.txt", AddressBookBytes({odd}));
    const std::string before = fixture.readFile("addr.txt");
    TForm1& form = fixture.start();

    form.Tel->setText(QStringLiteral("1"));
    form.Tel->setText(QString());
    form.Save1Click();

    EXPECT_EQ(fixture.readFile("addr.txt"), before);
    EXPECT_EQ(form.store().card(1).Jusyo1.view(), odd.Jusyo1.view());
}

TEST(FormEditing, ACardNumberOutsideTheStoreIsRefusedWithTheErrorDialog)
{
    FormFixture fixture;
    TForm1& form = fixture.startOn({MakeCard({.Name1 = kName})});

    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("abc"), QStringLiteral("'abc' is not a valid integer value")},
        {QStringLiteral("1 "), QStringLiteral("'1 ' is not a valid integer value")},
        {QStringLiteral("0"), QStringLiteral("'0' is not a valid card number")},
        {QStringLiteral("1000"), QStringLiteral("'1000' is not a valid card number")},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text.toStdString());
        fixture.platform.errors.clear();
        form.DNo->setText(text);
        form.Name1->setText(QStringLiteral("X"));
        EXPECT_FALSE(form.ikkentoroku());
        EXPECT_FALSE(form.ikkenbun());
        ASSERT_EQ(fixture.platform.errors.size(), 2u);
        EXPECT_EQ(fixture.platform.errors.front(), message);
        EXPECT_EQ(form.store().card(1).Name1.view(), kName);
        EXPECT_FALSE(form.store().StoreModified);
    }
}

TEST(FormEditing, AFailedSaveShowsTheErrorAndKeepsTheFlags)
{
    FormFixture fixture;
    TForm1& form = fixture.start();
    form.store().AddressBookPath = fixture.pathInExeDir("missing/addr.txt");

    form.Name1->setText(QStringLiteral("A"));
    form.Save1Click();

    ASSERT_EQ(fixture.platform.errors.size(), 1u);
    EXPECT_EQ(fixture.platform.errors.front(), QStringLiteral("File not found"));
    EXPECT_TRUE(form.store().StoreModified);
}

TEST(FormLayout, ClientAreaAndComponentsStandWhereDrawn)
{
    FormFixture fixture;
    TForm1& form = fixture.start();
    form.show();
    EXPECT_EQ(form.centralWidget()->size(), QSize(582, 146));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window is not resizable";
    EXPECT_EQ(form.DNo->geometry(), QRect(48, 12, 33, 20));
    EXPECT_EQ(form.UpDown1->geometry(), QRect(81, 12, 32, 20));
    EXPECT_EQ(form.Name1->geometry(), QRect(48, 40, 137, 20));
    EXPECT_EQ(form.Mark->geometry(), QRect(544, 40, 25, 20));
    EXPECT_EQ(form.biko3->geometry(), QRect(296, 112, 273, 20));
    EXPECT_EQ(form.Panel1->geometry(), QRect(424, 6, 145, 30));
    EXPECT_EQ(form.Button2->geometry(), QRect(96, 5, 41, 20));
    EXPECT_FALSE(form.Button3->isVisible());
    EXPECT_EQ(form.Name1->font().family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(form.Name1->font().pixelSize(), 13);
}

TEST(FormLayout, TheWindowIsCentredOnTheScreenWhenFirstShown)
{
    FormFixture fixture;
    TForm1& form = fixture.start();
    form.show();
    const QPoint screenCentre = form.screen()->availableGeometry().center();
    EXPECT_LE((form.frameGeometry().center() - screenCentre).manhattanLength(), 1)
        << form.frameGeometry().x() << "," << form.frameGeometry().y();

    form.hide();
    form.move(10, 10);
    form.show();
    EXPECT_EQ(form.pos(), QPoint(10, 10)) << "only the first show places the window";
}

// A text wider than the room QLineEdit gives it is scrolled to keep the cursor in view, which
// cut the first digit. Three digits, after a longer number too, are drawn the same with the
// cursor before or after them: they fit.
TEST(FormLayout, TheNumberBoxShowsThreeDigitsWhole)
{
    FormFixture fixture;
    TForm1& form = fixture.start();
    form.show();
    for (const char* number : {"100", "444", "888", "999"}) {
        SCOPED_TRACE(number);
        form.DNo->setText(QStringLiteral("1234"));
        form.DNo->setText(QString::fromLatin1(number));
        const QImage atEnd = form.DNo->grab().toImage();
        form.DNo->setCursorPosition(0);
        EXPECT_EQ(form.DNo->grab().toImage(), atEnd);
    }
    EXPECT_EQ(form.DNo->size(), QSize(33, 20));
}

// The panel of 挿入 and 削除 has a lowered outer and a raised inner bevel: shadow, then light
// along its top and left edges, and the other way round along its bottom and right edges.
TEST(FormLayout, ThePanelHasALoweredOuterAndARaisedInnerBevel)
{
    FormFixture fixture;
    TForm1& form = fixture.start();
    form.show();
    const QImage panel = form.Panel1->grab().toImage();
    const auto at = [&panel](int x, int y) {
        return panel.pixelColor(x, y).name().toStdString();
    };
    const std::string shadow = form.Panel1->palette().color(QPalette::Dark).name().toStdString();
    const std::string light = form.Panel1->palette().color(QPalette::Light).name().toStdString();
    const int middle = panel.height() / 2;
    const int right = panel.width() - 1;
    EXPECT_EQ(at(0, middle), shadow);
    EXPECT_EQ(at(1, middle), light);
    EXPECT_EQ(at(right - 1, middle), shadow);
    EXPECT_EQ(at(right, middle), light);
}

TEST(FormLayout, EveryCardBoxSaysHowMuchOfItTheFileKeeps)
{
    struct Case {
        ShiftJisLineEdit* TForm1::*box;
        const char* tooltip;
    };
    const Case cases[] = {
        {&TForm1::Name1, "住所録ファイルには全角9文字（18バイト）まで保存されます"},
        {&TForm1::Mark, "住所録ファイルには全角1文字（2バイト）まで保存されます"},
        {&TForm1::Jusyo2, "住所録ファイルには全角20文字（40バイト）まで保存されます"},
        {&TForm1::PostNo, "住所録ファイルには全角4文字（8バイト）まで保存されます"},
        {&TForm1::biko3, "住所録ファイルには全角19文字（38バイト）まで保存されます"},
    };
    FormFixture fixture;
    TForm1& form = fixture.start();
    for (const Case& c : cases)
        EXPECT_EQ((form.*c.box)->toolTip(), QString::fromUtf8(c.tooltip));
}

} // namespace
} // namespace velm
