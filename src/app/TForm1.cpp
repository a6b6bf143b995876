#include "app/TForm1.h"

#include "app/AppFonts.h"
#include "app/FolderTexts.h"
#include "app/ShiftJisLineEdit.h"
#include "app/TForm2.h"
#include "sheets/PrintTool.h"
#include "store/AddressBookFile.h"
#include "store/UserFolders.h"
#include "text/PathParts.h"
#include "text/StrictInt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace velm
{

namespace
{

constexpr int kClientWidth = 582;
constexpr int kClientHeight = 146;

// Where a labelled edit box stands and what it looks like.
struct CardBoxLayout {
    const char* caption;
    int left;
    int top;
    int width;
    int fontPixels;
};

// In record order: Name1, Name2, Yomi, Mark, Jusyo1, Jusyo2, PostNo, Tel, biko1, biko2, biko3.
constexpr std::array<CardBoxLayout, CardRecord::kFieldCount> kCardBoxes{{
    {"名前１", 48, 40, 137, 13},
    {"２", 200, 40, 137, 13},
    {"読み", 376, 40, 137, 12},
    {"印", 544, 40, 25, 12},
    {"住所１", 48, 64, 289, 13},
    {"住所２", 48, 88, 289, 13},
    {"〒", 48, 112, 65, 13},
    {"電話", 148, 112, 119, 13},
    {"会社", 376, 64, 193, 13},
    {"所属", 376, 88, 193, 13},
    {"メモ", 296, 112, 273, 13},
}};

constexpr int kBoxHeight = 20;
constexpr int kBoxLabelGap = 3;

void placeLabel(QLabel* label, int left, int top, const QFont& font)
{
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
}

QLabel* makeLabel(QWidget* parent, const QString& text, int left, int top, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    placeLabel(label, left, top, font);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& text, QRect geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

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

TForm1::~TForm1() = default;

void TForm1::createComponents()
{
    setWindowTitle(QStringLiteral("VELM"));
    setFont(AppFonts::proportional(12));

    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Label3 = makeLabel(client, QStringLiteral("Ｎｏ．"), 22, 18, AppFonts::proportional(13));

    DNo = new QLineEdit(QStringLiteral("1"), client);
    DNo->setFont(AppFonts::proportional(16));
    DNo->setGeometry(48, 12, 33, 20);

    UpDown1 = new UpDown(client);
    UpDown1->setGeometry(81, 12, 32, 20);
    UpDown1->setMinimum(0);
    UpDown1->setMaximum(1);
    UpDown1->setPosition(1);

    Button3 = makeButton(client, QStringLiteral("≫"), QRect(80, 12, 32, 20));
    Button3->hide();

    Label4 = makeLabel(client, QStringLiteral("/"), 120, 14, AppFonts::proportional(16));
    Label5 = new ClickableLabel(QStringLiteral("0"), client);
    placeLabel(Label5, 130, 14, AppFonts::proportional(16));
    Label5->setCursor(Qt::PointingHandCursor);
    Label5->setAutoFillBackground(true);
    Label5->setBackgroundRole(QPalette::Window);
    connect(Label5, &ClickableLabel::entered, this, &TForm1::Label5MouseEnter);
    connect(Label5, &ClickableLabel::left, this, &TForm1::Label5MouseLeave);
    connect(Label5, &ClickableLabel::clicked, this, &TForm1::Label5Click);

    Label2 = makeLabel(client, QStringLiteral("FILE : "), 168, 18, AppFonts::proportional(13));
    QPalette teal = Label2->palette();
    teal.setColor(QPalette::WindowText, QColor(0, 128, 128));
    Label2->setPalette(teal);

    createCardBoxes();

    Panel1 = new QFrame(client);
    Panel1->setGeometry(424, 6, 145, 30);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Label1 = makeLabel(Panel1, QStringLiteral("カード"), 8, 9, font());
    Button1 = makeButton(Panel1, QStringLiteral("挿入"), QRect(48, 5, 41, 20));
    Button2 = makeButton(Panel1, QStringLiteral("削除"), QRect(96, 5, 41, 20));

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
        box->setFont(AppFonts::fixedPitch(layout.fontPixels));
        box->setGeometry(layout.left, layout.top, layout.width, kBoxHeight);
        *members[i] = box;

        auto* label = new QLabel(QString::fromUtf8(layout.caption), client);
        label->adjustSize();
        label->move(layout.left - kBoxLabelGap - label->width(),
                    layout.top + (kBoxHeight - label->height()) / 2);
        label->setBuddy(box);
    }
}

void TForm1::createMenus()
{
    auto addItem = [this](QMenu* menu, const QString& caption, void (TForm1::*handler)()) {
        QAction* action = menu->addAction(caption);
        if (handler)
            connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };

    File1 = menuBar()->addMenu(QStringLiteral("住所録(&F)"));
    Open1 = addItem(File1, QStringLiteral("開(&O)"), &TForm1::Open1Click);
    Save1 = addItem(File1, QStringLiteral("上書き保存(&S)"), &TForm1::Save1Click);
    SaveAs1 = addItem(File1, QStringLiteral("名前をつけて保存(&A)"), &TForm1::SaveAs1Click);
    File1->addSeparator();
    PrintAddr = addItem(File1, QStringLiteral("編集・印刷(&P)"), &TForm1::PrintAddrClick);

    MP1 = menuBar()->addMenu(QStringLiteral("作成(&M)"));
    Mtetyo = addItem(MP1, QStringLiteral("手帳作成(&T)"), &TForm1::MtetyoClick);
    Mitiran = addItem(MP1, QStringLiteral("一覧表作成(&I)"), &TForm1::MitiranClick);
    MP1->addSeparator();
    Ptetyo = addItem(MP1, QStringLiteral("手帳印刷(&N)"), &TForm1::PtetyoClick);
    Pitiran = addItem(MP1, QStringLiteral("一覧表印刷(&H)"), &TForm1::PitiranClick);
    Ptetyo->setEnabled(false);
    Pitiran->setEnabled(false);

    Orbi1 = menuBar()->addMenu(QStringLiteral("ＯＲＢＩ(&O)"));
    Or1 = addItem(Orbi1, QStringLiteral("読み込み(&R)"), &TForm1::Or1Click);
    Ow1 = addItem(Orbi1, QStringLiteral("書き出し(&W)"), &TForm1::Ow1Click);
    Orbi1->addSeparator();
    mame = addItem(Orbi1, QStringLiteral("筆まめ形式にする(&M)"), nullptr);
    mame->setCheckable(true);
    mame->setChecked(true);

    Help1 = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    About1 = addItem(Help1, QStringLiteral("バージョン情報(&A)"), &TForm1::About1Click);
    M1 = addItem(Help1, QStringLiteral("解説(&M)"), &TForm1::M1Click);
    Help1->addSeparator();
    Zanter = addItem(Help1, QStringLiteral("タイマーを表示(&T)"), &TForm1::ZanterClick);
    Zanter->setEnabled(false);

    File1->addSeparator();
    Restore1 = addItem(File1, kRestoreMenuItem, &TForm1::Restore1Click);
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
    if (FileExists(m_store.ExeDir + "Zanter.exe"))
        Zanter->setEnabled(true);
    if (FileExists(m_store.ExeDir + "Blent.exe")) {
        Ptetyo->setEnabled(true);
        Pitiran->setEnabled(true);
    }
    const XdgEnvironment environment = XdgEnvironment::FromProcess();
    m_store.DataDir = ChooseDataFolder(m_store.ExeDir, environment);
    m_backupsFolder = BackupsFolderFor(environment);
    m_store.AddressBookPath = m_store.DataDir + "addr.txt";
    m_store.InterchangePath = m_store.DataDir + "addr.orb";
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
    if (!event->spontaneous())
        FormShow();
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
    return false;
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
    const QString text = DNo->text();
    const std::optional<std::int32_t> number = StrictToInt(text.toUtf8().toStdString());
    if (!number) {
        m_platform.showError(QString::fromUtf8(NotAnIntegerMessage(text.toUtf8().toStdString())));
        return std::nullopt;
    }
    if (!CardStore::isSlotNumber(*number)) {
        m_platform.showError(QStringLiteral("'%1' is not a valid card number").arg(text));
        return std::nullopt;
    }
    return *number;
}

void TForm1::settleCardNumber()
{
    const QString position = QString::number(UpDown1->position());
    if (DNo->text() != position)
        DNo->setText(position);
    Button3->hide();
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
    return true;
}

void TForm1::EditHenko()
{
    m_store.CardEdited = true;
}

bool TForm1::Loaddatafile()
{
    std::optional<std::vector<CardRecord>> cards = readCardsOrReport(m_store.AddressBookPath);
    if (!cards)
        return false;
    showFileInCaption(m_store.AddressBookPath);
    m_store.InterchangePath = ChangeExtension(m_store.AddressBookPath, ".orb");
    takeLoadedCards(std::move(*cards));
    return true;
}

std::optional<std::vector<CardRecord>> TForm1::readCardsOrReport(const std::string& path)
{
    auto read = ReadWholeFile(path);
    if (const auto* failure = std::get_if<FileFailure>(&read)) {
        showFileError(*failure);
        return std::nullopt;
    }
    auto parsed = ParseAddressBook(std::get<std::string>(read));
    if (const auto* refusal = std::get_if<AddressBookRefusal>(&parsed)) {
        m_platform.notice(*refusal == AddressBookRefusal::NoCards
                              ? QStringLiteral("住所録カードがありません")
                              : QStringLiteral("カードが999件を超えているため読み込めません"));
        return std::nullopt;
    }
    return std::move(std::get<std::vector<CardRecord>>(parsed));
}

void TForm1::takeLoadedCards(std::vector<CardRecord> cards)
{
    m_store.replaceCards(std::move(cards));
    followCardCount();
    const int newCardSlot = UpDown1->maximum();
    const std::optional<std::int32_t> shown = StrictToInt(DNo->text().toStdString());
    if (!shown || *shown > newCardSlot) {
        DNo->setText(QString::number(newCardSlot));
        UpDown1->setPosition(newCardSlot);
    }
    ikkenbun();
}

void TForm1::showFileInCaption(const std::string& path)
{
    setWindowTitle(QStringLiteral("VELM - ") + QFile::decodeName(DirectoryPart(path).c_str()));
    Label2->setText(QStringLiteral("FILE : ") + QFile::decodeName(FileNamePart(path).c_str()));
    Label2->adjustSize();
}

void TForm1::showFileError(const FileFailure& failure)
{
    m_platform.showError(QString::fromStdString(failure.Message()));
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
    const std::string tool = PrintToolPath(m_store.ExeDir);
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
