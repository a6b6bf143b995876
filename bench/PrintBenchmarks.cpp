#include "FullStore.h"
#include "QuietPlatform.h"
#include "RawIo.h"
#include "ScratchFolder.h"
#include "app/Texts.h"
#include "blent/BlentMain.h"
#include "blent/TextSheet.h"
#include "postcard/PostcardDocument.h"
#include "print/PaperOutput.h"
#include "print/PreviewWindow.h"
#include "print/PrintDesk.h"
#include "sheets/PostcardBatch.h"
#include "sheets/Sheets.h"
#include "store/CardStore.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <vector>

// The notebook sheet of a full store through the print tool: its PDF, every sheet of it,
// and the preview's first page from the moment the file is opened. The postcards of a full
// store, each card its own sender so that every part of the side is drawn: their PDF, and
// the preview's first page from the moment the dialog's OK lays them out.

namespace velm
{

namespace
{

// The print tool that typeset box characters and painted every page before its preview
// appeared wrote this notebook's PDF at this many sheets a second on the development
// machine.
constexpr double kSheetsPerSecondBefore = 27;

// The notebook sheet of the full store and its format file, as 手帳印刷 leaves them.
std::string WriteNotebook()
{
    RawWrite(ScratchPath(texts::kNotebookSheet.formatFileName), Maketetyobpc());
    const std::string path = ScratchPath(texts::kNotebookSheet.fileName);
    RawWrite(path, Maketetyo(FullStore()));
    return path;
}

void BM_NotebookPdf(benchmark::State& state)
{
    const std::string sheetPath = WriteNotebook();
    const QString pdf = QString::fromStdString(ScratchPath("notebook.pdf"));
    int sheets = 0;
    int pages = 0;
    for (auto _ : state) {
        auto opened = blent::OpenTextSheet(sheetPath, QDate::currentDate());
        if (const auto* message = std::get_if<QString>(&opened)) {
            state.SkipWithError(message->toUtf8().constData());
            return;
        }
        const blent::TextSheet& sheet = *std::get<std::unique_ptr<blent::TextSheet>>(opened);
        if (print::WritePdf(sheet, pdf, nullptr) != print::OutputResult::Done) {
            state.SkipWithError("the PDF was not written");
            return;
        }
        sheets = sheet.pageCount();
        pages = sheet.printedPageCount();
    }
    state.counters["sheets"] = sheets;
    state.counters["sheets_per_s"] =
        benchmark::Counter(sheets, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["pages_per_s"] =
        benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["before_sheets_per_s"] = kSheetsPerSecondBefore;
}

// A preview shows its first page within this time.
constexpr double kFirstPageTargetMs = 500;

void BM_PreviewFirstPage(benchmark::State& state)
{
    const std::string sheetPath = WriteNotebook();
    SilentPrintDesk desk;
    for (auto _ : state) {
        auto opened = blent::OpenPreview(sheetPath, desk);
        if (!std::holds_alternative<std::unique_ptr<print::PreviewWindow>>(opened))
            break;
        auto& window = std::get<std::unique_ptr<print::PreviewWindow>>(opened);
        window->show();
        // Renders the window as the screen shows it, the first page included.
        window->grab();
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["target_ms"] = kFirstPageTargetMs;
    if (!desk.warnings.empty())
        state.SkipWithError(desk.warnings.front().toUtf8().constData());
}

// The PDF of 999 postcards is written within this time.
constexpr double kPostcardsPdfTargetMs = 5000;

// The address sides of every card of the full store.
std::unique_ptr<PostcardDocument> FullStorePostcards()
{
    PostcardRequest request;
    request.senderCard = 1;
    PostcardRun run = MakePostcards(FullStore().countedCards(), request);
    return std::make_unique<PostcardDocument>(std::move(run.pages), QStringLiteral("postcards"),
                                              QString());
}

void BM_PostcardsPdf(benchmark::State& state)
{
    const QString pdf = QString::fromStdString(ScratchPath("postcards.pdf"));
    int pages = 0;
    for (auto _ : state) {
        const auto document = FullStorePostcards();
        if (print::WritePdf(*document, pdf, nullptr) != print::OutputResult::Done) {
            state.SkipWithError("the PDF was not written");
            return;
        }
        pages = document->pageCount();
    }
    state.counters["pages"] = pages;
    state.counters["pages_per_s"] =
        benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["target_ms"] = kPostcardsPdfTargetMs;
}

void BM_PostcardPreviewFirstPage(benchmark::State& state)
{
    SilentPrintDesk desk;
    for (auto _ : state) {
        print::PreviewWindow window(FullStorePostcards(), desk, QStringLiteral("postcards"));
        window.show();
        window.grab();
        state.PauseTiming();
        window.close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["target_ms"] = kFirstPageTargetMs;
}

} // namespace

BENCHMARK(BM_NotebookPdf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PreviewFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PostcardsPdf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PostcardPreviewFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace velm
