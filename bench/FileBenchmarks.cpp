#include "FullStore.h"
#include "RawIo.h"
#include "ScratchFolder.h"
#include "interchange/Orbi.h"
#include "sheets/Sheets.h"
#include "store/AddressBookFile.h"
#include "store/CardStore.h"
#include "store/FileIo.h"

#include <benchmark/benchmark.h>
#include <memory>

// Every file operation of the program on a full store, each beside the plain system calls
// that move the same number of bytes. The times are wall-clock times, since a write spends
// most of its time waiting for the disk.

namespace velm
{

namespace
{

// Parses the bytes of a file and takes the cards as the store's, as a load or an import
// does; false when the file is refused.
using Reader = bool (*)(std::string_view bytes, CardStore& store);

template <typename Refusal, auto Parse> bool TakeCards(std::string_view bytes, CardStore& store)
{
    auto parsed = Parse(bytes);
    if (std::holds_alternative<Refusal>(parsed))
        return false;
    store.replaceCards(std::move(std::get<std::vector<CardRecord>>(parsed)));
    return true;
}

// Loads `fileBytes`, written once to a file, into a store again and again; the store must
// end up with `cards` cards.
void BenchmarkRead(benchmark::State& state, const std::string& fileBytes, Reader take,
                   int cards = CardStore::kCapacity)
{
    const std::string path = ScratchPath("read-source");
    RawWrite(path, fileBytes);
    auto store = std::make_unique<CardStore>();
    std::string failure;
    std::string buffer(fileBytes.size(), '\0');
    TimeBesideRaw(state, fileBytes.size(),
                  [&] {
                      auto read = ReadWholeFile(path);
                      if (auto* readFailure = std::get_if<FileFailure>(&read)) {
                          failure = readFailure->message();
                          return;
                      }
                      if (!take(std::get<std::string>(read), *store))
                          failure = "the file was refused";
                  },
                  {{"raw", [&] {
                        RawRead(path, buffer);
                    }}});
    if (!failure.empty())
        state.SkipWithError(failure.c_str());
    else if (store->CardCount != cards)
        state.SkipWithError("the store did not get its cards");
}

// Makes a file from the full store and writes it through the atomic writer, again and
// again. The writer flushes to the disk, so the yardsticks are a plain write and a write
// flushed the same way.
void BenchmarkWrite(benchmark::State& state, std::string (*make)(const CardStore&))
{
    const std::string path = ScratchPath("written");
    const std::string rawPath = ScratchPath("written-raw");
    const std::string sample = make(FullStore());
    std::string failure;
    TimeBesideRaw(state, sample.size(),
                  [&] {
                      if (auto written = WriteFileAtomically(path, make(FullStore())))
                          failure = written->message();
                  },
                  {{"raw",
                    [&] {
                        RawWrite(rawPath, sample);
                    }},
                   {"durable", [&] {
                        RawDurableWrite(rawPath, sample);
                    }}});
    if (!failure.empty())
        state.SkipWithError(failure.c_str());
}

std::string OrbiExportBytes(const CardStore& store)
{
    return FormatOrbi(store, true);
}

// The shape of ＯＲＢＩ file that costs the import most for its size: the read limit filled
// with tag lines of one tag each, then a card.
std::string ShortTagLinesOrbi()
{
    constexpr std::string_view kTagLine = "\"I\",\"NAME\",\r\n";
    constexpr std::string_view kCard = "\"D\",\"n\",\r\n";
    std::string file = "\"ORBI\",\"1.0\"\r\n";
    file.reserve(kDefaultReadLimit);
    while (file.size() + kTagLine.size() + kCard.size() <= kDefaultReadLimit)
        file += kTagLine;
    return file += kCard;
}

void BM_LoadAddressBook(benchmark::State& state)
{
    BenchmarkRead(state, FormatAddressBook(FullStore()),
                  &TakeCards<AddressBookRefusal, &ParseAddressBook>);
}

void BM_ImportOrbi(benchmark::State& state)
{
    BenchmarkRead(state, OrbiExportBytes(FullStore()), &TakeCards<OrbiRefusal, &ParseOrbi>);
}

void BM_ImportOrbiShortTagLines(benchmark::State& state)
{
    BenchmarkRead(state, ShortTagLinesOrbi(), &TakeCards<OrbiRefusal, &ParseOrbi>, 1);
    // Millions of lines in a file as large as the program reads are judged by the time a
    // user waits, not against the one pass of the raw read.
    state.counters["target_ms"] = 500;
}

void BM_SaveAddressBook(benchmark::State& state)
{
    BenchmarkWrite(state, &FormatAddressBook);
}

void BM_WriteNotebookSheet(benchmark::State& state)
{
    BenchmarkWrite(state, &Maketetyo);
}

void BM_WriteListSheet(benchmark::State& state)
{
    BenchmarkWrite(state, &Makeitiran);
}

void BM_ExportOrbi(benchmark::State& state)
{
    BenchmarkWrite(state, &OrbiExportBytes);
}

} // namespace

BENCHMARK(BM_LoadAddressBook)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveAddressBook)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteNotebookSheet)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteListSheet)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportOrbi)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportOrbi)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportOrbiShortTagLines)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace velm
