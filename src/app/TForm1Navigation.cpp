#include "app/KeyEvents.h"
#include "app/ShiftJisLineEdit.h"
#include "app/TForm1.h"
#include "app/Texts.h"
#include "text/RightTrim.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

// Moving between cards, the jump by number, insertion and deletion.

namespace velm
{

namespace
{

const QColor kTotalLabelHoverColour(0, 255, 255);

// Whether the key typed a character into the box: printable keys, Backspace and Enter do;
// keys without a character (arrows, function keys), Delete, and Tab, which moves the focus,
// do not.
bool TypesCharacter(const QKeyEvent* event)
{
    const QString text = event->text();
    const bool movesFocus = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    return !text.isEmpty() && text.front() != QChar(0x7f) && !movesFocus;
}

} // namespace

bool TForm1::UpDown1ChangingEx(UpDown::Direction direction)
{
    // A step starts from the card on screen, whatever was typed into DNo. A position set by
    // code (the jump, a load) has put DNo where it wants it already.
    const bool stepping = UpDown1->isStepping();
    if (stepping) {
        commitCompositions();
        settleCardNumber();
    }
    // Card 1 is the lowest reachable card, although the control's minimum is 0.
    const bool allowed = !(UpDown1->position() == 1 && direction == UpDown::Direction::Down);
    // Only a step raises the maximum: the commit that follows it counts the named card, so
    // the maximum is CardCount + 1 again afterwards. A position set by code commits nothing.
    if (allowed && stepping && stepCountsNewCard())
        UpDown1->setMaximum(UpDown1->maximum() + 1);
    return allowed;
}

bool TForm1::stepCountsNewCard() const
{
    return UpDown1->position() == UpDown1->maximum() && UpDown1->maximum() < CardStore::kCapacity &&
           !nameOnScreenIsBlank();
}

void TForm1::UpDown1Click(UpDown::Button)
{
    // DNo still holds the card being left, so the commit goes into that card.
    if (m_store.CardEdited && !ikkentoroku())
        return;
    DNo->setText(QString::number(UpDown1->position()));
    ikkenbun();
    Name1->setFocus();
}

bool TForm1::DNoKeyPress(QKeyEvent* event)
{
    if (!TypesCharacter(event))
        return false;
    Button3->show();
    if (!IsEnter(event))
        return false;
    Button3Click();
    // The next number typed replaces the one jumped to.
    DNo->selectAll();
    return true;
}

void TForm1::Button3Click()
{
    commitCompositions();
    const int card = jumpTarget();
    DNo->setText(QString::number(card));
    UpDown1->setPosition(card);
    ikkenbun();
    Button3->hide();
}

int TForm1::jumpTarget() const
{
    const std::optional<std::int32_t> typed = typedCardNumber();
    const int requested = typed ? *typed : UpDown1->position();
    const int newCardSlot = std::min(m_store.CardCount + 1, CardStore::kCapacity);
    return std::clamp(requested, 1, newCardSlot);
}

void TForm1::FormKeyDown(QKeyEvent* event)
{
    if (!event->modifiers().testFlag(Qt::ControlModifier))
        return;
    if (event->key() == Qt::Key_Right)
        stepWithCtrl(UpDown::Button::Next);
    else if (event->key() == Qt::Key_Left)
        stepWithCtrl(UpDown::Button::Previous);
}

void TForm1::stepWithCtrl(UpDown::Button button)
{
    const qint16 before = UpDown1->position();
    // A step that moves runs UpDown1Click through the control's click; one that cannot move
    // (card 1 going back, the last slot going on) still commits and shows the card again.
    UpDown1->pressArrow(button);
    if (UpDown1->position() == before)
        UpDown1Click(button);
}

void TForm1::Label5Click()
{
    commitCompositions();
    DNo->setText(QString::number(m_store.CardCount));
    Button3Click();
}

void TForm1::Label5MouseEnter()
{
    paintTotalLabel(kTotalLabelHoverColour);
}

void TForm1::Label5MouseLeave()
{
    paintTotalLabel(Label5->parentWidget()->palette().color(QPalette::Window));
}

void TForm1::paintTotalLabel(const QColor& colour)
{
    QPalette palette = Label5->palette();
    palette.setColor(QPalette::Window, colour);
    Label5->setPalette(palette);
}

void TForm1::Button1Click()
{
    commitCompositions();
    settleCardNumber();
    Name1->setFocus();
    if (!m_store.insertBlank(UpDown1->position())) {
        m_platform.notice(QString::fromUtf8(texts::kStoreFull));
        return;
    }
    cardsChanged();
    followCardCount();
    ikkenbun();
}

void TForm1::Button2Click()
{
    commitCompositions();
    settleCardNumber();
    Name1->setFocus();
    const std::optional<int> card = currentCardNumber();
    if (!card)
        return;
    // The new-card slot, and card 1 of an empty store, hold nothing to delete.
    if (*card > m_store.CardCount) {
        ikkenbun();
        return;
    }
    if (!nameOnScreenIsBlank() && m_platform.ask(QString::fromUtf8(texts::kDeleteQuestion),
                                                 QString::fromUtf8(texts::kDeleteCaption),
                                                 Platform::Buttons::YesNo) != Platform::Answer::Yes)
        return;
    m_store.deleteCard(*card);
    cardsChanged();
    followCardCount();
    ikkenbun();
}

bool TForm1::nameOnScreenIsBlank() const
{
    return Trim(Name1->bytes()).empty();
}

} // namespace velm
