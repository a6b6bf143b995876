#pragma once

#include "app/Platform.h"

#include <vector>

namespace velm
{

// A desktop that shows nothing: every question and file dialog is cancelled, and the texts
// of notices and error dialogs are kept so that a run can tell whether any appeared.
class QuietPlatform final : public Platform
{
  public:
    std::vector<QString> messages;

    void notice(const QString& text) override { messages.push_back(text); }
    Answer ask(const QString& text, const QString&, Buttons buttons) override
    {
        messages.push_back(text);
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    void showError(const QString& message) override { messages.push_back(message); }
    std::optional<QString> runFileDialog(Dialog, const FileDialogSetup&) override
    {
        return std::nullopt;
    }
    std::optional<int> chooseFromList(const ListChoice&) override { return std::nullopt; }
    void startProcess(const QString&, const QStringList&) override {}
    void openInTextViewer(const QString&) override {}
    void shellOpen(const QString&) override {}
};

} // namespace velm
