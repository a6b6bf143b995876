#include "blent/PreviewWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QToolBar>
#include <algorithm>

namespace velm::blent
{

PreviewWindow::PreviewWindow(const PrintDocument& document, QWidget* parent)
    : QMainWindow(parent), m_document(document), m_renderer(document, QDate::currentDate())
{
    const QString fileName = QFileInfo(QString::fromLocal8Bit(document.path)).fileName();
    setWindowTitle(fileName + QStringLiteral(" - Blent"));
    ConfigurePrinter(m_printer, document.format);

    m_preview = new QPrintPreviewWidget(&m_printer, this);
    setCentralWidget(m_preview);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { m_renderer.Render(*printer); });
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &PreviewWindow::ShowPageNumber);
    BuildToolBar();

    const int width = std::max(document.format.windowWidthPx, document.format.memoWidthPx);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int height = screen ? screen->availableGeometry().height() * 9 / 10 : width;
    resize(width, std::min(height, width * 3 / 2));
    m_preview->fitInView();
}

void PreviewWindow::BuildToolBar()
{
    QToolBar* bar = addToolBar(QStringLiteral("Blent"));
    bar->setMovable(false);
    connect(bar->addAction(QStringLiteral("前の頁")), &QAction::triggered, this,
            [this] { GoToPage(m_preview->currentPage() - 1); });
    m_pageLabel = new QLabel(bar);
    bar->addWidget(m_pageLabel);
    connect(bar->addAction(QStringLiteral("次の頁")), &QAction::triggered, this,
            [this] { GoToPage(m_preview->currentPage() + 1); });
    bar->addSeparator();
    connect(bar->addAction(QStringLiteral("頁全体")), &QAction::triggered, m_preview,
            &QPrintPreviewWidget::fitInView);
    connect(bar->addAction(QStringLiteral("幅に合わせる")), &QAction::triggered, m_preview,
            &QPrintPreviewWidget::fitToWidth);
    connect(bar->addAction(QStringLiteral("拡大")), &QAction::triggered, m_preview,
            [this] { m_preview->zoomIn(); });
    connect(bar->addAction(QStringLiteral("縮小")), &QAction::triggered, m_preview,
            [this] { m_preview->zoomOut(); });
    bar->addSeparator();
    connect(bar->addAction(QStringLiteral("印刷...")), &QAction::triggered, this,
            &PreviewWindow::Print);
    connect(bar->addAction(QStringLiteral("PDFで保存...")), &QAction::triggered, this,
            &PreviewWindow::SaveAsPdf);
}

void PreviewWindow::ShowPageNumber()
{
    m_pageLabel->setText(
        QStringLiteral(" %1 / %2 ").arg(m_preview->currentPage()).arg(m_preview->pageCount()));
}

void PreviewWindow::GoToPage(int page)
{
    m_preview->setCurrentPage(std::clamp(page, 1, std::max(1, m_preview->pageCount())));
    ShowPageNumber();
}

void PreviewWindow::Print()
{
    QPrintDialog dialog(&m_printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_renderer.Render(m_printer))
        QMessageBox::warning(this, QStringLiteral("Blent"), QStringLiteral("印刷できませんでした"));
    m_preview->updatePreview();
}

void PreviewWindow::SaveAsPdf()
{
    const QFileInfo source(QString::fromLocal8Bit(m_document.path));
    const QString suggested =
        QDir(source.absolutePath()).filePath(source.completeBaseName() + QStringLiteral(".pdf"));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("PDFで保存"), suggested,
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!WritePdf(m_document, path.toLocal8Bit().toStdString(), QDate::currentDate()))
        QMessageBox::warning(this, QStringLiteral("Blent"),
                             QStringLiteral("PDFを書き込めません:\n") + path);
}

} // namespace velm::blent
