#pragma once

#include "print/PagedDocument.h"

#include <vector>

namespace velm::test
{

// A document of A6 pages, each holding one or two printed pages, that paints the words
// "page N" for each printed page N on it and records which pages it painted.
class TestDocument final : public print::PagedDocument
{
  public:
    TestDocument(int pageCount, int printedPerPage, QString pdfPath);

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
};

// The words a TestDocument paints for printed page `number`.
QByteArray PageWords(int number);

} // namespace velm::test
