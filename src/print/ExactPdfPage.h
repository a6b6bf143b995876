#pragma once

#include <QByteArray>
#include <QPageLayout>

class QPainter;

namespace velm::print
{

// Qt writes the size of a PDF page in whole points, so a postcard of 100 × 148 mm would
// become 283 × 420 pt. This gives the pages their paper's exact size instead, written in
// place of the rounded one, and moves the drawing so that it keeps its distance from the
// paper's top edge, since a PDF measures from the bottom edge.
class ExactPdfPage
{
  public:
    // For the pages of a PDF written with `layout`.
    explicit ExactPdfPage(const QPageLayout& layout);

    // Moves the painter of one page so that its drawing lands where it was meant to once
    // the exact size is in place.
    void shift(QPainter& painter) const;

    // Puts the exact size in place of the rounded one on every page of `pdf`. Both have
    // the same length, so the byte offsets the file lists stay right.
    void correct(QByteArray& pdf) const;

  private:
    QByteArray m_rounded;
    QByteArray m_exact;
    // In points, exact less rounded.
    double m_heightChange = 0;
};

} // namespace velm::print
