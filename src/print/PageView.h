#pragma once

#include <QImage>
#include <QScrollArea>

namespace velm::print
{

class PagedDocument;

// Shows one page of a document on a grey desk, scaled to fit the view, its width, or a
// zoom factor. Only the page on screen is painted, when it is shown, and kept as an image
// until the page or the scale changes.
class PageView : public QScrollArea
{
  public:
    explicit PageView(const PagedDocument& document, QWidget* parent = nullptr);

    int currentPage() const { return m_page; }
    // Moves to `page`, kept within the document.
    void setCurrentPage(int page);

    void fitPage();
    void fitWidth();
    void zoomBy(double factor);

    // The page as it is drawn on screen, painted if it is not yet.
    const QImage& pageImage();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    enum class Fit { Page, Width, Zoom };

    void applyScale();
    QSizeF paperPoints() const;

    const PagedDocument& m_document;
    QWidget* m_canvas = nullptr;
    int m_page = 0;
    Fit m_fit = Fit::Page;
    double m_pixelsPerPoint = 1;
    QImage m_image;
    int m_imagePage = -1;
};

} // namespace velm::print
