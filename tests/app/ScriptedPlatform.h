#pragma once

#include "app/Platform.h"

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

    // Scripts.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> dialogResults;

    // Records.
    std::vector<QString> notices;
    std::vector<Question> questions;
    std::vector<QString> errors;
    std::vector<DialogRun> dialogs;
    std::vector<ProcessStart> processes;
    std::vector<QString> textViewerFiles;
    std::vector<QString> shellOpens;

    void notice(const QString& text) override;
    Answer ask(const QString& text, const QString& caption, Buttons buttons) override;
    void showError(const QString& message) override;
    std::optional<QString> runFileDialog(Dialog dialog, const FileDialogSetup& setup) override;
    void startProcess(const QString& program, const QStringList& arguments) override;
    void openInTextViewer(const QString& file) override;
    void shellOpen(const QString& target) override;
};

// Expects that exactly one question was asked: `text` under `caption` with `buttons`.
void ExpectOneQuestion(const ScriptedPlatform& platform, const QString& text,
                       const QString& caption, Platform::Buttons buttons);

} // namespace velm
