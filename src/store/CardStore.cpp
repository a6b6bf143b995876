#include "store/CardStore.h"

#include "store/AddressBookFile.h"
#include "text/RightTrim.h"

#include <cstdlib>

namespace velm
{

CardRecord& CardStore::card(int k)
{
    if (!IsSlotNumber(k))
        std::abort();
    return m_slots[static_cast<std::size_t>(k - 1)];
}

const CardRecord& CardStore::card(int k) const
{
    if (!IsSlotNumber(k))
        std::abort();
    return m_slots[static_cast<std::size_t>(k - 1)];
}

void CardStore::Commit(int k, const BoxTexts& boxes)
{
    CardRecord& target = card(k);
    auto fields = target.fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        AssignFileSafe(*fields[i], RightTrim(boxes[i]));
    if (k > CardCount && !target.Name1.empty())
        ++CardCount;
    StoreModified = true;
}

bool CardStore::InsertBlank(int p)
{
    if (!HasRoom() || p < 1 || p > CardCount + 1)
        return false;
    for (int j = CardCount; j >= p; --j)
        card(j + 1) = card(j);
    card(p).clear();
    ++CardCount;
    return true;
}

bool CardStore::Delete(int c)
{
    if (c < 1 || c > CardCount)
        return false;
    for (int j = c; j < CardCount; ++j)
        card(j) = card(j + 1);
    // The new-card slot moves into the last counted place; a full store has none, so that
    // place becomes empty.
    if (CardCount < kCapacity)
        card(CardCount) = card(CardCount + 1);
    else
        card(CardCount).clear();
    --CardCount;
    StoreModified = true;
    return true;
}

void CardStore::ReplaceCards(std::vector<CardRecord> cards)
{
    if (cards.size() > static_cast<std::size_t>(kCapacity))
        std::abort();
    CardCount = static_cast<int>(cards.size());
    cards.resize(kCapacity);
    m_slots.swap(cards);
    StoreModified = false;
}

} // namespace velm
