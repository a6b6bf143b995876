#pragma once

#include "sheets/FormatSettings.h"

namespace velm::blent
{

// Sizes and positions in points (1/72 inch), measured from the top-left corner of the
// paper as it lies in its orientation.
struct SizePt {
    double width = 0;
    double height = 0;
};

struct RectPt {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// Where the pages of a format go on a sheet of paper. A sheet holds one page, or two
// with two pages per sheet (the fold-bound setting): the sheet is then halved across its
// longer side, top and bottom half in portrait, left and right in landscape, so that
// folding it in the middle gives a booklet leaf with a page on each face. Each page area
// has its own margins, header and footer.
//
// Text lies on a grid: a column is one half-width cell, the font's half-width advance
// widened or narrowed by the character spacing; a line is the font size widened or
// narrowed by the line spacing. The grid never depends on the glyphs drawn, so box
// drawing lines up with any font.
class PageLayout
{
  public:
    // The paper border that printers leave blank; the right and bottom text edge.
    static constexpr double kEdgeMarginMm = 5;

    PageLayout(const PrintFormat& format, SizePt paper, double halfAdvancePt);

    const PrintFormat& format() const { return m_format; }
    int pagesPerSheet() const { return m_format.twoPagesPerSheet ? 2 : 1; }
    // The area of page `slot` (0 or 1) on its sheet.
    RectPt pageArea(int slot) const;

    double cellWidth() const { return m_cellWidth; }
    double linePitch() const { return m_linePitch; }
    double fontSize() const { return m_format.fontSizePt; }

    // The lines that fit between the header and the bottom edge; 0 when not even one does.
    int linesThatFit() const { return m_linesThatFit; }
    // The cells that fit between the left margin and the right edge; 0 when not one does.
    int columnsThatFit() const { return m_columnsThatFit; }
    // The lines per page: the format's count, but never more than fit.
    int linesPerPage() const { return m_linesPerPage; }
    // Where a line wraps: the cells that fit, or 0 when the format does not wrap.
    int wrapColumns() const { return m_format.wrapAtRightEdge ? m_columnsThatFit : 0; }

    bool hasHeader() const;
    bool hasFooter() const;

    // The left edge of the text in page area `slot`, and the x of a grid column there.
    double textLeft(int slot) const;
    double columnX(int slot, int column) const { return textLeft(slot) + column * m_cellWidth; }
    // The right edge of the header and footer texts.
    double textRight(int slot) const;

    // The top of the header line, of text line `line` (0-based on its page), and of the
    // footer line.
    double headerTop(int slot) const;
    double lineTop(int slot, int line) const;
    double footerTop(int slot) const;

  private:
    double bodyTop(int slot) const;
    double headerBand() const;
    double footerBand() const;
    int countLinesThatFit() const;
    int countColumnsThatFit() const;

    PrintFormat m_format;
    SizePt m_paper;
    double m_cellWidth = 0;
    double m_linePitch = 0;
    int m_linesThatFit = 0;
    int m_columnsThatFit = 0;
    int m_linesPerPage = 0;
};

// Lengths in points (1/72 inch) and millimetres.
double MmToPt(double mm);
double PtToMm(double pt);

} // namespace velm::blent
