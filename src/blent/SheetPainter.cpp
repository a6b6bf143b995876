#include "blent/SheetPainter.h"

#include "blent/BoxDrawing.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QPainter>

namespace velm::blent
{
namespace
{

// Fonts are measured at a size large enough that hinting rounds nothing that matters.
constexpr int kMeasuringPixels = 1000;
// The gap between the file name and the date when both share the header.
constexpr double kHeaderGapEm = 2;

QFont TextFont(const PrintFormat& format)
{
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(format.fontSizePt);
    font.setBold(format.bold);
    return font;
}

} // namespace

SheetFont LoadSheetFont(const PrintFormat& format)
{
    SheetFont sheetFont{TextFont(format)};
    QFont large = sheetFont.font;
    large.setPixelSize(kMeasuringPixels);
    const QFontMetricsF metrics(large);
    sheetFont.halfAdvance = metrics.horizontalAdvance(QLatin1Char('0')) / kMeasuringPixels;
    sheetFont.ascent = metrics.ascent() / kMeasuringPixels;
    sheetFont.descent = metrics.descent() / kMeasuringPixels;
    return sheetFont;
}

SheetPainter::SheetPainter(QPainter& painter, const SheetFont& font, const PageLayout& layout)
    : m_painter(painter), m_font(font), m_layout(layout),
      m_scale(print::PaperScale::of(*painter.device())), m_metrics(font.font, painter.device())
{
    m_painter.setFont(font.font);
    m_painter.setPen(Qt::black);
    // A glyph run draws the font's own outlines, which carry no synthetic bold.
    if (!font.font.bold()) {
        m_rawFont = QRawFont::fromFont(font.font);
        m_rawFont.setPixelSize(layout.fontSize() * m_scale.y);
    }
}

void SheetPainter::paintHeader(int slot, const QString& fileName, const QString& pageNumber,
                               const QString& date)
{
    const double baseline = m_layout.headerTop(slot) + ascent();
    QString left = fileName;
    if (!pageNumber.isEmpty() && m_layout.format().pageNumberAtLeft)
        left = left.isEmpty() ? pageNumber : pageNumber + QStringLiteral("  ") + left;
    else if (!pageNumber.isEmpty())
        paintCentred(slot, baseline, pageNumber);
    const double dateLeft = m_layout.textRight(slot) - advance(date);
    const double room = dateLeft - m_layout.textLeft(slot) - kHeaderGapEm * m_layout.fontSize();
    left = m_metrics.elidedText(left, Qt::ElideMiddle, std::max(0.0, room) * m_scale.x);
    paintText(m_layout.textLeft(slot), baseline, left);
    paintText(dateLeft, baseline, date);
}

void SheetPainter::paintFooter(int slot, const QString& pageNumber)
{
    const double baseline = m_layout.footerTop(slot) + ascent();
    if (m_layout.format().pageNumberAtLeft)
        paintText(m_layout.textLeft(slot), baseline, pageNumber);
    else
        paintCentred(slot, baseline, pageNumber);
}

void SheetPainter::paintLine(int slot, int line, const std::vector<PlacedChar>& chars)
{
    const double top = m_layout.lineTop(slot, line);
    const double baseline = top + ascent();
    // The horizontal rules run through the middle of the glyphs' height.
    const double middle = top + (m_font.ascent + m_font.descent) / 2 * m_layout.fontSize();
    QString glyphs;
    QList<QPointF> positions;
    for (const PlacedChar& placed : chars) {
        const double x = m_layout.columnX(slot, placed.column);
        const double width = placed.cells * m_layout.cellWidth();
        if (const auto arms = BoxArmsOf(placed.ch)) {
            const RectPt cell{x, top, width, m_layout.linePitch()};
            paintStrokes(BoxStrokes(*arms, cell, middle, m_layout.fontSize()));
        } else if (placed.ch <= 0xFFFF && m_rawFont.isValid() &&
                   m_rawFont.supportsCharacter(placed.ch)) {
            glyphs += QChar(static_cast<char16_t>(placed.ch));
            positions.push_back(m_scale.at(x + centring(placed.cells), baseline));
        } else {
            paintNarrowed(x, width, baseline, placed.ch);
        }
    }
    paintGlyphRun(glyphs, positions);
}

void SheetPainter::paintStrokes(const std::vector<RectPt>& strokes)
{
    for (const RectPt& stroke : strokes)
        m_painter.fillRect(m_scale.rect(stroke.left, stroke.top, stroke.width, stroke.height),
                           Qt::black);
}

void SheetPainter::paintNarrowed(double x, double width, double baseline, char32_t ch)
{
    const QString text = QString::fromUcs4(&ch, 1);
    const double natural = advance(text);
    if (natural <= width) {
        paintText(x + (width - natural) / 2, baseline, text);
        return;
    }
    m_painter.save();
    m_painter.translate(m_scale.at(x, baseline));
    m_painter.scale(width / natural, 1);
    m_painter.drawText(QPointF(0, 0), text);
    m_painter.restore();
}

void SheetPainter::paintGlyphRun(const QString& glyphs, const QList<QPointF>& positions)
{
    if (glyphs.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(m_rawFont);
    run.setGlyphIndexes(m_rawFont.glyphIndexesForString(glyphs));
    run.setPositions(positions);
    m_painter.drawGlyphRun(QPointF(0, 0), run);
}

void SheetPainter::paintText(double x, double baseline, const QString& text)
{
    m_painter.drawText(m_scale.at(x, baseline), text);
}

void SheetPainter::paintCentred(int slot, double baseline, const QString& text)
{
    const RectPt area = m_layout.pageArea(slot);
    paintText(area.left + (area.width - advance(text)) / 2, baseline, text);
}

double SheetPainter::advance(const QString& text) const
{
    return m_metrics.horizontalAdvance(text) / m_scale.x;
}

double SheetPainter::ascent() const
{
    return m_font.ascent * m_layout.fontSize();
}

double SheetPainter::centring(int cells) const
{
    if (!m_layout.format().glyphsCentredInCells)
        return 0;
    return cells * (m_layout.cellWidth() - m_font.halfAdvance * m_layout.fontSize()) / 2;
}

} // namespace velm::blent
