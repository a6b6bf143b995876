#include "postcard/PostcardDocument.h"

#include "postcard/PostcardPainter.h"

#include <QPageSize>
#include <QSizeF>
#include <utility>

namespace velm
{

PostcardDocument::PostcardDocument(std::vector<PostcardPage> pages, QString name, QString pdfPath)
    : m_pages(std::move(pages)), m_name(std::move(name)), m_pdfPath(std::move(pdfPath))
{
}

QPageLayout PostcardDocument::pageLayout() const
{
    const QPageSize postcard(QSizeF(kPostcardWidth, kPostcardHeight), QPageSize::Millimeter);
    return QPageLayout(postcard, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

void PostcardDocument::paintPage(QPainter& painter, int page) const
{
    PaintAddressSide(painter, postcard(page).side);
}

const PostcardPage& PostcardDocument::postcard(int page) const
{
    return m_pages.at(static_cast<std::size_t>(page));
}

} // namespace velm
