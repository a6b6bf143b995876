#include "app/CardListWindow.h"
#include "app/ShiftJisLineEdit.h"
#include "app/TForm1.h"

#include <QLineEdit>

// The card list window as the main window sees it: opening it, and showing the card the
// user picked there.

namespace velm
{

void TForm1::CardList1Click()
{
    if (!m_cardList)
        m_cardList = new CardListWindow(
            m_store, [this](int card) { showCardFromList(card); }, this);
    m_cardList->bringUp();
}

void TForm1::showCardFromList(int card)
{
    // As an arrow move: the card on screen, whatever was typed into DNo, takes its edits.
    settleCardNumber();
    if (m_store.CardEdited && !ikkentoroku())
        return;
    DNo->setText(QString::number(card));
    Button3Click();
    activateWindow();
    Name1->setFocus();
}

void TForm1::cardsChanged()
{
    if (m_cardList)
        m_cardList->storeChanged();
}

} // namespace velm
