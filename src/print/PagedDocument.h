#pragma once

#include <QPageLayout>
#include <QString>

class QPainter;

namespace velm::print
{

// The page numbers printed on one page of paper: one, or two when the document puts two
// pages on the halves of each sheet.
struct PrintedPages {
    int first = 1;
    int last = 1;

    friend bool operator==(const PrintedPages&, const PrintedPages&) = default;
};

// A document that the preview shows, prints and writes as PDF: pages of one paper size,
// each painted when it is needed. A page here is one side of paper (one PDF page); the
// numbers printed on it are its printed pages.
class PagedDocument
{
  public:
    virtual ~PagedDocument() = default;

    // The name the print job and the PDF carry, e.g. the file name.
    virtual QString name() const = 0;
    // The PDF that saving proposes: the document's own folder and name, with ".pdf".
    virtual QString pdfPath() const = 0;
    // The paper and its orientation, with zero margins: pages are painted from the paper's
    // top-left corner.
    virtual QPageLayout pageLayout() const = 0;
    // True when the document asks to be printed on both sides of the paper.
    virtual bool twoSided() const { return false; }

    // At least one page.
    virtual int pageCount() const = 0;
    virtual PrintedPages printedPages(int page) const = 0;
    // Paints page `page` (0-based). The painter is active on a device that shows the whole
    // paper at the device's logical resolution, origin in the paper's top-left corner.
    virtual void paintPage(QPainter& painter, int page) const = 0;
};

} // namespace velm::print
