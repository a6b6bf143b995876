#pragma once

#include "print/PagedDocument.h"
#include "sheets/PostcardBatch.h"

#include <vector>

namespace velm
{

// The address sides of a printing run as a paged document: one page of exactly one
// postcard per card, painted when the preview, the printer or the PDF asks for it.
class PostcardDocument final : public print::PagedDocument
{
  public:
    // `pages` holds at least one page; `name` names the print job and the PDF, `pdfPath` is
    // the PDF that saving proposes.
    PostcardDocument(std::vector<PostcardPage> pages, QString name, QString pdfPath);

    QString name() const override { return m_name; }
    QString pdfPath() const override { return m_pdfPath; }
    // A portrait page of 100 × 148 mm without margins.
    QPageLayout pageLayout() const override;
    int pageCount() const override { return static_cast<int>(m_pages.size()); }
    print::PrintedPages printedPages(int page) const override { return {page + 1, page + 1}; }
    void paintPage(QPainter& painter, int page) const override;

    // The card and its address side on page `page` (0-based).
    const PostcardPage& postcard(int page) const;

  private:
    std::vector<PostcardPage> m_pages;
    QString m_name;
    QString m_pdfPath;
};

} // namespace velm
