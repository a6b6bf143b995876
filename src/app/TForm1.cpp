#include "app/TForm1.h"

#include "app/AppFonts.h"
#include "app/CardListWindow.h"
#include "app/KeyEvents.h"
#include "app/ShiftJisLineEdit.h"
#include "app/TForm2.h"
#include "app/Texts.h"
#include "store/AddressBookFile.h"
#include "store/CardLayout.h"
#include "store/UserFolders.h"
#include "text/PathParts.h"
#include "text/StrictInt.h"
#include "text/TypedText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <span>

namespace velm
{

namespace
{

constexpr int kClientWidth = 582;
constexpr int kClientHeight = 146;

// The field a labelled edit box shows, where it stands and what it looks like.
struct CardBoxLayout {
    ShortString CardRecord::*field;
    int left;
    int top;
    int width;
    int fontPixels;
};

// In record order.
constexpr std::array<CardBoxLayout, CardRecord::kFieldCount> kCardBoxes{{
    {&CardRecord::Name1, 48, 40, 137, 13},
    {&CardRecord::Name2, 200, 40, 137, 13},
    {&CardRecord::Yomi, 376, 40, 137, 12},
    {&CardRecord::Mark, 544, 40, 25, 12},
    {&CardRecord::Jusyo1, 48, 64, 289, 13},
    {&CardRecord::Jusyo2, 48, 88, 289, 13},
    {&CardRecord::PostNo, 48, 112, 65, 13},
    {&CardRecord::Tel, 148, 112, 119, 13},
    {&CardRecord::biko1, 376, 64, 193, 13},
    {&CardRecord::biko2, 376, 88, 193, 13},
    {&CardRecord::biko3, 296, 112, 273, 13},
}};
static_assert(kCardBoxes.size() == texts::kCardBoxLabels.size());

constexpr int kBoxHeight = 20;
constexpr int kBoxLabelGap = 3;
constexpr int kLineEditInnerMargin = 2;

void PlaceLabel(QLabel* label, int left, int top, const QFont& font)
{
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    PlaceLabel(label, left, top, font);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, QRect geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

// One item of a menu: its caption, the member that holds it and the command it runs. An
// item without a member is a separator.
struct MenuItemLayout {
    std::string_view caption;
    QAction* TForm1::*action = nullptr;
    void (TForm1::*command)() = nullptr;
};

struct MenuLayout {
    std::string_view caption;
    QMenu* TForm1::*menu;
    std::span<const MenuItemLayout> items;
};

constexpr MenuItemLayout kFileItems[] = {
    {texts::kOpenItem, &TForm1::Open1, &TForm1::Open1Click},
    {texts::kSaveItem, &TForm1::Save1, &TForm1::Save1Click},
    {texts::kSaveAsItem, &TForm1::SaveAs1, &TForm1::SaveAs1Click},
    {},
    {texts::kImportOtherItem, &TForm1::ImportOther1, &TForm1::ImportOther1Click},
    {texts::kExportOtherItem, &TForm1::ExportOther1, &TForm1::ExportOther1Click},
    {},
    {texts::kPrintAddressBookItem, &TForm1::PrintAddr, &TForm1::PrintAddrClick},
    {},
    {texts::kRestoreItem, &TForm1::Restore1, &TForm1::Restore1Click},
    {},
    {texts::kCardListItem, &TForm1::CardList1, &TForm1::CardList1Click},
};
constexpr MenuItemLayout kSheetItems[] = {
    {texts::kCreateNotebookItem, &TForm1::Mtetyo, &TForm1::MtetyoClick},
    {texts::kCreateListItem, &TForm1::Mitiran, &TForm1::MitiranClick},
    {},
    {texts::kPrintNotebookItem, &TForm1::Ptetyo, &TForm1::PtetyoClick},
    {texts::kPrintListItem, &TForm1::Pitiran, &TForm1::PitiranClick},
    {},
    {texts::kPrintPostcardsItem, &TForm1::Patena, &TForm1::PatenaClick},
};
// 筆まめ形式にする runs nothing: the export reads whether it is checked.
constexpr MenuItemLayout kInterchangeItems[] = {
    {texts::kImportItem, &TForm1::Or1, &TForm1::Or1Click},
    {texts::kExportItem, &TForm1::Ow1, &TForm1::Ow1Click},
    {},
    {texts::kMameJoinItem, &TForm1::mame},
};
constexpr MenuItemLayout kHelpItems[] = {
    {texts::kAboutItem, &TForm1::About1, &TForm1::About1Click},
    {texts::kManualItem, &TForm1::M1, &TForm1::M1Click},
    {},
    {texts::kTimerItem, &TForm1::Zanter, &TForm1::ZanterClick},
};
constexpr MenuLayout kMenuBar[] = {
    {texts::kFileMenu, &TForm1::File1, kFileItems},
    {texts::kSheetMenu, &TForm1::MP1, kSheetItems},
    {texts::kInterchangeMenu, &TForm1::Orbi1, kInterchangeItems},
    {texts::kHelpMenu, &TForm1::Help1, kHelpItems},
};

} // namespace

TForm1::TForm1(Platform& platform, std::string exeDir, QWidget* parent)
    : QMainWindow(parent), m_platform(platform)
{
    m_store.ExeDir = std::move(exeDir);
    createComponents();
    createMenus();
    connectHandlers();
    FormCreate();
    Form2 = new TForm2(m_platform, this);
    Form2->showDataFolder(QFile::decodeName(m_store.DataDir.c_str()));
}

TForm1::~TForm1()
{
    // The card list reads the store, which goes before the child windows do.
    delete m_cardList;
}

void TForm1::createComponents()
{
    setWindowTitle(QString::fromUtf8(texts::kProgramName));
    setFont(AppFonts::Proportional(12));

    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Label3 = MakeLabel(client, QString::fromUtf8(texts::kCardNumberLabel), 22, 18,
                       AppFonts::Proportional(13));

    DNo = new SingleLineEdit(client);
    DNo->setText(QStringLiteral("1"));
    DNo->setFont(AppFonts::Proportional(16));
    DNo->setGeometry(48, 12, 33, 20);
    // Input methods type full-width digits by default; the jump reads ASCII ones.
    DNo->setTextRule([](std::u16string& text, std::size_t&) { MakeHalfWidthDigits(text); });
    // QLineEdit keeps 2 pixels between its frame and its text on either side, which leaves
    // too little of the 33 pixels for three digits of the 16-pixel font.
    DNo->setTextMargins(-kLineEditInnerMargin, 0, -kLineEditInnerMargin, 0);

    UpDown1 = new UpDown(client);
    UpDown1->setGeometry(81, 12, 32, 20);
    UpDown1->setMinimum(0);
    UpDown1->setMaximum(1);
    UpDown1->setPosition(1);

    Button3 = MakeButton(client, QString::fromUtf8(texts::kJumpButton), QRect(80, 12, 32, 20));
    Button3->hide();

    Label4 = MakeLabel(client, QString::fromUtf8(texts::kTotalSeparator), 120, 14,
                       AppFonts::Proportional(16));
    Label5 = new ClickableLabel(QStringLiteral("0"), client);
    PlaceLabel(Label5, 130, 14, AppFonts::Proportional(16));
    Label5->setCursor(Qt::PointingHandCursor);
    Label5->setAutoFillBackground(true);
    Label5->setBackgroundRole(QPalette::Window);
    connect(Label5, &ClickableLabel::entered, this, &TForm1::Label5MouseEnter);
    connect(Label5, &ClickableLabel::left, this, &TForm1::Label5MouseLeave);
    connect(Label5, &ClickableLabel::clicked, this, &TForm1::Label5Click);

    Label2 = MakeLabel(client, QString::fromUtf8(texts::kFileLabel), 168, 18,
                       AppFonts::Proportional(13));
    QPalette teal = Label2->palette();
    teal.setColor(QPalette::WindowText, QColor(0, 128, 128));
    Label2->setPalette(teal);

    createCardBoxes();

    Panel1 = new QFrame(client);
    Panel1->setGeometry(424, 6, 145, 30);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Label1 = MakeLabel(Panel1, QString::fromUtf8(texts::kCardPanelLabel), 8, 9, font());
    Button1 = MakeButton(Panel1, QString::fromUtf8(texts::kInsertButton), QRect(48, 5, 41, 20));
    Button2 = MakeButton(Panel1, QString::fromUtf8(texts::kDeleteButton), QRect(96, 5, 41, 20));

    // Tab order: DNo, UpDown1, the eleven boxes, the panel's buttons, then ≫.
    QWidget* previous = DNo;
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(UpDown1);
    for (ShiftJisLineEdit* box : cardBoxes())
        chain(box);
    chain(Button1);
    chain(Button2);
    chain(Button3);

    qApp->installEventFilter(this);
}

void TForm1::createCardBoxes()
{
    std::array<ShiftJisLineEdit**, CardRecord::kFieldCount> members{
        &Name1, &Name2, &Yomi, &Mark, &Jusyo1, &Jusyo2, &PostNo, &Tel, &biko1, &biko2, &biko3};
    QWidget* client = centralWidget();
    for (std::size_t i = 0; i < kCardBoxes.size(); ++i) {
        const CardBoxLayout& layout = kCardBoxes[i];
        auto* box = new ShiftJisLineEdit(client);
        box->setFont(AppFonts::FixedPitch(layout.fontPixels));
        box->setGeometry(layout.left, layout.top, layout.width, kBoxHeight);
        box->setFileColumnWidth(card_layout::ColumnWidth(layout.field));
        *members[i] = box;

        auto* label = new QLabel(QString::fromUtf8(texts::kCardBoxLabels[i]), client);
        label->adjustSize();
        label->move(layout.left - kBoxLabelGap - label->width(),
                    layout.top + (kBoxHeight - label->height()) / 2);
        label->setBuddy(box);
    }
    // The file's postal-code column expects ASCII digits, and full-width ones take twice
    // the bytes of a column that is cut on saving.
    PostNo->setHalfWidthNumbers(true);
    Tel->setHalfWidthNumbers(true);
}

void TForm1::createMenus()
{
    for (const MenuLayout& layout : kMenuBar) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(layout.caption));
        this->*layout.menu = menu;
        // A command acts on the text as the user sees it, composition included. Opening the
        // menu commits it while its box still has the focus; a shortcut commits it as well.
        connect(menu, &QMenu::aboutToShow, this, &TForm1::commitCompositions);
        for (const MenuItemLayout& item : layout.items) {
            if (!item.action) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(item.caption));
            this->*item.action = action;
            if (item.command)
                connect(action, &QAction::triggered, this, [this, command = item.command] {
                    commitCompositions();
                    (this->*command)();
                });
        }
    }
    // The print items and the timer wait for their tools (FormCreate).
    Ptetyo->setEnabled(false);
    Pitiran->setEnabled(false);
    Zanter->setEnabled(false);
    mame->setCheckable(true);
    mame->setChecked(true);
    CardList1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
}

void TForm1::connectHandlers()
{
    for (ShiftJisLineEdit* box : cardBoxes())
        connect(box, &QLineEdit::textChanged, this, [this] { EditHenko(); });
    UpDown1->setChangeCheck(
        [this](qint16, UpDown::Direction direction) { return UpDown1ChangingEx(direction); });
    connect(UpDown1, &UpDown::clicked, this,
            [this](UpDown::Button button) { UpDown1Click(button); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

std::array<ShiftJisLineEdit*, CardRecord::kFieldCount> TForm1::cardBoxes() const
{
    return {Name1, Name2, Yomi, Mark, Jusyo1, Jusyo2, PostNo, Tel, biko1, biko2, biko3};
}

void TForm1::FormCreate()
{
    m_store.CardCount = 0;
    if (FileExists(pathInExeDir(texts::kTimerTool)))
        Zanter->setEnabled(true);
    if (FileExists(pathInExeDir(texts::kPrintTool))) {
        Ptetyo->setEnabled(true);
        Pitiran->setEnabled(true);
    }
    const XdgEnvironment environment = XdgEnvironment::fromProcess();
    m_store.DataDir = ChooseDataFolder(m_store.ExeDir, environment);
    m_backupsFolder = BackupsFolderFor(environment);
    m_store.AddressBookPath = pathInDataDir(texts::kAddressBookFile);
    m_store.InterchangePath =
        ChangeExtension(m_store.AddressBookPath, texts::kInterchangeExtension);
    if (FileExists(m_store.AddressBookPath) && !Loaddatafile())
        return;
    m_store.CardEdited = false;
    m_store.StoreModified = false;
}

void TForm1::FormShow()
{
    Name1->setFocus();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_shownBefore)
        centreOnScreen();
    m_shownBefore = true;
    FormShow();
}

void TForm1::centreOnScreen()
{
    // Before the first show the frame is not known yet, so the window itself is centred.
    QRect area = frameGeometry();
    area.moveCenter(screen()->availableGeometry().center());
    move(area.topLeft());
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        adjustSelectionOnFocus(watched);
    // Text an input method commits into DNo is typed text, as a key press is.
    if (event->type() == QEvent::InputMethod && watched == DNo &&
        !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty())
        Button3->show();
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || !widget->hasFocus())
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    // The window sees every key before the focused control, as a key preview.
    FormKeyDown(keyEvent);
    if (watched == DNo)
        return DNoKeyPress(keyEvent);
    return pressButtonWithEnter(widget, keyEvent);
}

bool TForm1::pressButtonWithEnter(QWidget* focused, const QKeyEvent* event)
{
    // Enter presses a focused button as Space does, on the key's press.
    auto* button = qobject_cast<QPushButton*>(focused);
    if (!button || !IsEnter(event) || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    button->click();
    return true;
}

void TForm1::commitCompositions()
{
    DNo->commitComposition();
    for (ShiftJisLineEdit* box : cardBoxes())
        box->commitComposition();
}

void TForm1::adjustSelectionOnFocus(QObject* watched)
{
    // DNo and Mark select all their text when they get the focus; the other boxes leave
    // it unselected, also when reached with Tab.
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || edit->window() != this)
        return;
    const bool selectAll = edit == DNo || edit == Mark;
    QTimer::singleShot(0, edit, [edit, selectAll] {
        if (selectAll)
            edit->selectAll();
        else
            edit->deselect();
    });
}

std::optional<int> TForm1::currentCardNumber()
{
    const std::optional<std::int32_t> number = typedCardNumber();
    const QString text = DNo->text();
    if (!number) {
        m_platform.showError(QString::fromUtf8(NotAnIntegerMessage(text.toStdString())));
        return std::nullopt;
    }
    if (!CardStore::isSlotNumber(*number)) {
        m_platform.showError(QLatin1Char('\'') + text +
                             QString::fromUtf8(texts::kNotACardNumberAfterQuote));
        return std::nullopt;
    }
    return *number;
}

std::optional<std::int32_t> TForm1::typedCardNumber() const
{
    return StrictToInt(DNo->text().toStdString());
}

void TForm1::settleCardNumber()
{
    const QString position = QString::number(UpDown1->position());
    if (DNo->text() != position)
        DNo->setText(position);
    Button3->hide();
}

std::string TForm1::pathInExeDir(std::string_view name) const
{
    return m_store.ExeDir + std::string(name);
}

std::string TForm1::pathInDataDir(std::string_view name) const
{
    return m_store.DataDir + std::string(name);
}

void TForm1::followCardCount()
{
    UpDown1->setMaximum(std::min(m_store.CardCount + 1, CardStore::kCapacity));
}

bool TForm1::ikkenbun()
{
    const std::optional<int> k = currentCardNumber();
    if (!k)
        return false;
    const auto boxes = cardBoxes();
    const auto fields = m_store.card(*k).fields();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setBytes(fields[i]->view());
    m_store.CardEdited = false;
    Label5->setText(QString::number(m_store.CardCount));
    Label5->adjustSize();
    return true;
}

bool TForm1::ikkentoroku()
{
    const std::optional<int> k = currentCardNumber();
    if (!k)
        return false;
    BoxTexts texts;
    const auto boxes = cardBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        texts[i] = boxes[i]->bytes();
    const int countBefore = m_store.CardCount;
    m_store.commit(*k, texts);
    if (m_store.CardCount != countBefore)
        followCardCount();
    cardsChanged();
    return true;
}

void TForm1::EditHenko()
{
    m_store.CardEdited = true;
}

bool TForm1::Loaddatafile()
{
    std::optional<std::vector<CardRecord>> cards =
        readCards(m_store.AddressBookPath, &ParseAddressBook);
    if (!cards)
        return false;
    showFileInCaption(m_store.AddressBookPath);
    m_store.InterchangePath =
        ChangeExtension(m_store.AddressBookPath, texts::kInterchangeExtension);
    takeLoadedCards(std::move(*cards));
    return true;
}

QString TForm1::refusalNotice(AddressBookRefusal refusal)
{
    return QString::fromUtf8(refusal == AddressBookRefusal::NoCards ? texts::kNoCards
                                                                    : texts::kTooManyCardsToRead);
}

void TForm1::takeLoadedCards(std::vector<CardRecord> cards)
{
    // A typed but unconfirmed number gives way to the card the user sees, which is the
    // card shown again after the new cards are in.
    settleCardNumber();
    m_store.replaceCards(std::move(cards));
    cardsChanged();
    followCardCount();
    const int newCardSlot = UpDown1->maximum();
    const std::optional<std::int32_t> shown = typedCardNumber();
    if (!shown || *shown > newCardSlot) {
        DNo->setText(QString::number(newCardSlot));
        UpDown1->setPosition(newCardSlot);
    }
    ikkenbun();
}

void TForm1::showFileInCaption(const std::string& path)
{
    setWindowTitle(QString::fromUtf8(texts::kCaptionBeforeFolder) +
                   QFile::decodeName(DirectoryPart(path).c_str()));
    Label2->setText(QString::fromUtf8(texts::kFileLabel) +
                    QFile::decodeName(FileNamePart(path).c_str()));
    Label2->adjustSize();
}

void TForm1::showFileError(const FileFailure& failure)
{
    m_platform.showError(QString::fromStdString(failure.message()));
}

void TForm1::takeUnsavedCards(std::vector<CardRecord> cards)
{
    takeLoadedCards(std::move(cards));
    m_store.StoreModified = true;
    Name1->setFocus();
}

std::optional<std::string> TForm1::readFileOrReport(const std::string& path)
{
    auto read = ReadWholeFile(path);
    if (const auto* failure = std::get_if<FileFailure>(&read)) {
        if (failure->kind == FileFailure::Kind::TooLarge)
            m_platform.notice(QString::fromUtf8(texts::kFileTooLarge));
        else
            showFileError(*failure);
        return std::nullopt;
    }
    return std::get<std::string>(std::move(read));
}

bool TForm1::mayOverwrite(const std::string& path, const QString& question,
                          std::string_view caption)
{
    return !FileExists(path) || m_platform.ask(question, QString::fromUtf8(caption),
                                               Platform::Buttons::OkCancel) == Platform::Answer::Ok;
}

std::optional<std::string> TForm1::chooseFile(Platform::Dialog dialog, std::string_view title,
                                              const texts::FileKind& kind, const std::string& path)
{
    const std::optional<QString> chosen = m_platform.runFileDialog(
        dialog, {QString::fromUtf8(title), QString::fromUtf8(kind.filter),
                 QString::fromUtf8(kind.extension).mid(1), QFile::decodeName(path.c_str())});
    if (!chosen)
        return std::nullopt;
    return QFile::encodeName(*chosen).toStdString();
}

bool TForm1::writeFileOrReport(const std::string& path, std::string_view bytes)
{
    if (auto failure = WriteFileAtomically(path, bytes)) {
        showFileError(*failure);
        return false;
    }
    return true;
}

void TForm1::handToPrintTool(const std::string& file)
{
    const std::string tool = pathInExeDir(texts::kPrintTool);
    if (FileExists(tool))
        m_platform.startProcess(QFile::decodeName(tool.c_str()), {QFile::decodeName(file.c_str())});
    else
        m_platform.openInTextViewer(QFile::decodeName(file.c_str()));
}

bool TForm1::saveAddressBook()
{
    settleCardNumber();
    if (m_store.CardEdited && !ikkentoroku())
        return false;
    keepBackupOf(m_store.AddressBookPath);
    if (!writeFileOrReport(m_store.AddressBookPath, FormatAddressBook(m_store)))
        return false;
    m_store.StoreModified = false;
    m_store.CardEdited = false;
    return true;
}

} // namespace velm
