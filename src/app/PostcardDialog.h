#pragma once

#include "sheets/PostcardBatch.h"
#include "sheets/PostcardLayout.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QRadioButton;
class QSettings;
class QSpinBox;

namespace velm
{

class ShiftJisLineEdit;

// The options of 宛名印刷: which cards, the sender, 連名, 漢数字 and the offset. The offset is
// the one setting the program keeps: the dialog shows it from `settings` and writes it back
// there on OK. A value there out of range is shown at its limit, one that is no number as 0.
class PostcardDialog final : public QDialog
{
    Q_OBJECT

  public:
    // `cardCount` cards are in the store; `cardOnScreen` is the number of the card on screen,
    // which can be chosen only when it is one of them.
    PostcardDialog(QSettings& settings, int cardCount, int cardOnScreen, QWidget* parent = nullptr);

    PostcardRequest request() const;

    void accept() override;

    QRadioButton* allCards = nullptr;
    QRadioButton* markedCards = nullptr;
    QRadioButton* markEquals = nullptr;
    ShiftJisLineEdit* markText = nullptr;
    QRadioButton* currentCard = nullptr;
    QCheckBox* printSender = nullptr;
    QSpinBox* senderCard = nullptr;
    QCheckBox* jointNames = nullptr;
    QCheckBox* kanjiDigits = nullptr;
    QDoubleSpinBox* offsetX = nullptr;
    QDoubleSpinBox* offsetY = nullptr;
    QDialogButtonBox* buttons = nullptr;

  private:
    QWidget* createCardChoice();
    QWidget* createSenderChoice();
    QWidget* createStyleChoice();
    QWidget* createOffset();

    QSettings& m_settings;
    int m_cardCount;
    int m_cardOnScreen;
};

} // namespace velm
