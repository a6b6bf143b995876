#pragma once

#include "blent/PrintDocument.h"

#include <QDate>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <string>

class QPagedPaintDevice;
class QPrinter;

namespace velm::blent
{

// The paper of a Windows paper code; codes it does not know give A4.
QPageSize PaperForCode(int paperCode);

// The paper, orientation and zero margins of `format`: the renderer places everything
// itself, measured from the paper's corner.
QPageLayout PageLayoutFor(const PrintFormat& format);

// A printer set up for the format: paper, orientation, full-page coordinates, and the
// duplex setting for two-sided printing.
void ConfigurePrinter(QPrinter& printer, const PrintFormat& format);

// The text font: a Japanese fixed-pitch font (IPAGothic) when installed.
QFont TextFont(const PrintFormat& format);

// Draws a document page by page on a printer or a PDF writer, using the paper that the
// device holds, which may differ from the format's when the user chose another one.
class SheetRenderer
{
  public:
    SheetRenderer(const PrintDocument& document, QDate date);

    // False when painting on the device cannot start (for instance an output file that
    // cannot be created).
    bool Render(QPagedPaintDevice& device) const;

  private:
    const PrintDocument& m_document;
    QString m_fileName;
    QString m_date;
};

// Writes the document's pages to a PDF file; false when the file cannot be written.
bool WritePdf(const PrintDocument& document, const std::string& outPath, QDate date);

} // namespace velm::blent
