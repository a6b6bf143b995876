#pragma once

#include "print/PrintDesk.h"

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace velm::test
{

// The test double of the print dialogs: answers them from scripts queued by the test and
// records what was asked. A dialog that the test did not script fails the test instead of
// blocking.
class ScriptedPrintDesk final : public print::PrintDesk
{
  public:
    struct FileDialogRun {
        QString title;
        QString proposed;
        QString filter;
    };
    struct PrintDialogRun {
        QString docName;
        QString outputFileName;
        int lastPage = 0;
    };

    // Scripts. A print dialog acts on the printer as the user would and returns whether
    // the user pressed Print.
    std::deque<std::function<bool(QPrinter&)>> printDialogs;
    std::deque<std::optional<QString>> fileDialogResults;
    // The progress reports that the user cancels at this many pages done; -1: never.
    int cancelAt = -1;

    // Records.
    std::vector<PrintDialogRun> printDialogRuns;
    std::vector<FileDialogRun> fileDialogRuns;
    std::vector<QString> warnings;
    std::vector<int> progressTotals;
    std::vector<int> progressReports;

    bool choosePrinter(QPrinter& printer, int lastPage, QWidget* parent) override;
    std::optional<QString> chooseSavePath(const QString& title, const QString& proposed,
                                          const QString& filter, QWidget* parent) override;
    std::optional<QString> chooseOpenPath(const QString& title, const QString& filter,
                                          QWidget* parent) override;
    void warn(const QString& text, QWidget* parent) override;
    std::unique_ptr<print::Progress> startProgress(const QString& label, int total,
                                                   QWidget* parent) override;

  private:
    std::optional<QString> nextFileDialogResult(const FileDialogRun& run);
};

} // namespace velm::test
