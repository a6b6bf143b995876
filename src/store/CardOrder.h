#pragma once

#include <cstddef>
#include <vector>

namespace velm
{

class CardStore;

// Puts the card numbers in 五十音 order of field `field` (an index into
// CardRecord::fields()) of their cards, by GojuonKey; cards that tie keep number order.
void SortByGojuon(std::vector<int>& cards, const CardStore& store, std::size_t field);

} // namespace velm
