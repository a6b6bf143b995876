#pragma once

#include "sheets/PostcardBatch.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace velm::print
{
class PrintDesk;
} // namespace velm::print

namespace velm
{

// The program's doors to the desktop: message boxes, file dialogs, the error dialog, the
// postcard dialog, the dialogs of printing, starting processes and opening files or
// addresses. The windows call nothing else of the
// desktop, so tests drive them through a scripted double and no modal dialog ever blocks.
class Platform
{
  public:
    // AddReplaceCancel asks whether cards are added to those there are or replace them.
    enum class Buttons { YesNo, OkCancel, YesNoCancel, AddReplaceCancel };
    enum class Answer { Yes, No, Ok, Cancel, Add, Replace };

    // The two file dialogs of the main window. Each remembers the filter entry chosen last.
    enum class Dialog { Open, Save };

    struct FileDialogSetup {
        QString title;
        // Display texts and patterns alternate, separated by "|", e.g.
        // "住所録(*.txt)|*.txt|すべてのファイル(*.*)|*.*".
        QString filter;
        // Added, after a full stop, to a chosen name that has no extension and names no
        // existing file.
        QString defaultExtension;
        // A full path, or a bare name that the dialog shows in the current folder.
        QString fileName;
    };

    // A list of rows to choose one from, each row a cell per column.
    struct ListChoice {
        QString title;
        QString prompt;
        QStringList headings;
        std::vector<QStringList> rows;
    };

    virtual ~Platform() = default;

    // A notice: the text, one OK button, no icon, the caption "VELM", centred on the screen.
    virtual void notice(const QString& text) = 0;

    // A question with the exclamation icon and a fixed caption; Esc or the close box answer
    // Cancel (or No where there is no Cancel).
    virtual Answer ask(const QString& text, const QString& caption, Buttons buttons) = 0;

    // The error dialog of a failed command: caption "VELM", error icon, one OK button.
    virtual void showError(const QString& message) = 0;

    // Runs a file dialog; the chosen full path, or nothing when the user cancels. Neither
    // dialog insists that the file exists nor asks about overwriting.
    virtual std::optional<QString> runFileDialog(Dialog dialog, const FileDialogSetup& setup) = 0;

    // The filter entry, counted from 0, that the user chose when `dialog` last ran.
    virtual qsizetype chosenFilter(Dialog dialog) const = 0;
    // Shows the rows in a modal dialog with OK and Cancel, the first row chosen; the index
    // of the row chosen, or nothing when the user cancels.
    virtual std::optional<int> chooseFromList(const ListChoice& choice) = 0;

    // Starts a program from its exact path with the given arguments, without waiting; a
    // failure to start is not reported.
    virtual void startProcess(const QString& program, const QStringList& arguments) = 0;

    // Shows a text file in the system's text viewer: Notepad where there is one on the
    // search path, otherwise the desktop's default application for the file.
    virtual void openInTextViewer(const QString& file) = 0;

    // Opens a file or web address with the desktop's default application. When nothing opens
    // it, `whenNotOpened` runs (if given), at once or once the desktop has said so. A program
    // that fails after the desktop started it is not seen.
    virtual void shellOpen(const QString& target, std::function<void()> whenNotOpened) = 0;

    // The options of 宛名印刷 in its dialog, which keeps the offset in the user's settings:
    // `cardCount` cards are in the store and the card numbered `cardOnScreen` is on screen.
    // Nothing when the user cancels.
    virtual std::optional<PostcardRequest> askPostcardOptions(int cardCount, int cardOnScreen) = 0;

    // The print dialog, the PDF's save dialog, progress and warnings of the print preview.
    virtual print::PrintDesk& printDesk() = 0;
};

} // namespace velm
