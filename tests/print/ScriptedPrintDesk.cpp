#include "ScriptedPrintDesk.h"

#include <QPrinter>
#include <gtest/gtest.h>

namespace velm::test
{
namespace
{

class RecordedProgress final : public print::Progress
{
  public:
    explicit RecordedProgress(ScriptedPrintDesk& desk) : m_desk(desk) {}

    bool advance(int done) override
    {
        m_desk.progressReports.push_back(done);
        return done != m_desk.cancelAt;
    }

  private:
    ScriptedPrintDesk& m_desk;
};

} // namespace

bool ScriptedPrintDesk::choosePrinter(QPrinter& printer, int lastPage, QWidget*)
{
    printDialogRuns.push_back({printer.docName(), printer.outputFileName(), lastPage});
    if (printDialogs.empty()) {
        ADD_FAILURE() << "unscripted print dialog";
        return false;
    }
    const auto dialog = std::move(printDialogs.front());
    printDialogs.pop_front();
    return dialog(printer);
}

std::optional<QString> ScriptedPrintDesk::chooseSavePath(const QString& title,
                                                         const QString& proposed,
                                                         const QString& filter, QWidget*)
{
    return nextFileDialogResult({title, proposed, filter});
}

std::optional<QString> ScriptedPrintDesk::chooseOpenPath(const QString& title,
                                                         const QString& filter, QWidget*)
{
    return nextFileDialogResult({title, QString(), filter});
}

std::optional<QString> ScriptedPrintDesk::nextFileDialogResult(const FileDialogRun& run)
{
    fileDialogRuns.push_back(run);
    if (fileDialogResults.empty()) {
        ADD_FAILURE() << "unscripted file dialog " << run.title.toStdString();
        return std::nullopt;
    }
    const std::optional<QString> result = fileDialogResults.front();
    fileDialogResults.pop_front();
    return result;
}

void ScriptedPrintDesk::warn(const QString& text, QWidget*)
{
    warnings.push_back(text);
}

std::unique_ptr<print::Progress> ScriptedPrintDesk::startProgress(const QString&, int total,
                                                                  QWidget*)
{
    progressTotals.push_back(total);
    return std::make_unique<RecordedProgress>(*this);
}

} // namespace velm::test
