#pragma once

#include "print/PagedDocument.h"
#include "print/PaperOutput.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QLabel;
class QPrinter;

namespace velm::print
{

class PageView;
class PrintDesk;

// The print preview of a document: page by page as it comes out of the printer, with page
// navigation, zoom, printing through the system print dialog and saving as PDF. The
// counter shows the printed page numbers of the page on screen.
class PreviewWindow : public QMainWindow
{
  public:
    PreviewWindow(std::unique_ptr<const PagedDocument> document, PrintDesk& desk,
                  const QString& title, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    const PagedDocument& document() const { return *m_document; }

    void goToPage(int page);
    void print();
    void saveAsPdf();

    // Runs after each print or PDF that was completed, e.g. to tell the user about the run.
    void setAfterOutput(std::function<void()> afterOutput)
    {
        m_afterOutput = std::move(afterOutput);
    }

  private:
    void buildToolBar();
    void showCounter();
    // Warns with `failure` when the run failed, and runs the after-output step when it was
    // completed.
    void finishOutput(OutputResult result, const QString& failure);

    std::unique_ptr<const PagedDocument> m_document;
    PrintDesk& m_desk;
    // Made on the first print, since finding the printers can take a moment.
    std::unique_ptr<QPrinter> m_printer;
    PageView* m_view = nullptr;
    QLabel* m_counter = nullptr;
    std::function<void()> m_afterOutput;
};

// "3 / 12", or "5-6 / 12" for a page that holds two printed pages.
QString CounterText(PrintedPages shown, int lastPage);

} // namespace velm::print
