#include "store/CardOrder.h"

#include "store/CardStore.h"
#include "text/GojuonKey.h"

#include <algorithm>
#include <string>
#include <utility>

namespace velm
{

void SortByGojuon(std::vector<int>& cards, const CardStore& store, std::size_t field)
{
    // Each key is made once, not at every comparison.
    std::vector<std::pair<std::string, int>> keyed;
    keyed.reserve(cards.size());
    for (const int card : cards)
        keyed.emplace_back(GojuonKey(store.card(card).fields()[field]->view()), card);
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < keyed.size(); ++i)
        cards[i] = keyed[i].second;
}

} // namespace velm
