#include "app/QtPlatform.h"

#include "app/ListChoiceDialog.h"
#include "app/PostcardDialog.h"
#include "app/Texts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <array>
#include <utility>

namespace velm
{

namespace
{

const QString kTitle = QString::fromUtf8(texts::kProgramName);

QMessageBox::StandardButtons StandardButtons(Platform::Buttons buttons)
{
    switch (buttons) {
    case Platform::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Platform::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Platform::Buttons::YesNoCancel:
    case Platform::Buttons::AddReplaceCancel:
        break;
    }
    return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
}

Platform::Answer AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Platform::Answer::Yes;
    case QMessageBox::No:
        return Platform::Answer::No;
    case QMessageBox::Ok:
        return Platform::Answer::Ok;
    default:
        return Platform::Answer::Cancel;
    }
}

// Message boxes and file dialogs speak the program's language; Qt's own texts are English.
void LabelButtons(QMessageBox& box)
{
    const std::array<std::pair<QMessageBox::StandardButton, std::string_view>, 4> labels{{
        {QMessageBox::Ok, texts::kOkButton},
        {QMessageBox::Cancel, texts::kCancelButton},
        {QMessageBox::Yes, texts::kYesButton},
        {QMessageBox::No, texts::kNoButton},
    }};
    for (const auto& [button, label] : labels)
        if (QAbstractButton* shown = box.button(button))
            shown->setText(QString::fromUtf8(label));
}

void LabelFileDialog(QFileDialog& dialog, bool saving)
{
    const auto label = [&dialog](QFileDialog::DialogLabel which, std::string_view text) {
        dialog.setLabelText(which, QString::fromUtf8(text));
    };
    label(QFileDialog::LookIn, saving ? texts::kSaveInLabel : texts::kLookInLabel);
    label(QFileDialog::FileName, texts::kFileNameLabel);
    label(QFileDialog::FileType, texts::kFileTypeLabel);
    label(QFileDialog::Accept, saving ? texts::kSaveButton : texts::kOpenButton);
    label(QFileDialog::Reject, texts::kCancelButton);
    // Qt leaves its type label without a buddy, so its mnemonic would show as "(&T)"; tied
    // to the list of types, Alt+T moves there as Alt+N moves to the name.
    if (auto* typeLabel = dialog.findChild<QLabel*>(QStringLiteral("fileTypeLabel")))
        typeLabel->setBuddy(dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")));
}

// The question whether to add cards or replace them shows its own buttons in the places of
// Yes and No.
void LabelAddAndReplace(QMessageBox& box)
{
    box.button(QMessageBox::Yes)->setText(QString::fromUtf8(texts::kAddButton));
    box.button(QMessageBox::No)->setText(QString::fromUtf8(texts::kReplaceButton));
}

Platform::Answer AddOrReplace(Platform::Answer answer)
{
    switch (answer) {
    case Platform::Answer::Yes:
        return Platform::Answer::Add;
    case Platform::Answer::No:
        return Platform::Answer::Replace;
    default:
        return Platform::Answer::Cancel;
    }
}

// The file a dialog's chosen name stands for: the name as it is when such a file exists or
// the name has an extension, otherwise the name with the default extension added.
QString WithDefaultExtension(const QString& chosen, const QString& extension)
{
    const QFileInfo file(chosen);
    if (extension.isEmpty() || file.exists() || file.fileName().contains(QLatin1Char('.')))
        return chosen;
    return chosen + QLatin1Char('.') + extension;
}

} // namespace

QStringList NameFiltersFromPipeList(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList nameFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'));
        // Qt matches "*.*" only against names with a full stop; every file is "*" here.
        for (QString& pattern : patterns) {
            if (pattern == QStringLiteral("*.*"))
                pattern = QStringLiteral("*");
        }
        // Qt reads the patterns from the last parentheses of an entry, and with the
        // filters' details hidden shows the text before them: the display text as it is.
        nameFilters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                           QLatin1Char(')');
    }
    return nameFilters;
}

void QtPlatform::notice(const QString& text)
{
    // No parent: the notice is centred on the screen.
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok);
    LabelButtons(box);
    box.exec();
}

Platform::Answer QtPlatform::ask(const QString& text, const QString& caption, Buttons buttons)
{
    QMessageBox box(QMessageBox::Warning, caption, text, StandardButtons(buttons), m_dialogParent);
    LabelButtons(box);
    if (buttons != Buttons::AddReplaceCancel)
        return AnswerOf(box.exec());
    LabelAddAndReplace(box);
    return AddOrReplace(AnswerOf(box.exec()));
}

void QtPlatform::showError(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, kTitle, message, QMessageBox::Ok, m_dialogParent);
    LabelButtons(box);
    box.exec();
}

std::optional<QString> QtPlatform::runFileDialog(Dialog dialog, const FileDialogSetup& setup)
{
    QFileDialog fileDialog(m_dialogParent, setup.title);
    fileDialog.setOption(QFileDialog::DontUseNativeDialog);
    fileDialog.setOption(QFileDialog::DontConfirmOverwrite);
    fileDialog.setFileMode(QFileDialog::AnyFile);
    fileDialog.setAcceptMode(dialog == Dialog::Save ? QFileDialog::AcceptSave
                                                    : QFileDialog::AcceptOpen);
    fileDialog.setOption(QFileDialog::HideNameFilterDetails);
    LabelFileDialog(fileDialog, dialog == Dialog::Save);
    // The dialogs show no side bar of places, only the folder and its files.
    if (auto* sidebar = fileDialog.findChild<QWidget*>(QStringLiteral("sidebar")))
        sidebar->hide();
    const QStringList nameFilters = NameFiltersFromPipeList(setup.filter);
    fileDialog.setNameFilters(nameFilters);
    qsizetype& chosenFilter = m_chosenFilter[static_cast<std::size_t>(dialog)];
    if (chosenFilter < nameFilters.size())
        fileDialog.selectNameFilter(nameFilters[chosenFilter]);

    // A preset without a folder starts in the current folder.
    const QFileInfo preset(setup.fileName);
    const bool hasFolder = preset.path() != QStringLiteral(".");
    fileDialog.setDirectory(hasFolder ? preset.absolutePath() : QDir::currentPath());
    fileDialog.selectFile(preset.fileName());

    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty())
        return std::nullopt;
    // The entry is found by its place: with the details hidden, Qt 6.4 names the chosen
    // entry by the text it shows rather than by its filter.
    const auto* entries = fileDialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    chosenFilter = entries ? std::max(0, entries->currentIndex()) : 0;
    return QDir::toNativeSeparators(
        WithDefaultExtension(fileDialog.selectedFiles().constFirst(), setup.defaultExtension));
}

qsizetype QtPlatform::chosenFilter(Dialog dialog) const
{
    return m_chosenFilter[static_cast<std::size_t>(dialog)];
}

std::optional<int> QtPlatform::chooseFromList(const ListChoice& choice)
{
    ListChoiceDialog dialog(choice, m_dialogParent);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenRow() < 0)
        return std::nullopt;
    return dialog.chosenRow();
}

void QtPlatform::startProcess(const QString& program, const QStringList& arguments)
{
    QProcess::startDetached(program, arguments);
}

void QtPlatform::openInTextViewer(const QString& file)
{
    const QString notepad = QStandardPaths::findExecutable(QString::fromUtf8(texts::kTextViewer));
    if (!notepad.isEmpty())
        QProcess::startDetached(notepad, {file});
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void QtPlatform::shellOpen(const QString& target, std::function<void()> whenNotOpened)
{
    const bool file = QFileInfo(target).isAbsolute();
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        const QUrl url = file ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
        if (!QDesktopServices::openUrl(url) && whenNotOpened)
            whenNotOpened();
        return;
    }
    // xdg-open is what Qt would start too, but only its exit status tells whether the desktop
    // had a program for the target (3 when it had none). It may run as long as the program it
    // started, so it is not waited for; without a parent it outlives this program's end.
    auto* process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const auto finish = [process, whenNotOpened](bool opened) {
        if (!opened && whenNotOpened)
            whenNotOpened();
        process->deleteLater();
    };
    // xdg-open ends with 2 when the target does not exist and 3 when no program handles it;
    // any other end, also a failure of the program it started, counts as opened.
    QObject::connect(process, &QProcess::finished, process,
                     [finish](int code, QProcess::ExitStatus status) {
                         finish(status != QProcess::NormalExit || (code != 2 && code != 3));
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [finish](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             finish(false);
                     });
    process->start(opener, {file ? target : QUrl::fromUserInput(target).toString()});
}

std::optional<PostcardRequest> QtPlatform::askPostcardOptions(int cardCount, int cardOnScreen)
{
    // The one setting the program keeps, in the user's settings under the program's name.
    QSettings settings(kTitle, kTitle);
    PostcardDialog dialog(settings, cardCount, cardOnScreen, m_dialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

} // namespace velm
