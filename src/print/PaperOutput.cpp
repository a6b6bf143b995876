#include "print/PaperOutput.h"

#include "print/ExactPdfPage.h"
#include "print/PrintDesk.h"

#include <QBuffer>
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

// Paints the pages in order, each but the first on a new page of the device, moved for
// the exact page size of a PDF when `exact` is given. False when the user cancelled.
bool PaintEach(QPainter& painter, QPagedPaintDevice& device, const PagedDocument& document,
               const std::vector<int>& pages, Progress* progress, const ExactPdfPage* exact)
{
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (progress && !progress->advance(static_cast<int>(i)))
            return false;
        if (i > 0)
            device.newPage();
        painter.save();
        if (exact)
            exact->shift(painter);
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

// Gives the pages of a PDF that the print dialog's Print to File wrote their exact size.
bool CorrectPdfFile(const QString& path, const ExactPdfPage& exact)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray pdf = file.readAll();
    exact.correct(pdf);
    return file.seek(0) && file.write(pdf) == pdf.size();
}

} // namespace

OutputResult WritePdf(const PagedDocument& document, const QString& path, Progress* progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return OutputResult::Failed;
    // The PDF is made in memory, so that its pages get their exact size before it is saved.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(document.pageLayout());
    writer.setTitle(document.name());
    writer.setCreator(QCoreApplication::applicationName());
    const ExactPdfPage exact(writer.pageLayout());
    QPainter painter;
    if (!painter.begin(&writer))
        return OutputResult::Failed;
    const bool finished =
        PaintEach(painter, writer, document, EveryPage(document), progress, &exact);
    painter.end();
    if (!finished) {
        file.cancelWriting();
        return OutputResult::Cancelled;
    }
    QByteArray pdf = buffer.buffer();
    exact.correct(pdf);
    if (file.write(pdf) != pdf.size()) {
        file.cancelWriting();
        return OutputResult::Failed;
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
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const ExactPdfPage exact(printer.pageLayout());
    QPainter painter;
    if (!painter.begin(&printer))
        return OutputResult::Failed;
    if (!PaintEach(painter, printer, document, pages, progress, toFile ? &exact : nullptr)) {
        printer.abort();
        painter.end();
        if (toFile)
            QFile::remove(printer.outputFileName());
        return OutputResult::Cancelled;
    }
    if (!painter.end() || (toFile && !CorrectPdfFile(printer.outputFileName(), exact)))
        return OutputResult::Failed;
    return OutputResult::Done;
}

} // namespace velm::print
