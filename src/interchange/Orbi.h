#pragma once

#include "store/CardRecord.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velm {

class CardStore;

// ---- Export -------------------------------------------------------------------------

// A non-empty value as a double quote, its bytes, a double quote and a comma; an empty
// value as a lone comma.
std::string QuoteValue(std::string_view value);

// The whole ＯＲＢＩ file for cards 1..CardCount: the header line, the tag line and a data
// line per card, each ended by CR LF. `mameJoin` joins the two address lines directly;
// otherwise they are joined by the two bytes backslash and "n".
std::string OrbiFileBytes(const CardStore& store, bool mameJoin);

// ---- Import -------------------------------------------------------------------------

inline constexpr int kOrbiColumns = 50;

// The tag of each of the 50 columns of the data lines; an empty slot drops its column.
using InterchangeTags = std::array<std::string, kOrbiColumns>;

enum class OrbiRefusal {
    NotOrbi,      // the first line holds no "ORBI": "ＯＲＢＩファイルではありません"
    TooManyCards, // more than 999 data lines: "カードが999件を超えているため読み込めません"
};

// Parses a whole ＯＲＢＩ file into cards, one per data line, in file order.
std::variant<std::vector<CardRecord>, OrbiRefusal> ORBIread(std::string_view bytes);

// Takes the next value off the front of `line`.
std::string NextValue(std::string_view& line);

// Reads the rest of a tag line into `tags`, setting all 50 slots anew.
void ORBIkaiseki(std::string_view line, InterchangeTags& tags);

// Splits an address value into Jusyo1 and Jusyo2 of `card`.
void PADR2(CardRecord& card, std::string_view value);

} // namespace velm
