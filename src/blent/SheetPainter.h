#pragma once

#include "blent/PageLayout.h"
#include "blent/TextGrid.h"
#include "print/PaperScale.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRawFont>
#include <QString>
#include <vector>

class QPainter;

namespace velm::blent
{

// The text font, a Japanese fixed-pitch font (IPAGothic) where it is installed, and its
// measures in parts of its size.
struct SheetFont {
    QFont font;
    double halfAdvance = 0.5; // the advance of a half-width character
    double ascent = 0.88;
    double descent = 0.12;
};

SheetFont LoadSheetFont(const PrintFormat& format);

// Paints the parts of a text page on one device, in the places the layout gives them.
// Characters lie on the cell grid; box-drawing characters are drawn as strokes from cell
// edge to cell edge, so that rules join whatever the font, the spacing and the scale. A
// glyph wider than its cells is narrowed to fit them.
class SheetPainter
{
  public:
    SheetPainter(QPainter& painter, const SheetFont& font, const PageLayout& layout);

    // The file name at the left, the page number in the middle (or before the file name
    // when page numbers go to the left), the date at the right.
    void paintHeader(int slot, const QString& fileName, const QString& pageNumber,
                     const QString& date);
    void paintFooter(int slot, const QString& pageNumber);
    void paintLine(int slot, int line, const std::vector<PlacedChar>& chars);

  private:
    void paintStrokes(const std::vector<RectPt>& strokes);
    void paintNarrowed(double x, double width, double baseline, char32_t ch);
    void paintGlyphRun(const QString& glyphs, const QList<QPointF>& positions);
    void paintText(double x, double baseline, const QString& text);
    void paintCentred(int slot, double baseline, const QString& text);
    double advance(const QString& text) const;
    double ascent() const;
    // The room before a glyph of `cells` cells that centres it in them, for fixed-pitch
    // printing; else 0.
    double centring(int cells) const;

    QPainter& m_painter;
    const SheetFont& m_font;
    const PageLayout& m_layout;
    print::PaperScale m_scale;
    QFontMetricsF m_metrics;
    // Characters the font holds are drawn as one glyph run per line, which is quick and
    // keeps them as text in a PDF; the others go through the painter's font fallback.
    QRawFont m_rawFont;
};

} // namespace velm::blent
