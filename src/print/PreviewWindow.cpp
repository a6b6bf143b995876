#include "print/PreviewWindow.h"

#include "print/PageView.h"
#include "print/PaperOutput.h"
#include "print/PrintDesk.h"
#include "print/PrintTexts.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>

namespace velm::print
{
namespace
{

constexpr double kZoomStep = 1.25;

} // namespace

QString CounterText(PrintedPages shown, int lastPage)
{
    const QString pages = shown.first == shown.last
                              ? QString::number(shown.first)
                              : texts::kPageSpan.arg(shown.first).arg(shown.last);
    return texts::kCounter.arg(pages).arg(lastPage);
}

PreviewWindow::PreviewWindow(std::unique_ptr<const PagedDocument> document, PrintDesk& desk,
                             const QString& title, QWidget* parent)
    : QMainWindow(parent), m_document(std::move(document)), m_desk(desk),
      m_view(new PageView(*m_document, this))
{
    setWindowTitle(title);
    setCentralWidget(m_view);
    buildToolBar();
    showCounter();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::buildToolBar()
{
    QToolBar* bar = addToolBar(windowTitle());
    bar->setMovable(false);
    const auto add = [this, bar](const QString& text, QKeySequence::StandardKey key, auto handler) {
        QAction* action = bar->addAction(text);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
    };
    add(texts::kPreviousPage, QKeySequence::MoveToPreviousPage,
        [this] { goToPage(m_view->currentPage() - 1); });
    m_counter = new QLabel(bar);
    m_counter->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(m_counter);
    add(texts::kNextPage, QKeySequence::MoveToNextPage,
        [this] { goToPage(m_view->currentPage() + 1); });
    bar->addSeparator();
    add(texts::kWholePage, QKeySequence::UnknownKey, [this] { m_view->fitPage(); });
    add(texts::kFitWidth, QKeySequence::UnknownKey, [this] { m_view->fitWidth(); });
    add(texts::kZoomIn, QKeySequence::ZoomIn, [this] { m_view->zoomBy(kZoomStep); });
    add(texts::kZoomOut, QKeySequence::ZoomOut, [this] { m_view->zoomBy(1 / kZoomStep); });
    bar->addSeparator();
    add(texts::kPrint, QKeySequence::Print, &PreviewWindow::print);
    add(texts::kSavePdf, QKeySequence::Save, &PreviewWindow::saveAsPdf);
}

void PreviewWindow::showCounter()
{
    const int lastPage = m_document->printedPages(m_document->pageCount() - 1).last;
    m_counter->setText(CounterText(m_document->printedPages(m_view->currentPage()), lastPage));
}

void PreviewWindow::goToPage(int page)
{
    m_view->setCurrentPage(page);
    showCounter();
}

void PreviewWindow::print()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PreparePrinter(*m_printer, *m_document);
    const int lastPage = m_document->printedPages(m_document->pageCount() - 1).last;
    if (!m_desk.choosePrinter(*m_printer, lastPage, this))
        return;
    const std::vector<int> pages = PagesToSend(PrintedPagesOf(*m_document), ChoiceOf(*m_printer));
    const auto progress =
        m_desk.startProgress(texts::kPrinting, static_cast<int>(pages.size()), this);
    finishOutput(PrintPages(*m_document, *m_printer, pages, progress.get()), texts::kPrintFailed);
}

void PreviewWindow::saveAsPdf()
{
    const auto path =
        m_desk.chooseSavePath(texts::kSavePdf, m_document->pdfPath(), texts::kPdfFilter, this);
    if (!path)
        return;
    const auto progress = m_desk.startProgress(texts::kWritingPdf, m_document->pageCount(), this);
    const OutputResult result = WritePdf(*m_document, *path, progress.get());
    // A PDF written without a word would leave the user wondering whether it was.
    if (result == OutputResult::Done)
        statusBar()->showMessage(texts::kPdfSaved.arg(QDir::toNativeSeparators(*path)));
    finishOutput(result, texts::kPdfFailed.arg(*path));
}

void PreviewWindow::finishOutput(OutputResult result, const QString& failure)
{
    if (result == OutputResult::Failed)
        m_desk.warn(failure, this);
    else if (result == OutputResult::Done && m_afterOutput)
        m_afterOutput();
}

} // namespace velm::print
