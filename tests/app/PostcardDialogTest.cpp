#include "app/PostcardDialog.h"

#include "app/ShiftJisLineEdit.h"
#include "text/ShiftJisCodec.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace velm
{
namespace
{

const QString kOffsetX = QStringLiteral("postcard/offsetX");
const QString kOffsetY = QStringLiteral("postcard/offsetY");

// The dialog shown beside settings of its own in a file of the test's folder, never the
// user's.
class PostcardDialogTest : public ::testing::Test
{
  protected:
    std::unique_ptr<PostcardDialog> open(int cardCount = 3, int currentCard = 2)
    {
        auto dialog = std::make_unique<PostcardDialog>(settings, cardCount, currentCard);
        dialog->show();
        return dialog;
    }

    // Selects all in the box and types the text over it, as an input method gives it.
    static void retype(QWidget* box, const QString& text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text, Qt::NoModifier);
    }

    // Clicks a radio button or check box on its indicator, at its left.
    static void click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
};

TEST_F(PostcardDialogTest, GivesTheChosenCardsAndOptionsAndKeepsTheOffsetOnOk)
{
    settings.setValue(kOffsetX, 1.5);
    settings.setValue(kOffsetY, -2.0);
    auto dialog = open();
    EXPECT_TRUE(dialog->allCards->isChecked());
    EXPECT_TRUE(dialog->jointNames->isChecked());
    EXPECT_TRUE(dialog->kanjiDigits->isChecked());
    EXPECT_FALSE(dialog->markText->isEnabled());
    EXPECT_FALSE(dialog->senderCard->isEnabled());
    EXPECT_DOUBLE_EQ(dialog->offsetX->value(), 1.5);
    EXPECT_DOUBLE_EQ(dialog->offsetY->value(), -2.0);

    click(dialog->markEquals);
    retype(dialog->markText, QStringLiteral("友"));
    click(dialog->printSender);
    retype(dialog->senderCard, QStringLiteral("3"));
    dialog->kanjiDigits->setFocus();
    QTest::keyClick(dialog->kanjiDigits, Qt::Key_Space);
    retype(dialog->offsetX, QStringLiteral("-3.5"));
    retype(dialog->offsetY, QStringLiteral("0.8"));
    QTest::mouseClick(dialog->buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const PostcardRequest request = dialog->request();
    EXPECT_EQ(request.selection.choice, PostcardChoice::MarkEquals);
    EXPECT_EQ(request.selection.mark, EncodeShiftJis(U"友"));
    EXPECT_EQ(request.senderCard, 3);
    EXPECT_TRUE(request.options.jointNames);
    EXPECT_FALSE(request.options.kanjiDigits);
    EXPECT_DOUBLE_EQ(request.options.offsetX, -3.5);
    EXPECT_DOUBLE_EQ(request.options.offsetY, 0.8);
    EXPECT_DOUBLE_EQ(settings.value(kOffsetX).toDouble(), -3.5);
    EXPECT_DOUBLE_EQ(settings.value(kOffsetY).toDouble(), 0.8);
    EXPECT_DOUBLE_EQ(open()->offsetX->value(), -3.5);
}

TEST_F(PostcardDialogTest, ShowsAKeptOffsetWithinItsLimitsAndKeepsItOnCancel)
{
    const struct {
        const char* storedX;
        const char* storedY;
        double shownX;
        double shownY;
    } kCases[] = {{"9", "-7.5", 5.0, -5.0}, {"abc", "", 0.0, 0.0}, {"0.3", "-4.9", 0.3, -4.9}};
    for (const auto& c : kCases) {
        settings.setValue(kOffsetX, QString::fromLatin1(c.storedX));
        settings.setValue(kOffsetY, QString::fromLatin1(c.storedY));
        auto dialog = open();
        EXPECT_DOUBLE_EQ(dialog->offsetX->value(), c.shownX);
        EXPECT_DOUBLE_EQ(dialog->offsetY->value(), c.shownY);
        retype(dialog->offsetX, QStringLiteral("1"));
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(settings.value(kOffsetX).toString(), QString::fromLatin1(c.storedX));
    }
}

TEST_F(PostcardDialogTest, OffersNoSenderWithoutCardsAndNoCardOnScreenInTheNewCardSlot)
{
    auto empty = open(0, 1);
    EXPECT_FALSE(empty->printSender->isEnabled());
    EXPECT_FALSE(empty->currentCard->isEnabled());
    auto full = open(3, 3);
    EXPECT_TRUE(full->printSender->isEnabled());
    EXPECT_TRUE(full->currentCard->isEnabled());
    EXPECT_EQ(full->senderCard->maximum(), 3);
    click(full->currentCard);
    EXPECT_EQ(full->request().selection.choice, PostcardChoice::Current);
    EXPECT_EQ(full->request().selection.currentCard, 3);
}

} // namespace
} // namespace velm
