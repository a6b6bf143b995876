#pragma once

#include "interchange/Conversion.h"
#include "store/CardRecord.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{

// A card as another program's file gives it, in Shift-JIS bytes, before it is made to fit
// the store. The vCard and CSV readers fill one per card.
struct ForeignCard {
    std::string name1;
    std::string name2;
    std::string yomi;
    std::string mark;
    std::string jusyo1;
    std::string jusyo2;
    std::string postNo;
    std::string tel;
    std::string company;
    std::string department;
    std::string memo;
    // "種類: 値" items for what has no field of its own, in the order found.
    std::vector<std::string> memoItems;
    // Characters that became "?" while the values were converted to Shift-JIS.
    std::size_t replaced = 0;

    // The values in the record order of CardRecord.
    std::array<std::string*, CardRecord::kFieldCount> values();

    // Adds "kind: value" to the memo items; an empty value adds nothing.
    void addMemoItem(std::string_view kind, std::string_view value);
};

// The card the store keeps: line breaks become spaces, each value is made safe for the
// address-book file and cut to 255 bytes at a character boundary, and the memo items follow
// the memo, separated by " / ", as far as they fit whole (an item too long for an empty
// memo is cut instead). The card is counted into `report`, with what had to be left out.
CardRecord TakeForeignCard(ForeignCard foreign, ConversionReport& report);

// The parts of a name joined with a full-width space, skipping empty parts.
std::string JoinName(std::initializer_list<std::string_view> parts);

// The parts of an address in the order given (prefecture, city, street) joined without a
// separator, as Japanese addresses are written; only where two parts meet with ASCII
// letters or digits does a space keep them apart. Empty parts are skipped.
std::string JoinAddress(std::initializer_list<std::string_view> parts);

// The parts joined with an ASCII space, skipping empty parts.
std::string JoinWithSpace(std::initializer_list<std::string_view> parts);

// Whether a country names Japan: 日本, Japan or JP, in any case.
bool IsJapan(std::string_view country);

} // namespace velm
