#include "postcard/PostcardPdf.h"

#include "postcard/PostcardPainter.h"
#include "postcard/PostcardTexts.h"

#include <QByteArray>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QSizeF>

namespace velm
{

namespace
{

constexpr double kPointsPerMillimetre = 72 / 25.4;

QSizeF ExactPagePoints()
{
    return {kPostcardWidth * kPointsPerMillimetre, kPostcardHeight * kPointsPerMillimetre};
}

QByteArray MediaBox(QSizeF points)
{
    return "/MediaBox [0 0 " + QByteArray::number(points.width(), 'f', 6) + ' ' +
           QByteArray::number(points.height(), 'f', 6) + ']';
}

// Qt writes a page's size in whole points, 284 × 419 for a postcard. This puts the exact size
// in its place; both are written with six decimals, so the lengths and with them the file's
// cross-reference offsets stay as they are.
bool SetExactMediaBoxes(const QString& path, QSizeF written)
{
    const QByteArray rounded = MediaBox(written);
    const QByteArray exact = MediaBox(ExactPagePoints());
    QFile file(path);
    if (rounded.size() != exact.size() || !file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    bytes.replace(rounded, exact);
    return file.seek(0) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

PostcardPdfResult WritePostcardPdf(std::span<const PostcardPage> pages, const QString& path)
{
    if (pages.empty())
        return PostcardPdfResult::NoPages;
    QPdfWriter writer(path);
    writer.setPageLayout(PostcardPageLayout());
    writer.setCreator(PostcardTexts::kPdfCreator);
    writer.setTitle(PostcardTexts::kPdfTitle);
    const QSizeF written = writer.pageLayout().fullRectPoints().size();
    QPainter painter;
    if (!painter.begin(&writer))
        return PostcardPdfResult::CannotWrite;
    // The PDF measures from the bottom edge, so the drawing moves with the page's height to
    // keep its distance from the top edge once the exact size is in place.
    const double heightChange = ExactPagePoints().height() - written.height();
    painter.translate(0, -heightChange * writer.resolution() / 72);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        PaintAddressSide(painter, pages[i].side);
    }
    if (!painter.end() || !SetExactMediaBoxes(path, written))
        return PostcardPdfResult::CannotWrite;
    return PostcardPdfResult::Written;
}

} // namespace velm
