#pragma once

#include "app/Platform.h"
#include "print/ScriptedPrintDesk.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

namespace velm
{

// The test double of the platform layer: answers questions and file dialogs from scripts
// queued by the test and records everything the windows asked of the desktop. A question
// or dialog that the test did not script fails the test instead of blocking.
class ScriptedPlatform final : public Platform
{
  public:
    struct Question {
        QString text;
        QString caption;
        Buttons buttons;
    };
    struct DialogRun {
        Dialog dialog;
        FileDialogSetup setup;
    };
    struct ProcessStart {
        QString program;
        QStringList arguments;
    };
    struct PostcardDialogRun {
        int cardCount = 0;
        int cardOnScreen = 0;
    };

    // Scripts.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> dialogResults;
    // The filter entry the user chose in every file dialog.
    qsizetype filterChoice = 0;
    // The postcard dialog's answers: the request, or nothing for Cancel.
    std::deque<std::optional<PostcardRequest>> postcardAnswers;
    // The dialogs of the print preview.
    test::ScriptedPrintDesk printing;
    // Row indexes, or nothing for Cancel.
    std::deque<std::optional<int>> listAnswers;
    // Whether the desktop has a program that opens what shellOpen is given.
    bool shellOpenFindsAProgram = true;

    // Records.
    std::vector<QString> notices;
    std::vector<Question> questions;
    std::vector<QString> errors;
    std::vector<DialogRun> dialogs;
    std::vector<ListChoice> lists;
    std::vector<ProcessStart> processes;
    std::vector<QString> textViewerFiles;
    std::vector<QString> shellOpens;
    std::vector<PostcardDialogRun> postcardDialogs;

    void notice(const QString& text) override;
    Answer ask(const QString& text, const QString& caption, Buttons buttons) override;
    void showError(const QString& message) override;
    std::optional<QString> runFileDialog(Dialog dialog, const FileDialogSetup& setup) override;
    qsizetype chosenFilter(Dialog) const override { return filterChoice; }
    std::optional<int> chooseFromList(const ListChoice& choice) override;
    void startProcess(const QString& program, const QStringList& arguments) override;
    void openInTextViewer(const QString& file) override;
    void shellOpen(const QString& target, std::function<void()> whenNotOpened) override;
    std::optional<PostcardRequest> askPostcardOptions(int cardCount, int cardOnScreen) override;
    print::PrintDesk& printDesk() override { return printing; }
};

// Expects that exactly one question was asked: `text` under `caption` with `buttons`.
void ExpectOneQuestion(const ScriptedPlatform& platform, const QString& text,
                       const QString& caption, Platform::Buttons buttons);

} // namespace velm
