#include "FullStore.h"
#include "ScratchFolder.h"
#include "postcard/PostcardPdf.h"
#include "sheets/PostcardBatch.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <numeric>

// The PDF of the address sides of a full store: 999 postcards, every field full, each card
// its own sender so that every part of the side is drawn.

namespace velm
{

namespace
{

void BM_PostcardsPdf(benchmark::State& state)
{
    const std::vector<CardRecord> cards = FullStoreCards();
    std::vector<int> numbers(cards.size());
    std::iota(numbers.begin(), numbers.end(), 1);
    PostcardOptions options;
    options.sender = cards.front();
    const QString path = QString::fromStdString(ScratchPath("postcards.pdf"));
    PostcardPdfResult result = PostcardPdfResult::Written;
    std::size_t pages = 0;
    for (auto _ : state) {
        const PostcardRun run = LayOutPostcards(cards, numbers, options);
        pages = run.pages.size();
        result = WritePostcardPdf(run.pages, path);
    }
    state.counters["pages"] = static_cast<double>(pages);
    if (result != PostcardPdfResult::Written)
        state.SkipWithError("the PDF was not written");
}

} // namespace

BENCHMARK(BM_PostcardsPdf)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

} // namespace velm
