#include "print/PageView.h"

#include "print/PagedDocument.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace velm::print
{
namespace
{

// The grey desk around the page, and the page's shadow on it.
constexpr int kDeskMargin = 12;
constexpr int kShadow = 3;
constexpr double kMinPixelsPerPoint = 0.1;
constexpr double kMaxPixelsPerPoint = 8;
const QColor kDeskColour(0x80, 0x80, 0x80);

// The widget inside the scroll area; it paints the view's page image.
class Canvas final : public QWidget
{
  public:
    explicit Canvas(PageView& view) : QWidget(&view), m_view(view) {}

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), kDeskColour);
        const QImage& image = m_view.pageImage();
        const QRect page(QPoint(kDeskMargin, kDeskMargin), image.deviceIndependentSize().toSize());
        painter.fillRect(page.translated(3, 3), Qt::darkGray);
        painter.drawImage(page.topLeft(), image);
    }

  private:
    PageView& m_view;
};

} // namespace

PageView::PageView(const PagedDocument& document, QWidget* parent)
    : QScrollArea(parent), m_document(document), m_canvas(new Canvas(*this))
{
    setWidget(m_canvas);
    setAlignment(Qt::AlignCenter);
    QPalette desk = palette();
    desk.setColor(QPalette::Dark, kDeskColour);
    setPalette(desk);
    setBackgroundRole(QPalette::Dark);
    applyScale();
}

void PageView::setCurrentPage(int page)
{
    m_page = std::clamp(page, 0, std::max(0, m_document.pageCount() - 1));
    m_canvas->update();
}

void PageView::fitPage()
{
    m_fit = Fit::Page;
    applyScale();
}

void PageView::fitWidth()
{
    m_fit = Fit::Width;
    applyScale();
}

void PageView::zoomBy(double factor)
{
    m_fit = Fit::Zoom;
    m_pixelsPerPoint =
        std::clamp(m_pixelsPerPoint * factor, kMinPixelsPerPoint, kMaxPixelsPerPoint);
    applyScale();
}

void PageView::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (m_fit != Fit::Zoom)
        applyScale();
}

QSizeF PageView::paperPoints() const
{
    return m_document.pageLayout().fullRect(QPageLayout::Point).size();
}

void PageView::applyScale()
{
    const QSizeF paper = paperPoints();
    const QSize border(2 * kDeskMargin + kShadow, 2 * kDeskMargin + kShadow);
    const QSize room = maximumViewportSize() - border;
    // The vertical scroll bar takes room from the width that the page is fitted to.
    const int barWidth = verticalScrollBar()->sizeHint().width();
    if (m_fit == Fit::Page)
        m_pixelsPerPoint = std::min(room.width() / paper.width(), room.height() / paper.height());
    else if (m_fit == Fit::Width)
        m_pixelsPerPoint = (room.width() - barWidth) / paper.width();
    m_pixelsPerPoint = std::clamp(m_pixelsPerPoint, kMinPixelsPerPoint, kMaxPixelsPerPoint);
    const QSize page(static_cast<int>(std::lround(paper.width() * m_pixelsPerPoint)),
                     static_cast<int>(std::lround(paper.height() * m_pixelsPerPoint)));
    m_canvas->resize(page + border);
    m_canvas->update();
}

const QImage& PageView::pageImage()
{
    // The image's resolution is what the document sees as the device's, so its fonts come
    // out at the size of the page on screen. A device's resolution is a whole number of
    // dots per inch.
    const double ratio = devicePixelRatioF();
    const int dotsPerInch =
        std::max(1, static_cast<int>(std::lround(72 * m_pixelsPerPoint * ratio)));
    const QSizeF paper = paperPoints();
    const QSize pixels(static_cast<int>(std::lround(paper.width() * dotsPerInch / 72)),
                       static_cast<int>(std::lround(paper.height() * dotsPerInch / 72)));
    if (m_imagePage == m_page && m_image.size() == pixels)
        return m_image;
    m_image = QImage(pixels, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    m_image.setDotsPerMeterX(dotsPerMeter);
    m_image.setDotsPerMeterY(dotsPerMeter);
    m_image.fill(Qt::white);
    QPainter painter(&m_image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    m_document.paintPage(painter, m_page);
    painter.end();
    m_image.setDevicePixelRatio(ratio);
    m_imagePage = m_page;
    return m_image;
}

} // namespace velm::print
