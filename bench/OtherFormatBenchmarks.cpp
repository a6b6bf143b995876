#include "FullStore.h"
#include "interchange/Csv.h"
#include "interchange/VCard.h"
#include "store/CardStore.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <variant>

// Exports and imports of a full store in the formats of other programs, in memory: the
// conversion of every character that these formats add to a file operation. Writing or
// reading the file adds the same time as for any file of that size (see the file
// benchmarks' yardsticks). Each reports its target as target_ms.

namespace velm
{

namespace
{

// Each export and import of a full store.
constexpr double kConversionTargetMs = 10.0;

using Format = std::string (*)(const CardStore& store);
using Parse = ImportResult (*)(std::string_view bytes);

std::string VCardBytes(const CardStore& store)
{
    return FormatVCard(store, VCardVersion::V30).bytes;
}

std::string CsvBytes(const CardStore& store)
{
    return FormatCsv(store, CsvLayout::Velm, TextEncoding::ShiftJis).bytes;
}

std::string CsvUtf8Bytes(const CardStore& store)
{
    return FormatCsv(store, CsvLayout::Velm, TextEncoding::Utf8).bytes;
}

void BenchmarkExport(benchmark::State& state, Format format)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(format(FullStore()));
    state.counters["bytes"] = static_cast<double>(format(FullStore()).size());
    state.counters["target_ms"] = kConversionTargetMs;
}

// Parses the export of the full store and takes the cards as the store's, as the import
// command does.
void BenchmarkImport(benchmark::State& state, Format format, Parse parse)
{
    const std::string bytes = format(FullStore());
    auto store = std::make_unique<CardStore>();
    for (auto _ : state) {
        ImportResult result = parse(bytes);
        if (auto* imported = std::get_if<ImportedCards>(&result))
            store->replaceCards(std::move(imported->cards));
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.counters["target_ms"] = kConversionTargetMs;
    if (store->CardCount != CardStore::kCapacity)
        state.SkipWithError("the store did not fill up");
}

void BM_ExportVCard(benchmark::State& state)
{
    BenchmarkExport(state, &VCardBytes);
}

void BM_ImportVCard(benchmark::State& state)
{
    BenchmarkImport(state, &VCardBytes, &ParseVCard);
}

void BM_ExportCsv(benchmark::State& state)
{
    BenchmarkExport(state, &CsvBytes);
}

void BM_ImportCsv(benchmark::State& state)
{
    BenchmarkImport(state, &CsvBytes, &ParseCsv);
}

void BM_ExportCsvUtf8(benchmark::State& state)
{
    BenchmarkExport(state, &CsvUtf8Bytes);
}

void BM_ImportCsvUtf8(benchmark::State& state)
{
    BenchmarkImport(state, &CsvUtf8Bytes, &ParseCsv);
}

} // namespace

BENCHMARK(BM_ExportVCard)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportVCard)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportCsvUtf8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportCsvUtf8)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace velm
