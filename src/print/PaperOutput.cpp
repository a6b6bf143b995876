#include "print/PaperOutput.h"

#include "print/PrintDesk.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageRanges>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace velm::print
{
namespace
{

// Paints the pages in order, each but the first on a new page of the device. False when
// the user cancelled.
bool PaintEach(QPainter& painter, QPagedPaintDevice& device, const PagedDocument& document,
               const std::vector<int>& pages, Progress* progress)
{
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (progress && !progress->advance(static_cast<int>(i)))
            return false;
        if (i > 0)
            device.newPage();
        painter.save();
        document.paintPage(painter, pages[i]);
        painter.restore();
    }
    if (progress)
        progress->advance(static_cast<int>(pages.size()));
    return true;
}

std::vector<int> EveryPage(const PagedDocument& document)
{
    return PagesToSend(PrintedPagesOf(document), PageChoice{});
}

} // namespace

OutputResult WritePdf(const PagedDocument& document, const QString& path, Progress* progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return OutputResult::Failed;
    QPdfWriter writer(&file);
    writer.setPageLayout(document.pageLayout());
    writer.setTitle(document.name());
    writer.setCreator(QCoreApplication::applicationName());
    QPainter painter;
    if (!painter.begin(&writer))
        return OutputResult::Failed;
    const bool finished = PaintEach(painter, writer, document, EveryPage(document), progress);
    painter.end();
    if (!finished) {
        file.cancelWriting();
        return OutputResult::Cancelled;
    }
    return file.commit() ? OutputResult::Done : OutputResult::Failed;
}

void PreparePrinter(QPrinter& printer, const PagedDocument& document)
{
    printer.setDocName(document.name());
    printer.setFullPage(true);
    printer.setPageLayout(document.pageLayout());
    printer.setDuplex(document.twoSided() ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return;
    // Naming a PDF switches the printer to Print to File; switching back to the native
    // format keeps the name for the dialog's file field.
    printer.setOutputFileName(document.pdfPath());
    printer.setOutputFormat(QPrinter::NativeFormat);
}

PageChoice ChoiceOf(const QPrinter& printer)
{
    PageChoice choice;
    if (printer.printRange() == QPrinter::PageRange) {
        for (const QPageRanges::Range& range : printer.pageRanges().toRangeList())
            choice.spans.push_back({range.from, range.to});
    }
    choice.copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    choice.collate = printer.collateCopies();
    choice.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    return choice;
}

OutputResult PrintPages(const PagedDocument& document, QPrinter& printer,
                        const std::vector<int>& pages, Progress* progress)
{
    // A printer chosen in the dialog prints on paper, not into the proposed PDF.
    if (printer.outputFormat() == QPrinter::NativeFormat)
        printer.setOutputFileName(QString());
    QPainter painter;
    if (!painter.begin(&printer))
        return OutputResult::Failed;
    if (!PaintEach(painter, printer, document, pages, progress)) {
        printer.abort();
        painter.end();
        if (printer.outputFormat() == QPrinter::PdfFormat)
            QFile::remove(printer.outputFileName());
        return OutputResult::Cancelled;
    }
    return painter.end() ? OutputResult::Done : OutputResult::Failed;
}

} // namespace velm::print
