#include "store/CardOrder.h"

#include "store/CardStore.h"
#include "support/Cards.h"
#include "text/ShiftJisCodec.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace velm
{
namespace
{

constexpr std::size_t kYomi = 2;

// Cards 1..n with the given readings.
std::unique_ptr<CardStore> StoreWithReadings(const std::vector<std::u32string_view>& readings)
{
    std::vector<CardRecord> cards;
    for (const std::u32string_view reading : readings)
        cards.push_back(test::MakeCard({.Yomi = EncodeShiftJis(reading)}));
    return test::StoreHolding(std::move(cards));
}

TEST(SortByGojuon, OrdersCardsByReadingAndTiesByNumber)
{
    const auto store = StoreWithReadings(
        {U"はる", U"ばか", U"はか", U"ぱか", U"ｱｲ", U"", U"らーめん", U"ラアメン", U"あい"});
    struct Case {
        std::vector<int> cards;
        std::vector<int> sorted;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {6, 5, 9, 3, 2, 4, 1, 7, 8}},
        {{9, 8, 7, 6, 5, 4, 3, 2, 1}, {6, 5, 9, 3, 2, 4, 1, 7, 8}},
        {{1, 4, 3}, {3, 4, 1}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        std::vector<int> cards = c.cards;
        SortByGojuon(cards, *store, kYomi);
        EXPECT_EQ(cards, c.sorted);
    }
}

} // namespace
} // namespace velm
