#include "print/QtPrintDesk.h"

#include "print/PrintTexts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <utility>

namespace velm::print
{
namespace
{

// A run shorter than this shows no progress window.
constexpr int kProgressDelayMs = 300;

std::optional<QString> Chosen(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

class DialogProgress final : public Progress
{
  public:
    DialogProgress(const QString& label, const QString& caption, int total, QWidget* parent)
        : m_dialog(label, texts::kCancel, 0, total, parent)
    {
        m_dialog.setWindowTitle(caption);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(kProgressDelayMs);
    }

    // A window-modal progress dialog handles the pending events when its value changes,
    // so a click on its cancel button is seen here.
    bool advance(int done) override
    {
        m_dialog.setValue(done);
        return !m_dialog.wasCanceled();
    }

  private:
    QProgressDialog m_dialog;
};

} // namespace

QtPrintDesk::QtPrintDesk(QString caption) : m_caption(std::move(caption)) {}

bool QtPrintDesk::choosePrinter(QPrinter& printer, int lastPage, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, lastPage);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtPrintDesk::chooseSavePath(const QString& title, const QString& proposed,
                                                   const QString& filter, QWidget* parent)
{
    return Chosen(QFileDialog::getSaveFileName(parent, title, proposed, filter));
}

std::optional<QString> QtPrintDesk::chooseOpenPath(const QString& title, const QString& filter,
                                                   QWidget* parent)
{
    return Chosen(QFileDialog::getOpenFileName(parent, title, QString(), filter));
}

void QtPrintDesk::warn(const QString& text, QWidget* parent)
{
    QMessageBox::warning(parent, m_caption, text);
}

std::unique_ptr<Progress> QtPrintDesk::startProgress(const QString& label, int total,
                                                     QWidget* parent)
{
    return std::make_unique<DialogProgress>(label, m_caption, total, parent);
}

} // namespace velm::print
