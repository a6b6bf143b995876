#pragma once

#include "store/CardRecord.h"
#include "text/ShortString.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{

// The texts of the eleven edit boxes in record order, as Shift-JIS bytes.
using BoxTexts = std::array<std::string, CardRecord::kFieldCount>;

// The whole working state of the program: 999 card slots numbered 1 to 999, the number
// of cards in use, the two change flags and the current paths. There is one per process,
// owned by the main window; nothing outside 1..999 is ever addressed.
class CardStore
{
  public:
    static constexpr int kCapacity = 999;

    CardStore() = default;
    CardStore(const CardStore&) = delete;
    CardStore& operator=(const CardStore&) = delete;

    static bool isSlotNumber(int k) { return k >= 1 && k <= kCapacity; }

    // Slot k, 1 <= k <= 999. Any other number is a programming error and aborts.
    CardRecord& card(int k);
    const CardRecord& card(int k) const;

    int CardCount = 0;
    bool CardEdited = false;
    bool StoreModified = false;
    std::string ExeDir;
    // The folder of the user's files, ending with its separator: ExeDir for a copy of its
    // own, the user's data folder for an installed program. Decided at start.
    std::string DataDir;
    std::string AddressBookPath;
    std::string InterchangePath;
    ShortString VersionText{std::string_view("VELM v0.29")};

    // Cards 1..CardCount, in order.
    std::span<const CardRecord> countedCards() const
    {
        return {m_slots.data(), static_cast<std::size_t>(CardCount)};
    }

    // True when the store has room for one more card.
    bool hasRoom() const { return CardCount < kCapacity; }

    // The commit rule: the boxes, each right-trimmed and cut to 255 bytes, go into card k;
    // the count grows by one when k is above the count and the stored Name1 is not empty;
    // StoreModified becomes true. k must be a slot number.
    void commit(int k, const BoxTexts& boxes);

    // Inserts a blank card at position p (1 <= p <= CardCount + 1): cards p..CardCount move
    // up by one and the count grows. Refused (false, nothing changed) when the store is
    // full. StoreModified is not changed.
    bool insertBlank(int p);

    // Deletes card c when 1 <= c <= CardCount: the cards after it move down by one, the
    // slot after the last counted card (the new-card slot, or nothing when the store is
    // full) fills the last counted place, the count shrinks and StoreModified becomes true.
    // False and nothing changed otherwise.
    bool deleteCard(int c);

    // Replaces the cards with `cards` (at most 999): slots 1..n take them, slots above n
    // are blanked, CardCount becomes n and StoreModified false. A vector with room for 999
    // cards becomes the slots itself, so a large file is taken without copying its cards.
    void replaceCards(std::vector<CardRecord> cards);

  private:
    // Always exactly kCapacity slots.
    std::vector<CardRecord> m_slots = std::vector<CardRecord>(kCapacity);
};

} // namespace velm
