#include "app/TForm2.h"

#include "app/AppFonts.h"
#include "app/Platform.h"
#include "app/Texts.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace velm
{

namespace
{

// The folder lines: their left edge, where the first one starts, and the height they add.
constexpr int kFolderLeft = 24;
constexpr int kFolderTop = 76;
constexpr int kFolderLinesHeight = 40;

const QColor kLinkColour(0, 0, 255);
const QColor kLinkHoverColour(255, 0, 255);

QLabel* AddLabel(QWidget* parent, const QString& text, const QPoint& position)
{
    auto* label = new QLabel(text, parent);
    label->move(position);
    label->adjustSize();
    return label;
}

} // namespace

TForm2::TForm2(Platform& platform, QWidget* parent) : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(texts::kProgramName));
    setModal(false);
    // A fixed dialog: a title and a close button, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(AppFonts::Proportional(12));
    setFixedSize(kClientWidth, kClientHeight);

    Label1 = AddLabel(this, QString::fromUtf8(texts::kAboutVersionPlaceholder), QPoint(24, 12));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = AddLabel(this, QString::fromUtf8(texts::kAboutMaker), QPoint(24, 32));
    Label2->setObjectName(QStringLiteral("Label2"));

    setUpLinkLabel();

    Button1 = new QPushButton(QString::fromUtf8(texts::kOkButton), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(61, 80, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

// The web address: a fixed-width centred label, blue and underlined like a browser link,
// that keeps the ordinary arrow pointer.
void TForm2::setUpLinkLabel()
{
    Label3 = new ClickableLabel(QString::fromUtf8(texts::kAboutWebAddress), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(18, 52, 161, 16);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QFont linkFont = AppFonts::Proportional(12);
    linkFont.setUnderline(true);
    Label3->setFont(linkFont);
    Label3->setCursor(Qt::ArrowCursor);
    setLinkColour(kLinkColour);
    connect(Label3, &ClickableLabel::entered, this, &TForm2::Label3MouseEnter);
    connect(Label3, &ClickableLabel::left, this, &TForm2::Label3MouseLeave);
    connect(Label3, &ClickableLabel::clicked, this, &TForm2::Label3Click);
}

void TForm2::showAbout(const QString& versionText)
{
    Label1->setText(QString::fromUtf8(texts::kAboutVersionBeforeText) + versionText);
    Label1->adjustSize();
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    centreOnParent();
    show();
    activateWindow();
    Button1->setFocus();
}

void TForm2::showDataFolder(const QString& folder)
{
    Label4 = AddLabel(this, QString::fromUtf8(texts::kDataFolderCaption),
                      QPoint(kFolderLeft, kFolderTop));
    Label4->setObjectName(QStringLiteral("Label4"));
    Label5 = AddLabel(this, folder, QPoint(kFolderLeft, kFolderTop + kFolderLinesHeight / 2));
    Label5->setObjectName(QStringLiteral("Label5"));
    // The user may want to copy the folder into a file manager.
    Label5->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const int width = std::max(kClientWidth, Label5->width() + 2 * kFolderLeft);
    setFixedSize(width, kClientHeight + kFolderLinesHeight);
    Label3->move((width - Label3->width()) / 2, Label3->y());
    Button1->move((width - Button1->width()) / 2, Button1->y() + kFolderLinesHeight);
}

void TForm2::Button1Click()
{
    hide();
}

// The address is read from the label at the moment of the click, so the caption is the one
// place that names it.
void TForm2::Label3Click()
{
    m_platform.shellOpen(Label3->text(), {});
}

void TForm2::Label3MouseEnter()
{
    setLinkColour(kLinkHoverColour);
}

void TForm2::Label3MouseLeave()
{
    setLinkColour(kLinkColour);
}

void TForm2::setLinkColour(const QColor& colour)
{
    QPalette palette = Label3->palette();
    palette.setColor(QPalette::WindowText, colour);
    Label3->setPalette(palette);
}

// The box is centred on the main window each time it appears, or on the screen when it has
// no parent window. Client areas are centred because a window's frame is known only once it
// has been shown, and both windows carry the same kind of frame.
void TForm2::centreOnParent()
{
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area = owner ? owner->geometry() : screen()->availableGeometry();
    QRect client(QPoint(), size());
    client.moveCenter(area.center());
    setGeometry(client);
}

} // namespace velm
