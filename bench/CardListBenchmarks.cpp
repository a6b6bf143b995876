#include "FullStore.h"
#include "app/CardListModel.h"
#include "app/CardListWindow.h"
#include "app/ShiftJisLineEdit.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

// The card list window over a full store: opening it, a keystroke in its search box and a
// sort by reading, each until the window has painted the result. Each benchmark reports
// its target as target_ms.

namespace velm
{

namespace
{

constexpr double kOpenTargetMs = 50;
constexpr double kKeystrokeTargetMs = 5;
constexpr double kSortTargetMs = 10;

std::unique_ptr<CardListWindow> OpenList()
{
    auto list = std::make_unique<CardListWindow>(
        FullStore(), [](int) {}, nullptr);
    list->bringUp();
    QCoreApplication::processEvents();
    return list;
}

void BM_OpenCardList(benchmark::State& state)
{
    for (auto _ : state) {
        auto list = OpenList();
        state.PauseTiming();
        list.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["target_ms"] = kOpenTargetMs;
}

void Press(QWidget* box, Qt::Key key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &release);
}

// Types the query, then takes its last character back and types it again, one keystroke
// per iteration: each one filters the store and repaints the rows.
void BM_CardListKeystroke(benchmark::State& state, const char* query)
{
    const auto list = OpenList();
    const QString text = QString::fromUtf8(query);
    list->searchBox()->setText(text);
    QCoreApplication::processEvents();
    const QString last = text.right(1);
    bool whole = true;
    for (auto _ : state) {
        if (whole)
            Press(list->searchBox(), Qt::Key_Backspace);
        else
            Press(list->searchBox(), Qt::Key_unknown, last);
        QCoreApplication::processEvents();
        whole = !whole;
    }
    if (list->searchBox()->text() != text && list->searchBox()->text() != text.chopped(1))
        state.SkipWithError("the keystrokes did not reach the search box");
    list->searchBox()->setText(text);
    state.counters["rows"] = list->table()->model()->rowCount();
    state.counters["target_ms"] = kKeystrokeTargetMs;
}

// The first click on the 読み header after the store has changed: nothing of an earlier
// sort is at hand.
void BM_CardListSortByReading(benchmark::State& state)
{
    const auto list = OpenList();
    for (auto _ : state) {
        state.PauseTiming();
        list->table()->sortByColumn(CardListModel::kNumberColumn, Qt::AscendingOrder);
        list->storeChanged();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        list->table()->sortByColumn(CardListModel::kReadingColumn, Qt::AscendingOrder);
        QCoreApplication::processEvents();
    }
    state.counters["target_ms"] = kSortTargetMs;
}

} // namespace

BENCHMARK(BM_OpenCardList)->Unit(benchmark::kMillisecond)->UseRealTime();
// No card holds 佐藤, so every word is looked for in every field of every card; every card
// holds 山田, 東京 and 新宿, and one in ten ends its fields with 9.
BENCHMARK_CAPTURE(BM_CardListKeystroke, one_word_none, "佐藤")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CardListKeystroke, one_word_all, "山田")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CardListKeystroke, three_words_none, "東京 新宿 佐藤")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CardListKeystroke, three_words_some, "山田 東京 9")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_CardListSortByReading)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace velm
