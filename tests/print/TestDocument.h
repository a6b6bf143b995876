#pragma once

#include "print/PagedDocument.h"

#include <vector>

namespace velm::test
{

// A document of A6 pages, or pages of another paper, each holding one or two printed
// pages, that paints the words "page N" for each printed page N on it, the first 40 pt
// below the top edge, and records which pages it painted.
class TestDocument final : public print::PagedDocument
{
  public:
    TestDocument(int pageCount, int printedPerPage, QString pdfPath,
                 QPageSize paper = QPageSize(QPageSize::A6));

    QString name() const override { return QStringLiteral("test.txt"); }
    QString pdfPath() const override { return m_pdfPath; }
    QPageLayout pageLayout() const override;
    int pageCount() const override { return m_pageCount; }
    print::PrintedPages printedPages(int page) const override;
    void paintPage(QPainter& painter, int page) const override;

    mutable std::vector<int> painted;

  private:
    int m_pageCount = 1;
    int m_printedPerPage = 1;
    QString m_pdfPath;
    QPageSize m_paper;
};

// The words a TestDocument paints for printed page `number`.
QByteArray PageWords(int number);

} // namespace velm::test
