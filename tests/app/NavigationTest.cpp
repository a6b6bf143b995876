#include "FormFixture.h"
#include "app/ShiftJisLineEdit.h"
#include "store/CardStore.h"
#include "support/Cards.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace velm
{
namespace
{

using Button = UpDown::Button;
using Names = std::vector<std::string>;
using test::MakeCard;

std::string NameOf(int k)
{
    return "N" + std::to_string(k);
}

// Starts the window on an address book of `count` cards named N1, N2, ... (none: no file),
// shown and active so that keys reach the window's key preview.
TForm1& StartShown(FormFixture& fixture, int count)
{
    if (count > 0) {
        std::vector<CardRecord> cards;
        for (int k = 1; k <= count; ++k)
            cards.push_back(MakeCard({.Name1 = NameOf(k)}));
        fixture.writeFile("addr.txt", AddressBookBytes(cards));
    }
    return fixture.startShown();
}

Names StoredNames(const TForm1& form)
{
    Names names;
    for (int k = 1; k <= form.store().CardCount; ++k)
        names.emplace_back(form.store().card(k).Name1.view());
    return names;
}

std::string Shown(const TForm1& form)
{
    return form.Name1->bytes();
}

void ClickArrow(TForm1& form, Button button)
{
    auto* arrow = form.UpDown1->findChild<QToolButton*>(
        button == Button::Next ? QStringLiteral("nextArrow") : QStringLiteral("previousArrow"));
    ASSERT_NE(arrow, nullptr);
    QTest::mouseClick(arrow, Qt::LeftButton);
}

void PressWithCtrl(Qt::Key key, Qt::KeyboardModifiers more = Qt::NoModifier)
{
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, key, Qt::ControlModifier | more);
}

// Replaces the box's text by typing, as the user would.
void TypeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    QApplication::processEvents();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void GoToCard(TForm1& form, int card)
{
    while (form.UpDown1->position() < card)
        ClickArrow(form, Button::Next);
    ASSERT_EQ(form.DNo->text(), QString::number(card));
}

std::string CardHoldingTel(const TForm1& form, std::string_view tel)
{
    for (int k = 1; k <= CardStore::kCapacity; ++k)
        if (form.store().card(k).Tel.view() == tel)
            return std::string(form.store().card(k).Name1.view());
    return "(none)";
}

TEST(CardNavigation, ArrowsCommitTheCardLeftAndShowTheNextWithFocusOnName1)
{
    FormFixture fixture;
    TForm1& form = StartShown(fixture, 3);
    TypeInto(form.Tel, QStringLiteral("555"));

    ClickArrow(form, Button::Previous);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("1")) << "the left arrow on card 1 does nothing";
    EXPECT_EQ(form.Tel->text(), QStringLiteral("555"));
    EXPECT_TRUE(form.store().CardEdited);
    EXPECT_FALSE(form.store().StoreModified);

    ClickArrow(form, Button::Next);
    EXPECT_EQ(form.store().card(1).Tel.view(), "555");
    EXPECT_TRUE(form.store().StoreModified);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("2"));
    EXPECT_EQ(Shown(form), "N2");
    EXPECT_TRUE(form.Tel->text().isEmpty());
    EXPECT_FALSE(form.store().CardEdited);
    EXPECT_TRUE(form.Name1->hasFocus());

    ClickArrow(form, Button::Previous);
    EXPECT_EQ(Shown(form), "N1");
    EXPECT_EQ(form.Tel->text(), QStringLiteral("555"));
    EXPECT_EQ(form.Label5->text(), QStringLiteral("3"));
}

TEST(CardNavigation, ANewCardTypedInTheNewCardSlotIsCountedWhenLeft)
{
    struct Way {
        const char* name;
        std::function<void(TForm1&)> leave;
        QString landsOn;
    };
    const std::vector<Way> ways{
        {"right arrow", [](TForm1& f) { ClickArrow(f, Button::Next); }, "4"},
        {"left arrow", [](TForm1& f) { ClickArrow(f, Button::Previous); }, "2"},
        {"Ctrl+Right", [](TForm1&) { PressWithCtrl(Qt::Key_Right); }, "4"},
        {"Ctrl+Left", [](TForm1&) { PressWithCtrl(Qt::Key_Left); }, "2"},
        {"save, then right arrow",
         [](TForm1& f) {
             f.Save1Click();
             ClickArrow(f, Button::Next);
         },
         "4"},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        FormFixture fixture;
        TForm1& form = StartShown(fixture, 2);
        GoToCard(form, 3);
        EXPECT_EQ(form.UpDown1->maximum(), 3);
        TypeInto(form.Name1, QStringLiteral("New"));

        way.leave(form);

        EXPECT_EQ(StoredNames(form), (Names{"N1", "N2", "New"}));
        EXPECT_EQ(form.DNo->text(), way.landsOn);
        EXPECT_EQ(form.UpDown1->position(), way.landsOn.toInt());
        EXPECT_EQ(form.UpDown1->maximum(), 4);
        EXPECT_EQ(form.Label5->text(), QStringLiteral("3"));
        EXPECT_TRUE(fixture.platform.errors.empty());
    }
}

TEST(CardNavigation, TheNewCardSlotWithABlankNameIsTheEnd)
{
    FormFixture fixture;
    TForm1& form = StartShown(fixture, 2);
    GoToCard(form, 3);
    TypeInto(form.Name1, QStringLiteral("   "));
    TypeInto(form.Tel, QStringLiteral("9"));

    ClickArrow(form, Button::Next);
    EXPECT_EQ(form.UpDown1->position(), 3);
    EXPECT_EQ(form.UpDown1->maximum(), 3);
    EXPECT_TRUE(form.store().CardEdited) << "the refused arrow commits nothing";
    EXPECT_FALSE(form.store().StoreModified);

    PressWithCtrl(Qt::Key_Right);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("3"));
    EXPECT_EQ(form.UpDown1->maximum(), 3);
    EXPECT_EQ(form.store().CardCount, 2);
    EXPECT_EQ(form.store().card(3).Tel.view(), "9") << "the slot is committed, not counted";
    EXPECT_TRUE(form.store().StoreModified);
    EXPECT_FALSE(form.store().CardEdited);
    EXPECT_EQ(form.Tel->text(), QStringLiteral("9"));
}

TEST(CardNavigation, CtrlArrowsStepFromWhicheverBoxHasTheFocus)
{
    FormFixture fixture;
    TForm1& form = StartShown(fixture, 3);

    TypeInto(form.Tel, QStringLiteral("1"));
    PressWithCtrl(Qt::Key_Left);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("1"));
    EXPECT_EQ(form.store().card(1).Tel.view(), "1") << "Ctrl+Left on card 1 commits";
    EXPECT_FALSE(form.store().CardEdited) << "and shows card 1 again";
    EXPECT_TRUE(form.Name1->hasFocus());

    form.biko3->setFocus();
    PressWithCtrl(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("2"));
    EXPECT_EQ(Shown(form), "N2");
    EXPECT_TRUE(form.Name1->hasFocus());

    form.DNo->setFocus();
    PressWithCtrl(Qt::Key_Right);
    EXPECT_EQ(Shown(form), "N3");
    EXPECT_FALSE(form.Button3->isVisible());

    form.Tel->setFocus();
    QTest::keyClick(form.Tel, Qt::Key_Right);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("3")) << "an arrow without Ctrl stays in the box";
}

TEST(CardNavigation, EnterInTheNumberBoxJumpsWithinTheCards)
{
    struct Case {
        QString typed;
        int shown; // from card 2 of 3
    };
    const std::vector<Case> cases{
        {"3", 3},  {"1", 1}, {"0", 1}, {"-4", 1}, {"4", 4},
        {"99", 4}, {"", 2},  {"x", 2}, {"3 ", 2}, {"99999999999", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        FormFixture fixture;
        TForm1& form = StartShown(fixture, 3);
        GoToCard(form, 2);
        QSignalSpy enterReachedTheBox(form.DNo, &QLineEdit::returnPressed);

        TypeInto(form.DNo, c.typed);
        EXPECT_TRUE(form.Button3->isVisible());
        QTest::keyClick(form.DNo, Qt::Key_Return);

        EXPECT_EQ(form.DNo->text(), QString::number(c.shown));
        EXPECT_EQ(form.UpDown1->position(), c.shown);
        EXPECT_EQ(Shown(form), c.shown <= 3 ? NameOf(c.shown) : "");
        EXPECT_FALSE(form.Button3->isVisible());
        EXPECT_EQ(enterReachedTheBox.count(), 0) << "Enter is swallowed";
        EXPECT_TRUE(form.DNo->hasFocus()) << "the jump leaves the focus where it is";
        EXPECT_EQ(form.UpDown1->maximum(), 4);
        EXPECT_TRUE(fixture.platform.errors.empty());
    }
}

TEST(CardNavigation, TheJumpDiscardsEditsAndNeverOpensASlotBeyondTheNewCardSlot)
{
    FormFixture fixture;
    TForm1& form = StartShown(fixture, 3);
    TypeInto(form.Tel, QStringLiteral("7"));

    TypeInto(form.DNo, QStringLiteral("4"));
    QTest::mouseClick(form.Button3, Qt::LeftButton);

    EXPECT_EQ(form.DNo->text(), QStringLiteral("4"));
    EXPECT_FALSE(form.Button3->isVisible());
    EXPECT_FALSE(form.store().CardEdited);
    EXPECT_FALSE(form.store().StoreModified);
    EXPECT_TRUE(form.store().card(1).Tel.empty());
    EXPECT_EQ(form.UpDown1->maximum(), 4) << "jumping from a named card raises nothing";
    ClickArrow(form, Button::Next);
    EXPECT_EQ(form.UpDown1->position(), 4);

    TypeInto(form.Name1, QStringLiteral("Dropped"));
    TypeInto(form.DNo, QStringLiteral("1"));
    QTest::keyClick(form.DNo, Qt::Key_Enter);
    EXPECT_EQ(Shown(form), "N1");
    EXPECT_EQ(form.UpDown1->maximum(), 4) << "a name dropped by the jump opens no slot";
    EXPECT_EQ(form.store().CardCount, 3);
}

TEST(CardNavigation, OnlyTypedCharactersShowTheConfirmButton)
{
    // Each key with the text the desktop delivers with it.
    struct Case {
        const char* name;
        Qt::Key key;
        QString text;
        bool shows;
    };
    const std::vector<Case> cases{
        {"digit", Qt::Key_5, "5", true},
        {"letter", Qt::Key_A, "a", true},
        {"Backspace", Qt::Key_Backspace, "\b", true},
        {"Delete", Qt::Key_Delete, QString(QChar(0x7f)), false},
        {"Left", Qt::Key_Left, "", false},
        {"Home", Qt::Key_Home, "", false},
        {"F2", Qt::Key_F2, "", false},
        {"Tab", Qt::Key_Tab, "\t", false},
        {"Shift+Tab", Qt::Key_Backtab, "\t", false},
    };
    FormFixture fixture;
    TForm1& form = StartShown(fixture, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.DNo->setFocus();
        form.Button3->hide();
        QTest::sendKeyEvent(QTest::Click, form.DNo, c.key, c.text, Qt::NoModifier);
        EXPECT_EQ(form.Button3->isVisible(), c.shows);
    }
}

TEST(CardNavigation, TheTotalLabelJumpsToTheLastCardAndLightsUpUnderThePointer)
{
    FormFixture fixture;
    TForm1& form = StartShown(fixture, 3);
    const QColor face = form.Label5->palette().color(QPalette::Window);

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(form.Label5, &enter);
    EXPECT_EQ(form.Label5->palette().color(QPalette::Window), QColor(0, 255, 255));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(form.Label5, &leave);
    EXPECT_EQ(form.Label5->palette().color(QPalette::Window), face);

    // Only the left button clicks, as on a button.
    QTest::mouseClick(form.Label5, Qt::RightButton);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("1"));
    QTest::mouseClick(form.Label5, Qt::LeftButton);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("3"));
    EXPECT_EQ(Shown(form), "N3");

    FormFixture emptyFixture;
    TForm1& empty = StartShown(emptyFixture, 0);
    QTest::mouseClick(empty.Label5, Qt::LeftButton);
    EXPECT_EQ(empty.DNo->text(), QStringLiteral("1"));
    EXPECT_EQ(empty.UpDown1->position(), 1);
}

// A number typed into DNo but not confirmed never redirects a command: each acts on the
// card on screen (card 2 here, with an uncommitted telephone number "77").
TEST(CardNavigation, AnUnconfirmedNumberLeavesEveryCommandOnTheCardOnScreen)
{
    struct Case {
        const char* name;
        QString typed;
        bool byKeys; // otherwise DNo changes without a typed character, as by paste
        std::function<void(TForm1&)> command;
        Names names;
        QString dno;
        std::string telHolder;
    };
    const auto ctrlRight = [](TForm1&) {
        PressWithCtrl(Qt::Key_Right);
    };
    const auto ctrlLeft = [](TForm1&) {
        PressWithCtrl(Qt::Key_Left);
    };
    const auto insert = [](TForm1& f) {
        QTest::mouseClick(f.Button1, Qt::LeftButton);
    };
    const auto remove = [](TForm1& f) {
        QTest::mouseClick(f.Button2, Qt::LeftButton);
    };
    const auto rightArrow = [](TForm1& f) {
        ClickArrow(f, Button::Next);
    };
    const Names all{"N1", "N2", "N3"};
    const std::vector<Case> cases{
        {"Ctrl+Right", "3", true, ctrlRight, all, "3", "N2"},
        {"Ctrl+Left", "3", true, ctrlLeft, all, "1", "N2"},
        {"Ctrl+Right over a number beyond the store", "1200", true, ctrlRight, all, "3", "N2"},
        {"insertion", "3", true, insert, {"N1", "", "N2", "N3"}, "2", "(none)"},
        {"deletion", "3", true, remove, {"N1", "N3"}, "2", "(none)"},
        {"deletion over 0", "0", true, remove, {"N1", "N3"}, "2", "(none)"},
        {"deletion over -1", "-1", true, remove, {"N1", "N3"}, "2", "(none)"},
        {"right arrow after a paste", "3", false, rightArrow, all, "3", "N2"},
        {"right arrow after letters", "abc", false, rightArrow, all, "3", "N2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormFixture fixture;
        TForm1& form = StartShown(fixture, 3);
        GoToCard(form, 2);
        TypeInto(form.Tel, QStringLiteral("77"));
        if (c.byKeys) {
            TypeInto(form.DNo, c.typed);
        } else {
            form.DNo->setText(c.typed);
            form.Name1->setFocus();
        }
        fixture.platform.answers.push_back(Platform::Answer::Yes);

        c.command(form);

        EXPECT_EQ(StoredNames(form), c.names);
        EXPECT_EQ(form.DNo->text(), c.dno);
        EXPECT_EQ(form.UpDown1->position(), c.dno.toInt());
        EXPECT_EQ(CardHoldingTel(form, "77"), c.telHolder);
        EXPECT_FALSE(form.Button3->isVisible());
        EXPECT_TRUE(fixture.platform.errors.empty());
        EXPECT_EQ(form.UpDown1->maximum(), form.store().CardCount + 1);
    }
}

TEST(CardInsertion, InsertsAnEmptyCardBeforeTheCurrentOneAndShowsIt)
{
    struct Case {
        const char* name;
        int cards;
        int at;
        bool editFirst;
        Names names;
    };
    const std::vector<Case> cases{
        {"card 1 of three", 3, 1, false, {"", "N1", "N2", "N3"}},
        {"middle card, edits on screen are lost", 3, 2, true, {"N1", "", "N2", "N3"}},
        {"new-card slot", 3, 4, false, {"N1", "N2", "N3", ""}},
        {"empty store", 0, 1, false, {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormFixture fixture;
        TForm1& form = StartShown(fixture, c.cards);
        GoToCard(form, c.at);
        if (c.editFirst)
            TypeInto(form.Tel, QStringLiteral("7"));
        form.biko3->setFocus();

        QTest::mouseClick(form.Button1, Qt::LeftButton);

        EXPECT_EQ(StoredNames(form), c.names);
        EXPECT_EQ(form.DNo->text(), QString::number(c.at));
        EXPECT_EQ(Shown(form), "");
        EXPECT_EQ(form.UpDown1->maximum(), c.cards + 2);
        EXPECT_EQ(form.Label5->text(), QString::number(c.cards + 1));
        EXPECT_EQ(CardHoldingTel(form, "7"), "(none)");
        EXPECT_FALSE(form.store().CardEdited);
        EXPECT_FALSE(form.store().StoreModified) << "insertion leaves the flag as it was";
        EXPECT_TRUE(form.Name1->hasFocus());
        EXPECT_TRUE(fixture.platform.notices.empty());
    }
}

TEST(CardDeletion, DeletesTheCurrentCardAskingWhenItHasAName)
{
    struct Case {
        const char* name;
        int cards;
        int at;
        std::function<void(TForm1&)> onScreen;
        std::optional<Platform::Answer> answer; // nothing: no question expected
        Names names;
        std::string shown;
        bool modified;
    };
    const auto editTel = [](TForm1& f) {
        TypeInto(f.Tel, QStringLiteral("7"));
    };
    const auto clearName = [](TForm1& f) {
        TypeInto(f.Name1, QStringLiteral("  "));
    };
    const auto nothing = [](TForm1&) {
    };
    const std::vector<Case> cases{
        {"middle card, Yes", 3, 2, nothing, Platform::Answer::Yes, {"N1", "N3"}, "N3", true},
        {"middle card, No", 3, 2, editTel, Platform::Answer::No, {"N1", "N2", "N3"}, "N2", false},
        {"name blank on screen", 3, 2, clearName, std::nullopt, {"N1", "N3"}, "N3", true},
        {"last of three", 3, 3, nothing, Platform::Answer::Yes, {"N1", "N2"}, "", true},
        {"only card", 1, 1, nothing, Platform::Answer::Yes, {}, "", true},
        {"new-card slot", 3, 4, editTel, std::nullopt, {"N1", "N2", "N3"}, "", false},
        {"empty store", 0, 1, editTel, std::nullopt, {}, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormFixture fixture;
        TForm1& form = StartShown(fixture, c.cards);
        GoToCard(form, c.at);
        c.onScreen(form);
        if (c.answer)
            fixture.platform.answers.push_back(*c.answer);

        QTest::mouseClick(form.Button2, Qt::LeftButton);

        if (c.answer) {
            ExpectOneQuestion(fixture.platform, QStringLiteral("このカードを削除しますか？"),
                              QStringLiteral("削除確認"), Platform::Buttons::YesNo);
        } else {
            EXPECT_TRUE(fixture.platform.questions.empty());
        }
        EXPECT_EQ(StoredNames(form), c.names);
        EXPECT_EQ(form.DNo->text(), QString::number(c.at));
        EXPECT_EQ(form.UpDown1->maximum(), static_cast<int>(c.names.size()) + 1);
        EXPECT_EQ(Shown(form), c.shown);
        EXPECT_EQ(form.store().StoreModified, c.modified);
        const bool keptOnScreen = c.answer == Platform::Answer::No;
        EXPECT_EQ(form.Tel->text(), keptOnScreen ? QStringLiteral("7") : QString());
        EXPECT_EQ(form.store().CardEdited, keptOnScreen);
        EXPECT_TRUE(form.Name1->hasFocus());
    }
}

TEST(CardCapacity, AtNineHundredNinetyNineCardsNoSlotBeyondIsReached)
{
    FormFixture fixture;
    TForm1& form = StartShown(fixture, 998);
    QTest::mouseClick(form.Label5, Qt::LeftButton);
    ClickArrow(form, Button::Next);
    ASSERT_EQ(form.DNo->text(), QStringLiteral("999"));
    TypeInto(form.Name1, QStringLiteral("Last"));

    ClickArrow(form, Button::Next);
    EXPECT_EQ(form.UpDown1->position(), 999) << "no new-card slot after card 999";
    PressWithCtrl(Qt::Key_Right);
    EXPECT_EQ(form.store().CardCount, 999);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("999"));
    EXPECT_EQ(form.UpDown1->maximum(), 999);
    EXPECT_EQ(Shown(form), "Last");
    TypeInto(form.Tel, QStringLiteral("1"));
    ClickArrow(form, Button::Next);
    EXPECT_EQ(form.UpDown1->position(), 999) << "the last card has no slot after it";
    EXPECT_EQ(form.UpDown1->maximum(), 999);
    EXPECT_TRUE(form.store().CardEdited);

    TypeInto(form.DNo, QStringLiteral("1000"));
    QTest::keyClick(form.DNo, Qt::Key_Return);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("999"));

    QTest::mouseClick(form.Button1, Qt::LeftButton);
    ASSERT_EQ(fixture.platform.notices.size(), 1u);
    EXPECT_EQ(fixture.platform.notices[0], QStringLiteral("カードは999件までです"));
    EXPECT_EQ(form.store().CardCount, 999);
    EXPECT_EQ(form.store().card(999).Name1.view(), "Last");

    fixture.platform.answers.push_back(Platform::Answer::Yes);
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    EXPECT_EQ(form.store().CardCount, 998);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("999"));
    EXPECT_EQ(Shown(form), "") << "the place after the last card is taken as empty";
    EXPECT_EQ(form.UpDown1->maximum(), 999);
    EXPECT_TRUE(fixture.platform.errors.empty());
}

// An input method types full-width digits and commits them, with or without composing
// first: typed text, taken as ASCII digits. After the jump the number is selected, so the
// next one replaces it.
TEST(CardNavigation, TheNumberBoxTakesCommittedFullWidthDigitsAsTypedNumbers)
{
    FormFixture fixture;
    TForm1& form = StartShown(fixture, 3);
    form.DNo->setFocus();
    form.DNo->clear();
    SendInputMethodEvent(form.DNo, QStringLiteral("３"));
    EXPECT_FALSE(form.Button3->isVisible()) << "nothing is typed while composing";
    SendInputMethodEvent(form.DNo, {}, QStringLiteral("３"));
    EXPECT_EQ(form.DNo->text(), QStringLiteral("3"));
    EXPECT_TRUE(form.Button3->isVisible());
    QTest::keyClick(form.DNo, Qt::Key_Return);
    EXPECT_EQ(Shown(form), "N3");

    SendInputMethodEvent(form.DNo, {}, QStringLiteral("２"));
    QTest::keyClick(form.DNo, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form.DNo->text(), QStringLiteral("2"));
    EXPECT_EQ(Shown(form), "N2");
}

TEST(CardNavigation, EnterPressesTheFocusedButtonAsSpaceDoes)
{
    struct Case {
        const char* name;
        QPushButton* TForm1::*button;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Names names;
        QString dno;
    };
    const Names all{"N1", "N2", "N3"};
    const Names inserted{"N1", "", "N2", "N3"};
    const std::vector<Case> cases{
        {"挿入 by Enter", &TForm1::Button1, Qt::Key_Return, {}, inserted, "2"},
        {"挿入 by Space", &TForm1::Button1, Qt::Key_Space, {}, inserted, "2"},
        {"削除 by keypad Enter",
         &TForm1::Button2,
         Qt::Key_Enter,
         Qt::KeypadModifier,
         {"N1", "N3"},
         "2"},
        {"≫ by Enter", &TForm1::Button3, Qt::Key_Return, {}, all, "3"},
        {"挿入 with Ctrl+Enter", &TForm1::Button1, Qt::Key_Return, Qt::ControlModifier, all, "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormFixture fixture;
        TForm1& form = StartShown(fixture, 3);
        GoToCard(form, 2);
        TypeInto(form.DNo, QStringLiteral("3")); // shows ≫; the other buttons act on card 2
        QPushButton* button = form.*c.button;
        button->setFocus();
        fixture.platform.answers.push_back(Platform::Answer::Yes);

        QTest::keyClick(button, c.key, c.modifiers);

        EXPECT_EQ(StoredNames(form), c.names);
        EXPECT_EQ(form.DNo->text(), c.dno);
    }
}

// What an input method is composing (shown, not yet confirmed) belongs to the box it is
// composed in before any command acts, as if the user had confirmed it first.
TEST(CardNavigation, ACompositionIsCommittedBeforeEveryCommand)
{
    struct Case {
        const char* name;
        std::function<void(TForm1&)> command;
        std::optional<Platform::Answer> answer; // the question the command is to ask
        std::string storedName2;                // of card 2 after the command
        QString shownName2;
    };
    const QString san = QStringLiteral("さん");
    const std::string sanBytes = "\x82\xB3\x82\xF1";
    const auto saveByMenu = [](TForm1& f) {
        f.File1->popup(f.mapToGlobal(QPoint(0, 0)));
        QTest::keyClick(f.File1, Qt::Key_S);
    };
    using Answer = Platform::Answer;
    const std::vector<Case> cases{
        {"right arrow", [](TForm1& f) { ClickArrow(f, Button::Next); }, {}, sanBytes, ""},
        {"left arrow", [](TForm1& f) { ClickArrow(f, Button::Previous); }, {}, sanBytes, ""},
        {"Ctrl+Right", [](TForm1&) { PressWithCtrl(Qt::Key_Right); }, {}, sanBytes, ""},
        {"上書き保存 from the menu", saveByMenu, {}, sanBytes, san},
        {"closing, then Cancel", [](TForm1& f) { f.close(); }, Answer::Cancel, sanBytes, san},
        {"the jump", [](TForm1& f) { QTest::mouseClick(f.Label5, Qt::LeftButton); }, {}, "", ""},
        {"挿入", [](TForm1& f) { QTest::mouseClick(f.Button1, Qt::LeftButton); }, {}, "", ""},
        {"削除, then No", [](TForm1& f) { QTest::mouseClick(f.Button2, Qt::LeftButton); },
         Answer::No, "", san},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormFixture fixture;
        TForm1& form = StartShown(fixture, 3);
        GoToCard(form, 2);
        form.Name2->setFocus();
        SendInputMethodEvent(form.Name2, san);
        ASSERT_TRUE(form.Name2->text().isEmpty());
        if (c.answer)
            fixture.platform.answers.push_back(*c.answer);

        c.command(form);

        EXPECT_EQ(fixture.platform.questions.size(), c.answer ? 1u : 0u);
        EXPECT_EQ(form.store().card(2).Name2.view(), c.storedName2);
        EXPECT_EQ(form.Name2->text(), c.shownName2);
        EXPECT_TRUE(form.Name2->composition().isEmpty());
        EXPECT_TRUE(fixture.platform.errors.empty());
    }
}

} // namespace
} // namespace velm
