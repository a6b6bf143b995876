#pragma once

#include <QString>

// The texts that the preview and the print dialogs show.
namespace velm::print::texts
{

inline const QString kPreviousPage = QStringLiteral("前の頁");
inline const QString kNextPage = QStringLiteral("次の頁");
inline const QString kWholePage = QStringLiteral("頁全体");
inline const QString kFitWidth = QStringLiteral("幅に合わせる");
inline const QString kZoomIn = QStringLiteral("拡大");
inline const QString kZoomOut = QStringLiteral("縮小");
inline const QString kPrint = QStringLiteral("印刷");
inline const QString kSavePdf = QStringLiteral("PDFで保存");
inline const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
inline const QString kCancel = QStringLiteral("キャンセル");
inline const QString kPrinting = QStringLiteral("印刷しています…");
inline const QString kWritingPdf = QStringLiteral("PDFを書き出しています…");
inline const QString kPrintFailed = QStringLiteral("印刷できませんでした。");
// %1: the PDF's path.
inline const QString kPdfFailed = QStringLiteral("PDFを書き込めません:\n%1");
// The status line once a PDF is written whole; %1: its path.
inline const QString kPdfSaved = QStringLiteral("PDFを保存しました: %1");
// The counter of the preview, "3 / 12" or, for a sheet with two pages, "5-6 / 12".
inline const QString kCounter = QStringLiteral("%1 / %2");
inline const QString kPageSpan = QStringLiteral("%1-%2");

} // namespace velm::print::texts
