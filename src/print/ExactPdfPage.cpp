#include "print/ExactPdfPage.h"

#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <QSizeF>

namespace velm::print
{
namespace
{

constexpr double kPointsPerInch = 72;

// Points per unit in which a paper size is defined, as Qt counts them.
double PointsPer(QPageSize::Unit unit)
{
    switch (unit) {
    case QPageSize::Millimeter:
        return kPointsPerInch / 25.4;
    case QPageSize::Point:
        return 1;
    case QPageSize::Inch:
        return kPointsPerInch;
    case QPageSize::Pica:
        return 12;
    case QPageSize::Didot:
        return 1.065826771;
    case QPageSize::Cicero:
        return 12.789921252;
    }
    return 1;
}

// The paper's size in points, unrounded: Qt gives other units than the one a paper is
// defined in rounded to two decimals.
QSizeF ExactPoints(const QPageLayout& layout)
{
    const QPageSize& paper = layout.pageSize();
    const QSizeF size = paper.definitionSize() * PointsPer(paper.definitionUnits());
    return layout.orientation() == QPageLayout::Landscape ? size.transposed() : size;
}

// A page's size as Qt writes it, with six decimals.
QByteArray MediaBox(QSizeF points)
{
    return "/MediaBox [0 0 " + QByteArray::number(points.width(), 'f', 6) + ' ' +
           QByteArray::number(points.height(), 'f', 6) + ']';
}

} // namespace

ExactPdfPage::ExactPdfPage(const QPageLayout& layout)
{
    const QSizeF rounded = layout.fullRectPoints().size();
    const QSizeF exact = ExactPoints(layout);
    m_rounded = MediaBox(rounded);
    m_exact = MediaBox(exact);
    // A size whose whole points have another number of digits than the exact one (999.6
    // rounded to 1000) cannot be replaced in place and stays as Qt wrote it.
    if (m_exact.size() != m_rounded.size())
        m_exact = m_rounded;
    else
        m_heightChange = exact.height() - rounded.height();
}

void ExactPdfPage::shift(QPainter& painter) const
{
    painter.translate(0, -m_heightChange * painter.device()->logicalDpiY() / kPointsPerInch);
}

void ExactPdfPage::correct(QByteArray& pdf) const
{
    pdf.replace(m_rounded, m_exact);
}

} // namespace velm::print
