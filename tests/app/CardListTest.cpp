#include "FormFixture.h"
#include "app/CardListWindow.h"
#include "app/ShiftJisLineEdit.h"
#include "store/CardStore.h"
#include "support/Cards.h"
#include "text/ShiftJisCodec.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velm
{
namespace
{

using test::MakeCard;

using Cards = std::vector<int>;

std::string Sjis(std::u32string_view text)
{
    return EncodeShiftJis(text);
}

QString Q(std::u32string_view text)
{
    return QString::fromStdU32String(std::u32string(text));
}

// Types as a user does: ASCII on the keys, every other character committed by the input
// method.
void Type(QWidget* box, std::u32string_view text)
{
    for (const char32_t c : text) {
        if (c < 0x80) {
            QTest::keyClick(box, static_cast<char>(c));
            continue;
        }
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUcs4(&c, 1));
        QApplication::sendEvent(box, &commit);
    }
}

struct Person {
    std::u32string_view name;
    std::u32string_view reading;
};

// In 五十音 order of their readings: 佐藤 (5), 鈴木 (2), 田中 (3), 山田 (1), 山本 (4).
constexpr Person kPeople[] = {
    {U"山田 太郎", U"ﾔﾏﾀﾞ ﾀﾛｳ"},        {U"鈴木 花子", U"すずき はなこ"},
    {U"田中 一郎", U"タナカ イチロウ"}, {U"山本 次郎", U"やまもと じろう"},
    {U"佐藤 三郎", U"さとう さぶろう"},
};

std::vector<CardRecord> PeopleCards()
{
    std::vector<CardRecord> cards;
    for (const Person& person : kPeople)
        cards.push_back(MakeCard({.Name1 = Sjis(person.name), .Yomi = Sjis(person.reading)}));
    return cards;
}

constexpr int kReadingColumn = 3;
constexpr int kNumberColumn = 0;

// Waits until the window is the active one. The list and the main window cannot wait for
// their own QWindow to be active, since Qt counts a window active while its transient
// child or its transient parent is.
bool BecomesActive(QWidget* window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

TForm1& StartWithPeople(FormFixture& fixture)
{
    fixture.writeFile("addr.txt", AddressBookBytes(PeopleCards()));
    return fixture.startShown();
}

// Presses Ctrl+F where the focus is, as the user opens the list from the main window.
CardListWindow& OpenWithCtrlF(TForm1& form)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
    auto* list = form.findChild<CardListWindow*>();
    EXPECT_NE(list, nullptr);
    EXPECT_TRUE(BecomesActive(list));
    return *list;
}

void ActivateMainWindow(TForm1& form)
{
    form.activateWindow();
    EXPECT_TRUE(BecomesActive(&form));
}

// The card numbers of the rows, top to bottom.
Cards ShownCards(const CardListWindow& list)
{
    Cards cards;
    const QAbstractItemModel* model = list.table()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        cards.push_back(model->index(row, kNumberColumn).data().toInt());
    return cards;
}

int SelectedCard(const CardListWindow& list)
{
    return list.table()->currentIndex().siblingAtColumn(kNumberColumn).data().toInt();
}

QPoint RowCentre(const CardListWindow& list, int row)
{
    return list.table()->visualRect(list.table()->model()->index(row, 1)).center();
}

void ClickHeader(const CardListWindow& list, int column)
{
    QHeaderView* header = list.table()->horizontalHeader();
    const QPoint inSection(header->sectionViewportPosition(column) + 4, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, inSection);
}

void ExpectShownInMainWindow(TForm1& form, int card)
{
    EXPECT_EQ(form.DNo->text(), QString::number(card));
    EXPECT_EQ(form.UpDown1->position(), card);
    EXPECT_EQ(form.Name1->bytes(), form.store().card(card).Name1.view());
    EXPECT_FALSE(form.Button3->isVisible());
    EXPECT_TRUE(BecomesActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.Name1);
}

TEST(CardList, CtrlFOpensOneListWithTheCursorInItsSearchBox)
{
    FormFixture fixture;
    TForm1& form = StartWithPeople(fixture);
    EXPECT_EQ(form.CardList1->text(), QStringLiteral("カード一覧(&L)..."));
    EXPECT_EQ(form.File1->actions().back(), form.CardList1) << "the last item of 住所録";
    CardListWindow& list = OpenWithCtrlF(form);
    EXPECT_EQ(list.windowTitle(), QStringLiteral("カード一覧"));
    EXPECT_EQ(QApplication::focusWidget(), list.searchBox());
    EXPECT_EQ(ShownCards(list), (Cards{1, 2, 3, 4, 5}));
    EXPECT_EQ(list.statusLine()->text(), QStringLiteral("5 / 5 件"));
    EXPECT_FALSE(list.frameGeometry().intersects(form.frameGeometry()))
        << "the list hides no part of the card it shows";
    Type(list.searchBox(), U"やま");

    ActivateMainWindow(form);
    CardListWindow& again = OpenWithCtrlF(form);
    EXPECT_EQ(&again, &list);
    EXPECT_EQ(form.findChildren<CardListWindow*>().size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), list.searchBox());
    EXPECT_EQ(list.searchBox()->selectedText(), Q(U"やま"));
}

TEST(CardList, TypingFiltersTheRowsAtEachKeystroke)
{
    FormFixture fixture;
    TForm1& form = StartWithPeople(fixture);
    CardListWindow& list = OpenWithCtrlF(form);
    struct Step {
        std::function<void(QWidget*)> type;
        Cards shown;
        QString status;
    };
    const auto keys = [](std::u32string_view text) {
        return [text](QWidget* box) {
            Type(box, text);
        };
    };
    const auto backspace = [](QWidget* box) {
        QTest::keyClick(box, Qt::Key_Backspace);
    };
    const Step steps[] = {
        {keys(U"や"), {1, 4}, "2 / 5 件"},
        {keys(U"ま"), {1, 4}, "2 / 5 件"},
        {keys(U"だ"), {1}, "1 / 5 件"},
        {backspace, {1, 4}, "2 / 5 件"},
        {keys(U"　じ"), {4}, "1 / 5 件"},
        {keys(U"x"), {}, "0 / 5 件"},
        {[](QWidget* box) {
             QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
             QTest::keyClick(box, Qt::Key_Delete);
         },
         {1, 2, 3, 4, 5},
         "5 / 5 件"},
        {keys(U"ﾀﾅｶ"), {3}, "1 / 5 件"},
    };
    for (const Step& step : steps) {
        step.type(list.searchBox());
        SCOPED_TRACE(list.searchBox()->text().toStdString());
        EXPECT_EQ(ShownCards(list), step.shown);
        EXPECT_EQ(list.statusLine()->text(), step.status);
        EXPECT_EQ(SelectedCard(list), step.shown.empty() ? 0 : step.shown.front());
    }
}

TEST(CardList, UpAndDownMoveTheRowOnlyAndEnterShowsItsCard)
{
    FormFixture fixture;
    TForm1& form = StartWithPeople(fixture);
    CardListWindow& list = OpenWithCtrlF(form);
    Type(list.searchBox(), U"やま");
    QTest::keyClick(list.searchBox(), Qt::Key_Down);
    EXPECT_EQ(SelectedCard(list), 4);
    QTest::keyClick(list.searchBox(), Qt::Key_Up);
    QTest::keyClick(list.searchBox(), Qt::Key_Down);
    EXPECT_EQ(SelectedCard(list), 4);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("1")) << "moving in the list shows nothing";
    EXPECT_EQ(QApplication::focusWidget(), list.searchBox());

    QTest::keyClick(list.searchBox(), Qt::Key_Return);
    ExpectShownInMainWindow(form, 4);
    EXPECT_TRUE(list.isVisible());
}

TEST(CardList, LeavingAnEditedCardCommitsItIntoTheCardOnScreen)
{
    FormFixture fixture;
    TForm1& form = StartWithPeople(fixture);
    form.Name1->selectAll();
    Type(form.Name1, U"松田 太郎");
    // A number typed into DNo but not confirmed does not take the edits.
    form.DNo->setFocus();
    QTest::keyClick(form.DNo, Qt::Key_3);
    ASSERT_TRUE(form.Button3->isVisible());

    CardListWindow& list = OpenWithCtrlF(form);
    EXPECT_EQ(ShownCards(list), (Cards{1, 2, 3, 4, 5}));
    Type(list.searchBox(), U"さとう");
    QTest::keyClick(list.searchBox(), Qt::Key_Enter);

    ExpectShownInMainWindow(form, 5);
    EXPECT_EQ(form.store().card(1).Name1.view(), Sjis(U"松田 太郎"));
    EXPECT_EQ(form.store().card(3).Name1.view(), Sjis(U"田中 一郎"));
    EXPECT_TRUE(form.store().StoreModified);
    EXPECT_FALSE(form.store().CardEdited);

    list.searchBox()->clear();
    Type(list.searchBox(), U"松田");
    EXPECT_EQ(ShownCards(list), Cards{1}) << "the list shows the committed card";
}

TEST(CardList, ANewCardTypedInTheNewCardSlotIsCountedWhenTheListLeavesIt)
{
    FormFixture fixture;
    TForm1& form = StartWithPeople(fixture);
    QTest::mouseClick(form.Label5, Qt::LeftButton);
    QTest::mouseClick(form.UpDown1->findChild<QWidget*>(QStringLiteral("nextArrow")),
                      Qt::LeftButton);
    ASSERT_EQ(form.DNo->text(), QStringLiteral("6"));
    form.Name1->setFocus();
    Type(form.Name1, U"森 新");

    CardListWindow& list = OpenWithCtrlF(form);
    Type(list.searchBox(), U"さとう");
    QTest::keyClick(list.searchBox(), Qt::Key_Return);

    ExpectShownInMainWindow(form, 5);
    EXPECT_EQ(form.store().CardCount, 6);
    EXPECT_EQ(form.UpDown1->maximum(), 7);
    EXPECT_EQ(list.statusLine()->text(), QStringLiteral("1 / 6 件"));
    QTest::keyClick(list.searchBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list.searchBox(), Qt::Key_Delete);
    EXPECT_EQ(ShownCards(list), (Cards{1, 2, 3, 4, 5, 6}));
}

TEST(CardList, AClickOrADoubleClickOnARowShowsItsCard)
{
    struct Case {
        const char* how;
        std::function<void(QWidget*, QPoint)> click;
        int row;
    };
    const Case cases[] = {
        {"click", [](QWidget* w, QPoint at) { QTest::mouseClick(w, Qt::LeftButton, {}, at); }, 2},
        {"double click",
         [](QWidget* w, QPoint at) {
             // Through the window, which makes the second click of the pair a double click.
             QTest::mouseDClick(w->window()->windowHandle(), Qt::LeftButton, {},
                                w->mapTo(w->window(), at));
         },
         4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        FormFixture fixture;
        TForm1& form = StartWithPeople(fixture);
        CardListWindow& list = OpenWithCtrlF(form);
        c.click(list.table()->viewport(), RowCentre(list, c.row));
        ExpectShownInMainWindow(form, c.row + 1);
    }
}

TEST(CardList, HeaderClicksSortTheRowsButNeverTheStore)
{
    FormFixture fixture;
    TForm1& form = StartWithPeople(fixture);
    CardListWindow& list = OpenWithCtrlF(form);
    struct Step {
        std::function<void()> act;
        Cards shown;
    };
    const Step steps[] = {
        {[&] { ClickHeader(list, kReadingColumn); }, {5, 2, 3, 1, 4}},
        {[&] { ClickHeader(list, kReadingColumn); }, {4, 1, 3, 2, 5}},
        {[&] { Type(list.searchBox(), U"やま"); }, {4, 1}},
        {[&] { ClickHeader(list, kNumberColumn); }, {1, 4}},
        {[&] { ClickHeader(list, kNumberColumn); }, {4, 1}},
        {[&] {
             QTest::keyClick(list.searchBox(), Qt::Key_A, Qt::ControlModifier);
             QTest::keyClick(list.searchBox(), Qt::Key_Delete);
         },
         {5, 4, 3, 2, 1}},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(ShownCards(list), step.shown);
    }
    EXPECT_EQ(form.store().card(1).Name1.view(), Sjis(kPeople[0].name));
    EXPECT_EQ(form.store().card(5).Name1.view(), Sjis(kPeople[4].name));
    EXPECT_FALSE(form.store().StoreModified);
}

TEST(CardList, EscClosesTheList)
{
    FormFixture fixture;
    TForm1& form = StartWithPeople(fixture);
    for (const bool inTable : {false, true}) {
        CardListWindow& list = OpenWithCtrlF(form);
        QWidget* focused = inTable ? static_cast<QWidget*>(list.table()) : list.searchBox();
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Escape);
        EXPECT_FALSE(list.isVisible()) << (inTable ? "from the table" : "from the search box");
        ActivateMainWindow(form);
    }
}

TEST(CardList, TheListFollowsInsertionDeletionOpenAndImport)
{
    FormFixture fixture;
    TForm1& form = StartWithPeople(fixture);
    CardListWindow& list = OpenWithCtrlF(form);
    Type(list.searchBox(), U"やま");
    QTest::mouseClick(list.table()->viewport(), Qt::LeftButton, {}, RowCentre(list, 0));
    ASSERT_EQ(form.DNo->text(), QStringLiteral("1"));

    QTest::mouseClick(form.Button1, Qt::LeftButton); // 挿入 before card 1
    EXPECT_EQ(ShownCards(list), (Cards{2, 5})) << "the numbers shift";
    EXPECT_EQ(list.statusLine()->text(), QStringLiteral("2 / 6 件"));

    QTest::mouseClick(form.Button2, Qt::LeftButton); // 削除 of the blank card, unasked
    EXPECT_EQ(ShownCards(list), (Cards{1, 4}));
    EXPECT_EQ(list.statusLine()->text(), QStringLiteral("2 / 5 件"));

    fixture.platform.answers.push_back(Platform::Answer::Yes);
    QTest::mouseClick(form.Button2, Qt::LeftButton); // 削除 of 山田
    EXPECT_EQ(ShownCards(list), Cards{3});
    EXPECT_EQ(list.statusLine()->text(), QStringLiteral("1 / 4 件"));

    const CardRecord other =
        MakeCard({.Name1 = Sjis(U"山川 花子"), .Yomi = Sjis(U"やまかわ はなこ")});
    fixture.writeFile("other.txt", AddressBookBytes({MakeCard({.Name1 = Sjis(U"森")}), other}));
    fixture.platform.dialogResults.push_back(
        QString::fromStdString(fixture.pathInExeDir("other.txt")));
    form.Open1->trigger();
    EXPECT_EQ(ShownCards(list), Cards{2});
    EXPECT_EQ(list.statusLine()->text(), QStringLiteral("1 / 2 件"));

    fixture.writeFile("more.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:山本 一郎\r\n"
                                  "SORT-STRING:やまもと いちろう\r\nEND:VCARD\r\n");
    fixture.platform.dialogResults.push_back(
        QString::fromStdString(fixture.pathInExeDir("more.vcf")));
    fixture.platform.answers.push_back(Platform::Answer::Add);
    form.ImportOther1->trigger();
    EXPECT_EQ(ShownCards(list), (Cards{2, 3}));
    EXPECT_EQ(list.statusLine()->text(), QStringLiteral("2 / 3 件"));
}

TEST(CardList, AClosedListCatchesUpWhenOpenedAgain)
{
    FormFixture fixture;
    TForm1& form = StartWithPeople(fixture);
    CardListWindow& list = OpenWithCtrlF(form);
    QTest::keyClick(list.searchBox(), Qt::Key_Escape);
    ActivateMainWindow(form);
    QTest::mouseClick(form.Button1, Qt::LeftButton);

    OpenWithCtrlF(form);
    EXPECT_EQ(ShownCards(list), (Cards{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(list.statusLine()->text(), QStringLiteral("6 / 6 件"));
}

} // namespace
} // namespace velm
