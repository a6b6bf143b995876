#include "app/PostcardDialog.h"

#include "app/ShiftJisLineEdit.h"
#include "app/Texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace velm
{

namespace
{

QString Text(std::string_view text)
{
    return QString::fromUtf8(text);
}

const QString kOffsetXKey = QStringLiteral("postcard/offsetX");
const QString kOffsetYKey = QStringLiteral("postcard/offsetY");

// The offset kept under `key`: 0 when there is none or it is no number, at most 5 mm either
// way.
double StoredOffset(const QSettings& settings, const QString& key)
{
    bool isNumber = false;
    const double offset = settings.value(key).toDouble(&isNumber);
    return isNumber ? std::clamp(offset, -kMaxPostcardOffset, kMaxPostcardOffset) : 0.0;
}

QDoubleSpinBox* OffsetBox(QWidget* parent, double value)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(-kMaxPostcardOffset, kMaxPostcardOffset);
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setSuffix(Text(texts::kMillimetreSuffix));
    box->setValue(value);
    return box;
}

} // namespace

PostcardDialog::PostcardDialog(QSettings& settings, int cardCount, int cardOnScreen,
                               QWidget* parent)
    : QDialog(parent), m_settings(settings), m_cardCount(cardCount), m_cardOnScreen(cardOnScreen)
{
    setWindowTitle(Text(texts::kPostcardsTitle));
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text(texts::kCancelButton));
    connect(buttons, &QDialogButtonBox::accepted, this, &PostcardDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PostcardDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createCardChoice());
    layout->addWidget(createSenderChoice());
    layout->addWidget(createStyleChoice());
    layout->addWidget(createOffset());
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* PostcardDialog::createCardChoice()
{
    auto* group = new QGroupBox(Text(texts::kPostcardCardsGroup), this);
    allCards = new QRadioButton(Text(texts::kPostcardAllCards), group);
    markedCards = new QRadioButton(Text(texts::kPostcardMarkedCards), group);
    markEquals = new QRadioButton(Text(texts::kPostcardMarkEquals), group);
    markText = new ShiftJisLineEdit(group);
    currentCard = new QRadioButton(Text(texts::kPostcardCurrentCard), group);
    allCards->setChecked(true);
    markText->setEnabled(false);
    currentCard->setEnabled(m_cardOnScreen >= 1 && m_cardOnScreen <= m_cardCount);
    connect(markEquals, &QRadioButton::toggled, markText, &QWidget::setEnabled);

    auto* grid = new QGridLayout(group);
    grid->addWidget(allCards, 0, 0, 1, 2);
    grid->addWidget(markedCards, 1, 0, 1, 2);
    grid->addWidget(markEquals, 2, 0);
    grid->addWidget(markText, 2, 1);
    grid->addWidget(currentCard, 3, 0, 1, 2);
    return group;
}

QWidget* PostcardDialog::createSenderChoice()
{
    auto* group = new QGroupBox(Text(texts::kPostcardSenderGroup), this);
    printSender = new QCheckBox(Text(texts::kPostcardPrintSender), group);
    senderCard = new QSpinBox(group);
    senderCard->setRange(1, std::max(1, m_cardCount));
    senderCard->setEnabled(false);
    printSender->setEnabled(m_cardCount > 0);
    connect(printSender, &QCheckBox::toggled, senderCard, &QWidget::setEnabled);

    auto* label = new QLabel(Text(texts::kPostcardSenderCard), group);
    label->setBuddy(senderCard);
    auto* row = new QHBoxLayout(group);
    row->addWidget(printSender);
    row->addWidget(label);
    row->addWidget(senderCard);
    row->addStretch();
    return group;
}

QWidget* PostcardDialog::createStyleChoice()
{
    auto* group = new QGroupBox(Text(texts::kPostcardStyleGroup), this);
    jointNames = new QCheckBox(Text(texts::kPostcardJointNames), group);
    kanjiDigits = new QCheckBox(Text(texts::kPostcardKanjiDigits), group);
    jointNames->setChecked(true);
    kanjiDigits->setChecked(true);

    auto* column = new QVBoxLayout(group);
    column->addWidget(jointNames);
    column->addWidget(kanjiDigits);
    return group;
}

QWidget* PostcardDialog::createOffset()
{
    auto* group = new QGroupBox(Text(texts::kPostcardOffsetGroup), this);
    offsetX = OffsetBox(group, StoredOffset(m_settings, kOffsetXKey));
    offsetY = OffsetBox(group, StoredOffset(m_settings, kOffsetYKey));

    auto* form = new QFormLayout(group);
    form->addRow(Text(texts::kPostcardOffsetRight), offsetX);
    form->addRow(Text(texts::kPostcardOffsetDown), offsetY);
    return group;
}

PostcardRequest PostcardDialog::request() const
{
    PostcardRequest request;
    if (markedCards->isChecked())
        request.selection.choice = PostcardChoice::Marked;
    else if (markEquals->isChecked())
        request.selection.choice = PostcardChoice::MarkEquals;
    else if (currentCard->isChecked())
        request.selection.choice = PostcardChoice::Current;
    request.selection.mark = markText->bytes();
    request.selection.currentCard = m_cardOnScreen;
    request.senderCard = printSender->isChecked() ? senderCard->value() : 0;
    request.options.jointNames = jointNames->isChecked();
    request.options.kanjiDigits = kanjiDigits->isChecked();
    request.options.offsetX = offsetX->value();
    request.options.offsetY = offsetY->value();
    return request;
}

void PostcardDialog::accept()
{
    m_settings.setValue(kOffsetXKey, offsetX->value());
    m_settings.setValue(kOffsetYKey, offsetY->value());
    m_settings.sync();
    QDialog::accept();
}

} // namespace velm
