#include "app/QtPlatform.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace velm
{
namespace
{

using Answer = Platform::Answer;
using Buttons = Platform::Buttons;

const QString kAddressBookFilter = QStringLiteral("住所録(*.txt)|*.txt|すべてのファイル(*.*)|*.*");
const QString kOrbiFilter = QStringLiteral("ＯＲＢＩ(*.orb)|*.orb|すべてのファイル(*.*)|*.*");

TEST(PipeFilters, BecomeOneQtNameFilterPerEntry)
{
    struct Case {
        QString filter;
        QStringList expected;
    };
    const std::vector<Case> cases{
        {kAddressBookFilter,
         {QStringLiteral("住所録(*.txt) (*.txt)"), QStringLiteral("すべてのファイル(*.*) (*)")}},
        {QStringLiteral("Text|*.txt"), {QStringLiteral("Text (*.txt)")}},
        {QStringLiteral("Text (*.txt;*.csv)|*.txt;*.csv"),
         {QStringLiteral("Text (*.txt;*.csv) (*.txt *.csv)")}},
        {QStringLiteral("Shown(*.doc)|*.txt"), {QStringLiteral("Shown(*.doc) (*.txt)")}},
        {QStringLiteral("Some|*.txt;*.*|Dotted|*.*.bak"),
         {QStringLiteral("Some (*.txt *)"), QStringLiteral("Dotted (*.*.bak)")}},
        {QStringLiteral("Dangling entry"), {}},
        {QString(), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NameFiltersFromPipeList(c.filter), c.expected) << c.filter.toStdString();
}

// Runs `act` on the modal dialog that the next call opens, as soon as it is shown.
void WhenModalShown(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start(5);
}

// The filter entry as the dialog shows it.
QString ShownFilter(QFileDialog* dialog)
{
    auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    return combo ? combo->currentText() : QString();
}

// What the file dialog showed when it opened.
struct DialogSeen {
    QString title;
    QString directory;
    QStringList nameFilters;
    QString selectedFilter;
    bool confirmsOverwrite = true;
    bool sidebarShown = true;
    QString acceptLabel;
    // Labels that show their "&" as it is, since no field takes their mnemonic.
    QStringList labelsShowingAmpersand;
};

// Runs the dialog; when it is shown, records it, picks filter entry `pickFilter` and
// accepts `accept`, or cancels when `accept` is empty.
std::optional<QString> RunDialog(QtPlatform& platform, Platform::Dialog dialog,
                                 const Platform::FileDialogSetup& setup, DialogSeen& seen,
                                 int pickFilter, const QString& accept)
{
    WhenModalShown([&seen, pickFilter, accept](QWidget* modal) {
        auto* fileDialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(fileDialog, nullptr);
        seen.title = fileDialog->windowTitle();
        seen.directory = fileDialog->directory().absolutePath();
        seen.nameFilters = fileDialog->nameFilters();
        seen.selectedFilter = ShownFilter(fileDialog);
        seen.confirmsOverwrite = !fileDialog->testOption(QFileDialog::DontConfirmOverwrite);
        auto* sidebar = fileDialog->findChild<QWidget*>(QStringLiteral("sidebar"));
        seen.sidebarShown = sidebar && sidebar->isVisible();
        seen.acceptLabel = fileDialog->labelText(QFileDialog::Accept);
        seen.labelsShowingAmpersand.clear();
        for (const QLabel* label : fileDialog->findChildren<QLabel*>())
            if (label->isVisible() && label->text().contains(u'&') && !label->buddy())
                seen.labelsShowingAmpersand << label->text();
        if (accept.isEmpty()) {
            fileDialog->reject();
            return;
        }
        fileDialog->selectNameFilter(seen.nameFilters.value(pickFilter));
        fileDialog->selectFile(accept);
        static_cast<QDialog*>(fileDialog)->accept();
    });
    return platform.runFileDialog(dialog, setup);
}

TEST(QtFileDialogs, StartWherePresetAcceptAnyNameAndRememberTheFilterEntry)
{
    QtPlatform platform;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString existing = folder.filePath(QStringLiteral("addr.txt"));
    QFile(existing).open(QIODevice::WriteOnly);
    const QString missing = folder.filePath(QStringLiteral("new.txt"));
    DialogSeen seen;

    // An existing file is taken without any question from the dialog itself.
    const auto saved = RunDialog(platform, Platform::Dialog::Save,
                                 {QStringLiteral("住所録に名前をつけて保存"), kAddressBookFilter,
                                  QStringLiteral("txt"), existing},
                                 seen, 1, existing);
    EXPECT_EQ(saved, existing);
    EXPECT_EQ(platform.chosenFilter(Platform::Dialog::Save), 1);
    EXPECT_EQ(seen.title, QStringLiteral("住所録に名前をつけて保存"));
    EXPECT_EQ(seen.directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(seen.selectedFilter, QStringLiteral("住所録(*.txt)")) << "the first entry at start";
    EXPECT_FALSE(seen.confirmsOverwrite);
    EXPECT_FALSE(seen.sidebarShown);
    EXPECT_EQ(seen.acceptLabel, QStringLiteral("保存(&S)"));
    EXPECT_EQ(seen.labelsShowingAmpersand.join(u'|').toStdString(), "");

    // The same dialog with another command's filter comes back on the entry chosen last.
    const auto exported = RunDialog(platform, Platform::Dialog::Save,
                                    {QStringLiteral("住所録をＯＲＢＩに変換"), kOrbiFilter,
                                     QStringLiteral("orb"), QStringLiteral("addr.orb")},
                                    seen, 0, missing);
    EXPECT_EQ(exported, missing);
    EXPECT_EQ(seen.selectedFilter, QStringLiteral("すべてのファイル(*.*)"));
    EXPECT_EQ(seen.directory, QDir::currentPath()) << "a bare name starts in the current folder";

    // The open dialog keeps its own entry and takes a name that does not exist.
    const auto opened = RunDialog(
        platform, Platform::Dialog::Open,
        {QStringLiteral("住所録を開く"), kAddressBookFilter, QStringLiteral("txt"), existing}, seen,
        0, missing);
    EXPECT_EQ(opened, missing);
    EXPECT_EQ(platform.chosenFilter(Platform::Dialog::Open), 0);
    EXPECT_EQ(seen.acceptLabel, QStringLiteral("開く(&O)"));
    EXPECT_EQ(seen.labelsShowingAmpersand.join(u'|').toStdString(), "");
    EXPECT_EQ(seen.selectedFilter, QStringLiteral("住所録(*.txt)"));

    const auto cancelled = RunDialog(
        platform, Platform::Dialog::Open,
        {QStringLiteral("住所録を開く"), kAddressBookFilter, QStringLiteral("txt"), existing}, seen,
        0, {});
    EXPECT_EQ(cancelled, std::nullopt);
}

// The names the dialog lists in its folder, sorted.
QStringList ListedNames(QFileDialog* dialog)
{
    QStringList names;
    const auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
    if (!view)
        return names;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row)
        names << view->model()->index(row, 0, root).data().toString();
    names.sort();
    return names;
}

TEST(QtFileDialogs, EveryFileEntryListsEveryFileAndATypedNameKeepsTheFileItNames)
{
    QtPlatform platform;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const QString& name : {QStringLiteral("README"), QStringLiteral("addr.txt")})
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    const QStringList everyFile{QStringLiteral("README"), QStringLiteral("addr.txt")};
    struct Case {
        Platform::Dialog dialog;
        int entry;
        QStringList listed;
        QString typed;
        QString chosen;
    };
    const Case cases[] = {
        {Platform::Dialog::Open, 0, {QStringLiteral("addr.txt")}, "README", "README"},
        {Platform::Dialog::Open, 1, everyFile, "README", "README"},
        {Platform::Dialog::Open, 1, everyFile, "addr", "addr.txt"},
        {Platform::Dialog::Save, 1, everyFile, "README", "README"},
        {Platform::Dialog::Save, 0, {QStringLiteral("addr.txt")}, "new", "new.txt"},
        {Platform::Dialog::Save, 0, {QStringLiteral("addr.txt")}, "new.csv", "new.csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString() + " in entry " + std::to_string(c.entry));
        QStringList listed;
        WhenModalShown([&listed, &c](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->selectNameFilter(dialog->nameFilters().value(c.entry));
            const bool read = QTest::qWaitFor([&] { return ListedNames(dialog) == c.listed; });
            listed = ListedNames(dialog);
            EXPECT_TRUE(read);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            dialog->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            name->setFocus();
            name->selectAll();
            QTest::keyClicks(name, c.typed);
            if (name->completer() && name->completer()->popup())
                name->completer()->popup()->hide();
            QTest::keyClick(name, Qt::Key_Return);
        });
        const auto chosen = platform.runFileDialog(
            c.dialog, {QStringLiteral("title"), kAddressBookFilter, QStringLiteral("txt"),
                       folder.filePath(QStringLiteral("addr.txt"))});
        EXPECT_EQ(listed.join(u'|').toStdString(), c.listed.join(u'|').toStdString());
        EXPECT_EQ(chosen.value_or(QString()).toStdString(),
                  folder.filePath(c.chosen).toStdString());
    }
}

// What a message box showed, and the button to press in it.
struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    // The texts of the buttons, sorted.
    QStringList buttonTexts;
    QPoint centre;
};

void PressWhenShown(BoxSeen& seen, std::function<void(QMessageBox*)> press)
{
    WhenModalShown([&seen, press = std::move(press)](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        QStringList texts;
        for (const QAbstractButton* button : box->buttons())
            texts << button->text();
        texts.sort();
        seen = {box->windowTitle(),     box->text(), box->icon(),
                box->standardButtons(), texts,       box->frameGeometry().center()};
        press(box);
    });
}

void Click(QMessageBox* box, QMessageBox::StandardButton button)
{
    box->button(button)->click();
}

TEST(QtMessageBoxes, QuestionsCarryTheExclamationIconTheirCaptionAndTheirAnswer)
{
    struct Case {
        Buttons buttons;
        QMessageBox::StandardButtons shown;
        QStringList texts;
        // A button pressed, or nothing for Esc.
        std::optional<QMessageBox::StandardButton> press;
        Answer answer;
    };
    using B = QMessageBox;
    // Sorted as the box's texts are.
    const QStringList kYesNo{QStringLiteral("いいえ(&N)"), QStringLiteral("はい(&Y)")};
    const QStringList kOkCancel{QStringLiteral("OK"), QStringLiteral("キャンセル")};
    const QStringList kYesNoCancel{QStringLiteral("いいえ(&N)"), QStringLiteral("はい(&Y)"),
                                   QStringLiteral("キャンセル")};
    const QStringList kAddReplaceCancel{QStringLiteral("キャンセル"), QStringLiteral("置き換え"),
                                        QStringLiteral("追加")};
    const auto kAddReplaceShown = B::Yes | B::No | B::Cancel;
    const std::vector<Case> cases{
        {Buttons::YesNo, B::Yes | B::No, kYesNo, B::Yes, Answer::Yes},
        {Buttons::YesNo, B::Yes | B::No, kYesNo, B::No, Answer::No},
        {Buttons::YesNo, B::Yes | B::No, kYesNo, std::nullopt, Answer::No},
        {Buttons::OkCancel, B::Ok | B::Cancel, kOkCancel, B::Ok, Answer::Ok},
        {Buttons::OkCancel, B::Ok | B::Cancel, kOkCancel, std::nullopt, Answer::Cancel},
        {Buttons::YesNoCancel, B::Yes | B::No | B::Cancel, kYesNoCancel, B::Yes, Answer::Yes},
        {Buttons::YesNoCancel, B::Yes | B::No | B::Cancel, kYesNoCancel, B::No, Answer::No},
        {Buttons::YesNoCancel, B::Yes | B::No | B::Cancel, kYesNoCancel, B::Cancel, Answer::Cancel},
        {Buttons::YesNoCancel, B::Yes | B::No | B::Cancel, kYesNoCancel, std::nullopt,
         Answer::Cancel},
        {Buttons::AddReplaceCancel, kAddReplaceShown, kAddReplaceCancel, B::Yes, Answer::Add},
        {Buttons::AddReplaceCancel, kAddReplaceShown, kAddReplaceCancel, B::No, Answer::Replace},
        {Buttons::AddReplaceCancel, kAddReplaceShown, kAddReplaceCancel, B::Cancel, Answer::Cancel},
        {Buttons::AddReplaceCancel, kAddReplaceShown, kAddReplaceCancel, std::nullopt,
         Answer::Cancel},
    };
    QtPlatform platform;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(i);
        BoxSeen seen;
        PressWhenShown(seen, [&c](QMessageBox* box) {
            if (c.press)
                Click(box, *c.press);
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        const Answer answer =
            platform.ask(QStringLiteral("カードが変更されています。上書きしますか？"),
                         QStringLiteral("保存確認"), c.buttons);
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(seen.title, QStringLiteral("保存確認"));
        EXPECT_EQ(seen.text, QStringLiteral("カードが変更されています。上書きしますか？"));
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
        EXPECT_EQ(seen.buttons, c.shown);
        EXPECT_EQ(seen.buttonTexts, c.texts);
    }
}

TEST(QtMessageBoxes, NoticesAndErrorsAreCaptionedVelm)
{
    QtPlatform platform;
    QWidget window;
    window.setGeometry(0, 0, 200, 100);
    window.show();
    platform.setDialogParent(&window);

    BoxSeen notice;
    PressWhenShown(notice, [](QMessageBox* box) { Click(box, QMessageBox::Ok); });
    platform.notice(QStringLiteral("住所録カードがありません"));
    EXPECT_EQ(notice.title, QStringLiteral("VELM"));
    EXPECT_EQ(notice.text, QStringLiteral("住所録カードがありません"));
    EXPECT_EQ(notice.icon, QMessageBox::NoIcon);
    EXPECT_EQ(notice.buttons, QMessageBox::Ok);
    EXPECT_EQ(notice.buttonTexts, QStringList{QStringLiteral("OK")});
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((notice.centre - screenCentre).manhattanLength(), 4)
        << "centred on the screen, not on the window in its corner";

    BoxSeen error;
    PressWhenShown(error, [](QMessageBox* box) { Click(box, QMessageBox::Ok); });
    platform.showError(QStringLiteral("File not found"));
    EXPECT_EQ(error.title, QStringLiteral("VELM"));
    EXPECT_EQ(error.text, QStringLiteral("File not found"));
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.buttons, QMessageBox::Ok);
}

// Opens `target` through a stand-in for the desktop's opener that ends with `status`, and
// tells whether the program heard that nothing opened it.
bool NotOpenedWhenOpenerEndsWith(int status, const QString& target)
{
    QTemporaryDir folder;
    const QString opener = folder.filePath(QStringLiteral("xdg-open"));
    QFile script(opener);
    script.open(QIODevice::WriteOnly);
    script.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(status).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder.path()) + ':' + path);

    QtPlatform platform;
    bool notOpened = false;
    platform.shellOpen(target, [&notOpened] { notOpened = true; });
    // A stand-in whose end means opened takes the whole second to show that nothing follows.
    const bool heard =
        QTest::qWaitFor([&notOpened] { return notOpened; }, status == 3 ? 5000 : 1000);
    qputenv("PATH", path);
    return heard;
}

TEST(QtShellOpen, ANoticeFollowsOnlyWhenTheDesktopHasNoProgramForTheTarget)
{
    const QString manual = QDir::temp().filePath(QStringLiteral("velm.htm"));
    EXPECT_FALSE(NotOpenedWhenOpenerEndsWith(0, manual));
    // 4: the program that xdg-open started failed later, when the user closed it.
    EXPECT_FALSE(NotOpenedWhenOpenerEndsWith(4, manual));
    EXPECT_TRUE(NotOpenedWhenOpenerEndsWith(3, manual));
    EXPECT_TRUE(NotOpenedWhenOpenerEndsWith(3, QStringLiteral("https://velm.example.com/")));
}

} // namespace
} // namespace velm
