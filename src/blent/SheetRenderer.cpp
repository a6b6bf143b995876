#include "blent/SheetRenderer.h"

#include "blent/PageLayout.h"
#include "blent/TextGrid.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <array>
#include <utility>

namespace velm::blent
{
namespace
{

constexpr std::array<std::pair<int, QPageSize::PageSizeId>, 11> kPapers{{
    {1, QPageSize::Letter},
    {5, QPageSize::Legal},
    {8, QPageSize::A3},
    {9, QPageSize::A4},
    {10, QPageSize::A4},
    {11, QPageSize::A5},
    {12, QPageSize::JisB4},
    {13, QPageSize::JisB5},
    {70, QPageSize::A6},
    {88, QPageSize::JisB6},
    {89, QPageSize::JisB6}, // the rotated B6 code prints on the same paper
}};

// Converts points to device units and back.
struct DeviceScale {
    double x = 1;
    double y = 1;

    QPointF At(double xPt, double yPt) const { return {xPt * x, yPt * y}; }
};

// Draws the pages of one document on one device.
class PagePainter
{
  public:
    PagePainter(QPainter& painter, const PageLayout& layout, const PrintFormat& format,
                DeviceScale scale)
        : m_painter(painter), m_layout(layout), m_format(format), m_scale(scale),
          m_metrics(painter.font(), painter.device())
    {
    }

    void DrawLine(int slot, int line, const GridLine& text) const
    {
        const double top = m_layout.lineTop(slot, line);
        for (const PlacedChar& placed : text.chars) {
            const QString glyph = QString::fromUcs4(&placed.ch, 1);
            double x = m_layout.columnX(slot, placed.column);
            if (m_format.glyphsCentredInCells)
                x += (placed.cells * m_layout.cellWidth() - Advance(glyph)) / 2;
            if (IsBoxDrawing(placed.ch) && BoxStretch() > 1)
                DrawStretched(x, top, glyph);
            else
                m_painter.drawText(m_scale.At(x, top + Ascent()), glyph);
        }
    }

    // The header: file name at the left, page number in the middle (or before the file
    // name when page numbers go to the left), date at the right.
    void DrawHeader(int slot, const QString& fileName, const QString& pageNumber,
                    const QString& date) const
    {
        const double baseline = m_layout.headerTop(slot) + Ascent();
        QString left = fileName;
        if (!pageNumber.isEmpty() && m_format.pageNumberAtLeft)
            left = left.isEmpty() ? pageNumber : pageNumber + QStringLiteral("  ") + left;
        else if (!pageNumber.isEmpty())
            DrawCentred(slot, baseline, pageNumber);
        m_painter.drawText(m_scale.At(m_layout.textLeft(slot), baseline), left);
        m_painter.drawText(m_scale.At(m_layout.textRight(slot) - Advance(date), baseline), date);
    }

    void DrawFooter(int slot, const QString& pageNumber) const
    {
        const double baseline = m_layout.footerTop(slot) + Ascent();
        if (m_format.pageNumberAtLeft)
            m_painter.drawText(m_scale.At(m_layout.textLeft(slot), baseline), pageNumber);
        else
            DrawCentred(slot, baseline, pageNumber);
    }

  private:
    void DrawCentred(int slot, double baseline, const QString& text) const
    {
        const RectPt area = m_layout.pageArea(slot);
        const double x = area.left + (area.width - Advance(text)) / 2;
        m_painter.drawText(m_scale.At(x, baseline), text);
    }

    // Box-drawing characters are stretched to the full line pitch when the lines stand
    // apart, so that vertical rules of consecutive lines join up into one line.
    static bool IsBoxDrawing(char32_t ch) { return ch >= 0x2500 && ch <= 0x257F; }
    double BoxStretch() const { return m_layout.linePitch() / (m_metrics.height() / m_scale.y); }

    void DrawStretched(double x, double top, const QString& glyph) const
    {
        m_painter.save();
        m_painter.translate(m_scale.At(x, top));
        m_painter.scale(1, BoxStretch());
        m_painter.drawText(QPointF(0, m_metrics.ascent()), glyph);
        m_painter.restore();
    }

    double Ascent() const { return m_metrics.ascent() / m_scale.y; }
    double Advance(const QString& text) const
    {
        return m_metrics.horizontalAdvance(text) / m_scale.x;
    }

    QPainter& m_painter;
    const PageLayout& m_layout;
    const PrintFormat& m_format;
    DeviceScale m_scale;
    QFontMetricsF m_metrics;
};

} // namespace

QPageSize PaperForCode(int paperCode)
{
    for (const auto& [code, id] : kPapers) {
        if (code == paperCode)
            return QPageSize(id);
    }
    return QPageSize(QPageSize::A4);
}

QPageLayout PageLayoutFor(const PrintFormat& format)
{
    const auto orientation = format.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait;
    return QPageLayout(PaperForCode(format.paperCode), orientation, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

void ConfigurePrinter(QPrinter& printer, const PrintFormat& format)
{
    printer.setFullPage(true);
    printer.setPageLayout(PageLayoutFor(format));
    printer.setDuplex(format.twoSided ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
}

QFont TextFont(const PrintFormat& format)
{
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(format.fontSizePt);
    font.setBold(format.bold);
    return font;
}

SheetRenderer::SheetRenderer(const PrintDocument& document, QDate date)
    : m_document(document), m_fileName(QFileInfo(QString::fromLocal8Bit(document.path)).fileName()),
      m_date(date.toString(QStringLiteral("yyyy/MM/dd")))
{
}

bool SheetRenderer::Render(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const PrintFormat& format = m_document.format;
    painter.setFont(TextFont(format));
    const DeviceScale scale{device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0};
    const QSizeF paper = device.pageLayout().fullRectPoints().size();
    const double halfAdvance =
        QFontMetricsF(painter.font(), &device).horizontalAdvance(QLatin1Char('0')) / scale.x;
    const PageLayout layout(format, {paper.width(), paper.height()}, halfAdvance);

    const std::vector<GridLine> lines =
        LayOutText(m_document.text, {format.tabsExpand, format.tabWidth, layout.wrapColumns()});
    const std::vector<TextPage> pages =
        Paginate(static_cast<int>(lines.size()), layout.linesPerPage());

    const PagePainter pagePainter(painter, layout, format, scale);
    const QString fileName = format.fileNameInHeader ? m_fileName : QString();
    const QString date = format.dateInHeader ? m_date : QString();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const int slot = static_cast<int>(i) % layout.pagesPerSheet();
        if (i > 0 && slot == 0)
            device.newPage();
        const QString number = format.pageNumbers
                                   ? QString::fromStdString(PageNumberText(static_cast<int>(i) + 1))
                                   : QString();
        if (layout.hasHeader())
            pagePainter.DrawHeader(slot, fileName, layout.hasFooter() ? QString() : number, date);
        if (layout.hasFooter())
            pagePainter.DrawFooter(slot, number);
        for (int line = 0; line < pages[i].lineCount; ++line)
            pagePainter.DrawLine(slot, line, lines[pages[i].firstLine + line]);
    }
    return painter.end();
}

bool WritePdf(const PrintDocument& document, const std::string& outPath, QDate date)
{
    QPdfWriter writer(QString::fromLocal8Bit(outPath));
    writer.setPageLayout(PageLayoutFor(document.format));
    writer.setCreator(QStringLiteral("Blent"));
    writer.setTitle(QFileInfo(QString::fromLocal8Bit(document.path)).fileName());
    return SheetRenderer(document, date).Render(writer);
}

} // namespace velm::blent
