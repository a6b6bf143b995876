#include "TestDocument.h"

#include "print/PaperScale.h"

#include <QPainter>
#include <utility>

namespace velm::test
{

TestDocument::TestDocument(int pageCount, int printedPerPage, QString pdfPath, QPageSize paper)
    : m_pageCount(pageCount), m_printedPerPage(printedPerPage), m_pdfPath(std::move(pdfPath)),
      m_paper(std::move(paper))
{
}

QPageLayout TestDocument::pageLayout() const
{
    return QPageLayout(m_paper, QPageLayout::Portrait, QMarginsF());
}

print::PrintedPages TestDocument::printedPages(int page) const
{
    return {page * m_printedPerPage + 1, (page + 1) * m_printedPerPage};
}

void TestDocument::paintPage(QPainter& painter, int page) const
{
    painted.push_back(page);
    const print::PaperScale scale = print::PaperScale::of(*painter.device());
    QFont font = painter.font();
    font.setPointSize(20);
    painter.setFont(font);
    const print::PrintedPages printed = printedPages(page);
    for (int number = printed.first; number <= printed.last; ++number)
        painter.drawText(scale.at(20, 40 * (number - printed.first + 1)),
                         QString::fromLatin1(PageWords(number)));
}

QByteArray PageWords(int number)
{
    return "page " + QByteArray::number(number);
}

} // namespace velm::test
