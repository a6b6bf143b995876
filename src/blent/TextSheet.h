#pragma once

#include "blent/PageLayout.h"
#include "blent/Pagination.h"
#include "blent/SheetFile.h"
#include "blent/SheetPainter.h"
#include "blent/TextGrid.h"
#include "print/PagedDocument.h"

#include <QDate>
#include <memory>
#include <variant>
#include <vector>

namespace velm::blent
{

// A Shift-JIS text laid out on paper as its format says: the print tool's document. The
// text is cut into lines and pages once; a page's characters are found and painted only
// when the page is painted.
class TextSheet final : public print::PagedDocument
{
  public:
    // More pages than this are refused: no sheet of the program comes near it, and a text
    // that would take more is not meant for paper.
    static constexpr int kMaxPages = 2000;

    // Lays out the file's text, headed with `date`; or a message that names the values at
    // fault when the format leaves no room for a line on the paper or the text would take
    // more than kMaxPages pages.
    static std::variant<std::unique_ptr<TextSheet>, QString> create(SheetFile file, QDate date);

    QString name() const override;
    QString pdfPath() const override;
    QPageLayout pageLayout() const override;
    bool twoSided() const override;
    int pageCount() const override;
    print::PrintedPages printedPages(int page) const override;
    void paintPage(QPainter& painter, int page) const override;

    const PrintFormat& format() const { return m_file.format; }
    const PageLayout& layout() const { return m_layout; }
    int printedPageCount() const { return static_cast<int>(m_pages.size()); }

  private:
    TextSheet(SheetFile file, SheetFont font, const PageLayout& layout, QDate date);

    void paintTextPage(SheetPainter& painter, int slot, int index) const;

    SheetFile m_file;
    SheetFont m_font;
    PageLayout m_layout;
    GridOptions m_grid;
    std::vector<GridLine> m_lines;
    std::vector<TextPage> m_pages;
    QString m_date;
};

} // namespace velm::blent
