#pragma once

#include "app/Platform.h"
#include "print/PrintDesk.h"

#include <functional>
#include <vector>

namespace velm
{

// Print dialogs that the benchmarks never open: every dialog is cancelled and every
// warning kept, so that a run can tell whether one appeared.
class SilentPrintDesk final : public print::PrintDesk
{
  public:
    std::vector<QString> warnings;

    bool choosePrinter(QPrinter&, int, QWidget*) override { return false; }
    std::optional<QString> chooseSavePath(const QString&, const QString&, const QString&,
                                          QWidget*) override
    {
        return std::nullopt;
    }
    std::optional<QString> chooseOpenPath(const QString&, const QString&, QWidget*) override
    {
        return std::nullopt;
    }
    void warn(const QString& text, QWidget*) override { warnings.push_back(text); }
    std::unique_ptr<print::Progress> startProgress(const QString&, int, QWidget*) override
    {
        return nullptr;
    }
};

// A desktop that shows nothing: every question and dialog is cancelled, and the texts of
// notices and error dialogs are kept so that a run can tell whether any appeared.
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
    qsizetype chosenFilter(Dialog) const override { return 0; }
    std::optional<int> chooseFromList(const ListChoice&) override { return std::nullopt; }
    void startProcess(const QString&, const QStringList&) override {}
    void openInTextViewer(const QString&) override {}
    void shellOpen(const QString&, std::function<void()>) override {}
    std::optional<PostcardRequest> askPostcardOptions(int, int) override { return std::nullopt; }
    print::PrintDesk& printDesk() override { return m_printDesk; }

  private:
    SilentPrintDesk m_printDesk;
};

} // namespace velm
