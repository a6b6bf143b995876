#include "blent/PageLayout.h"

#include <algorithm>
#include <cmath>

namespace velm::blent
{
namespace
{

// A header or footer line takes the font's height and half a line of air.
constexpr double kBandLines = 1.5;
// Room that misses a whole line or cell by less than this, from rounding, still holds it.
constexpr double kRounding = 1e-9;

double Scaled(double base, double percent)
{
    return base * (100 + percent) / 100;
}

} // namespace

double MmToPt(double mm)
{
    return mm * 72 / 25.4;
}

double PtToMm(double pt)
{
    return pt * 25.4 / 72;
}

PageLayout::PageLayout(const PrintFormat& format, SizePt paper, double halfAdvancePt)
    : m_format(format), m_paper(paper),
      m_cellWidth(Scaled(halfAdvancePt, format.charSpacingPercent)),
      m_linePitch(Scaled(format.fontSizePt, format.lineSpacingPercent))
{
    m_linesThatFit = countLinesThatFit();
    m_columnsThatFit = countColumnsThatFit();
    m_linesPerPage =
        format.linesPerPage > 0 ? std::min(format.linesPerPage, m_linesThatFit) : m_linesThatFit;
}

RectPt PageLayout::pageArea(int slot) const
{
    if (pagesPerSheet() == 1)
        return {0, 0, m_paper.width, m_paper.height};
    if (m_paper.height >= m_paper.width) {
        const double half = m_paper.height / 2;
        return {0, slot * half, m_paper.width, half};
    }
    const double half = m_paper.width / 2;
    return {slot * half, 0, half, m_paper.height};
}

bool PageLayout::hasHeader() const
{
    return (m_format.pageNumbers && !m_format.pageNumberAtBottom) || m_format.fileNameInHeader ||
           m_format.dateInHeader;
}

bool PageLayout::hasFooter() const
{
    return m_format.pageNumbers && m_format.pageNumberAtBottom;
}

double PageLayout::textLeft(int slot) const
{
    return pageArea(slot).left + MmToPt(m_format.leftMarginMm);
}

double PageLayout::textRight(int slot) const
{
    return std::max(textLeft(slot), pageArea(slot).right() - MmToPt(kEdgeMarginMm));
}

double PageLayout::headerTop(int slot) const
{
    return pageArea(slot).top + MmToPt(m_format.topMarginMm);
}

double PageLayout::bodyTop(int slot) const
{
    return headerTop(slot) + headerBand();
}

double PageLayout::lineTop(int slot, int line) const
{
    return bodyTop(slot) + line * m_linePitch;
}

double PageLayout::footerTop(int slot) const
{
    return pageArea(slot).bottom() - MmToPt(kEdgeMarginMm) - m_format.fontSizePt;
}

// On the text grid the header takes two whole lines, its own and an empty one, so the
// text lines sit where they would if the header were part of the text.
double PageLayout::headerBand() const
{
    if (!hasHeader())
        return 0;
    return m_format.headerOnTextGrid ? 2 * m_linePitch : kBandLines * m_format.fontSizePt;
}

double PageLayout::footerBand() const
{
    return hasFooter() ? kBandLines * m_format.fontSizePt : 0;
}

int PageLayout::countLinesThatFit() const
{
    const double bottom = pageArea(0).bottom() - MmToPt(kEdgeMarginMm) - footerBand();
    const double room = bottom - bodyTop(0) - m_format.fontSizePt;
    if (room < 0 || m_linePitch <= 0)
        return 0;
    return static_cast<int>(std::floor(room / m_linePitch + kRounding)) + 1;
}

int PageLayout::countColumnsThatFit() const
{
    const double room = pageArea(0).right() - MmToPt(kEdgeMarginMm) - textLeft(0);
    if (room <= 0 || m_cellWidth <= 0)
        return 0;
    return static_cast<int>(std::floor(room / m_cellWidth + kRounding));
}

} // namespace velm::blent
