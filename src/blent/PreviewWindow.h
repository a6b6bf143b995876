#pragma once

#include "blent/PrintDocument.h"
#include "blent/SheetRenderer.h"

#include <QMainWindow>
#include <QPrinter>

class QLabel;
class QPrintPreviewWidget;

namespace velm::blent
{

// The print preview of one document: page by page as it will come out of the printer,
// with page navigation, zoom, printing through the system print dialog and saving as
// PDF. The format's window width sets the window's initial width.
class PreviewWindow : public QMainWindow
{
  public:
    explicit PreviewWindow(const PrintDocument& document, QWidget* parent = nullptr);

  private:
    void BuildToolBar();
    void ShowPageNumber();
    void GoToPage(int page);
    void Print();
    void SaveAsPdf();

    const PrintDocument& m_document;
    SheetRenderer m_renderer;
    QPrinter m_printer{QPrinter::HighResolution};
    QPrintPreviewWidget* m_preview = nullptr;
    QLabel* m_pageLabel = nullptr;
};

} // namespace velm::blent
