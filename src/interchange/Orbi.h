#pragma once

#include "interchange/OrbiColumns.h"
#include "store/CardRecord.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velm
{

class CardStore;

// ---- Export -------------------------------------------------------------------------

// A non-empty value as a double quote, its bytes, a double quote and a comma; an empty
// value as a lone comma.
std::string QuoteValue(std::string_view value);

// The whole ＯＲＢＩ file for cards 1..CardCount: the header line, the tag line and a data
// line per card, each ended by CR LF. `mameJoin` joins the two address lines directly;
// otherwise they are joined by the two bytes backslash and "n".
std::string FormatOrbi(const CardStore& store, bool mameJoin);

// ---- Import -------------------------------------------------------------------------

inline constexpr int kOrbiColumns = 50;

// The tag of each of the 50 columns of the data lines, as the last tag line set them: one
// of the ten known tags, or nothing, and then the data lines drop that column.
class InterchangeTags
{
  public:
    // The known column that slot `slot` (from 0) names, or nothing.
    const OrbiColumn* column(std::size_t slot) const { return m_columns[slot]; }

    // The tag in slot `slot`, empty when there is none.
    std::string_view tag(std::size_t slot) const;

  private:
    friend void ORBIkaiseki(std::string_view line, InterchangeTags& tags);

    std::array<const OrbiColumn*, kOrbiColumns> m_columns{};
    // The slots from this one on name no column.
    std::size_t m_named = 0;
};

enum class OrbiRefusal {
    NotOrbi,      // the first line holds no "ORBI"
    TooManyCards, // more than 999 data lines, told with kTooManyCardsMessage
};

// What the window and the converter say of a file refused as NotOrbi, in UTF-8.
inline constexpr std::string_view kNotOrbiMessage = "ＯＲＢＩファイルではありません";

// Parses a whole ＯＲＢＩ file into cards, one per data line, in file order. The first line
// must hold "ORBI"; reading stops at the first empty line or at the end; only lines that
// begin with "I" (a tag line) or "D" (a data line), quotes included, count. The tags start
// empty for every file, and each card starts blank before its data line fills the fields
// its columns name. Every stored value is made safe for the address-book file and keeps
// its first 255 bytes.
std::variant<std::vector<CardRecord>, OrbiRefusal> ParseOrbi(std::string_view bytes);

// Takes the next value off the front of `line`. A value that begins with a double quote
// runs to the first quote-and-comma after that quote, when there is one, so it may hold
// commas. Any other value is the text up to and including the first comma without its first byte
// and its last two bytes, which are taken to be the quotes and the comma unseen: a lone comma and
// an unquoted "ab," give an empty value, an unquoted "abc," gives "b". Without a comma the
// value is empty and `line` is left unchanged.
std::string NextValue(std::string_view& line);

// Reads the rest of a tag line into `tags`, setting all 50 slots anew: slot i holds the
// i-th value when that is one of the ten known tags, and is empty otherwise. The work is
// that of the values read and of the slots the previous line named, never all 50 for a
// short line: a file of millions of short tag lines takes one pass over its bytes.
void ORBIkaiseki(std::string_view line, InterchangeTags& tags);

// Splits an address value into Jusyo1 and Jusyo2 of `card`: at the first backslash-n pair,
// which is dropped; otherwise at the first ASCII or full-width space, which begins Jusyo2;
// a value without either goes whole into Jusyo1 and leaves Jusyo2 alone.
void PADR2(CardRecord& card, std::string_view value);

} // namespace velm
