#include "store/CardStore.h"

#include "store/FileSafeValue.h"
#include "text/RightTrim.h"

#include <algorithm>
#include <cstdlib>

namespace velm
{

CardRecord& CardStore::card(int k)
{
    if (!isSlotNumber(k))
        std::abort();
    return m_slots[static_cast<std::size_t>(k - 1)];
}

const CardRecord& CardStore::card(int k) const
{
    if (!isSlotNumber(k))
        std::abort();
    return m_slots[static_cast<std::size_t>(k - 1)];
}

void CardStore::commit(int k, const BoxTexts& boxes)
{
    CardRecord& target = card(k);
    auto fields = target.fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        AssignFileSafe(*fields[i], RightTrim(boxes[i]));
    if (k > CardCount && !target.Name1.empty())
        ++CardCount;
    StoreModified = true;
}

bool CardStore::insertBlank(int p)
{
    if (!hasRoom() || p < 1 || p > CardCount + 1)
        return false;
    for (int j = CardCount; j >= p; --j)
        card(j + 1) = card(j);
    card(p).clear();
    ++CardCount;
    return true;
}

bool CardStore::deleteCard(int c)
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

void CardStore::replaceCards(std::vector<CardRecord> cards)
{
    const std::size_t n = cards.size();
    if (n > static_cast<std::size_t>(kCapacity))
        std::abort();
    if (cards.capacity() >= static_cast<std::size_t>(kCapacity)) {
        // The vector has room for every slot, so it becomes the slots without a card copied.
        cards.resize(kCapacity);
        m_slots.swap(cards);
    } else {
        std::copy(cards.begin(), cards.end(), m_slots.begin());
        for (std::size_t i = n; i < m_slots.size(); ++i)
            m_slots[i].clear();
    }
    CardCount = static_cast<int>(n);
    StoreModified = false;
}

} // namespace velm
