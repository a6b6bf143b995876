#pragma once

#include <QString>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace velm::print
{

// The progress of a long print or PDF run, which the user may cancel.
class Progress
{
  public:
    virtual ~Progress() = default;
    // Reports that `done` pages are finished; false once the user has asked to cancel.
    virtual bool advance(int done) = 0;
};

// The dialogs that printing needs. The preview and the print tool call nothing else of the
// desktop for them, so that tests answer them with a scripted double.
class PrintDesk
{
  public:
    virtual ~PrintDesk() = default;

    // The system print dialog for printed pages 1 to `lastPage`. True when the user chose
    // to print; the choices (printer or file, page range, copies, collation) are left in
    // `printer`.
    virtual bool choosePrinter(QPrinter& printer, int lastPage, QWidget* parent) = 0;
    // A save dialog that proposes `proposed`; it asks before replacing a file. The chosen
    // path, or nothing when the user cancels.
    virtual std::optional<QString> chooseSavePath(const QString& title, const QString& proposed,
                                                  const QString& filter, QWidget* parent) = 0;
    // An open dialog for an existing file; the chosen path, or nothing.
    virtual std::optional<QString> chooseOpenPath(const QString& title, const QString& filter,
                                                  QWidget* parent) = 0;
    // A warning with one OK button.
    virtual void warn(const QString& text, QWidget* parent) = 0;
    // A progress bar with a cancel button over `total` pages, shown once a run takes long
    // enough for the user to notice.
    virtual std::unique_ptr<Progress> startProgress(const QString& label, int total,
                                                    QWidget* parent) = 0;
};

} // namespace velm::print
