#include "interchange/Orbi.h"
#include "interchange/OrbiColumns.h"
#include "store/CardStore.h"
#include "store/FileSafeValue.h"
#include "text/ByteSearch.h"
#include "text/LineReader.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{

namespace
{

constexpr std::string_view kMagicWord = "ORBI";
constexpr std::string_view kTagRecord = "\"I\"";
constexpr std::string_view kDataRecord = "\"D\"";
// The record type and the comma after it.
constexpr std::size_t kRecordTypeLength = 4;
constexpr std::string_view kQuoteComma = "\",";
constexpr std::string_view kAddressSeparator = "\\n";
constexpr std::string_view kSpace = " ";
constexpr std::string_view kFullWidthSpace = "\x81\x40"; // 　

// The rest of a line being taken apart value by value, with the separators it is known to
// lack. The rest only ever loses bytes at its front, so a separator once missing stays
// missing, and each search that fails is made once per line instead of once per value:
// the 50 values of a line of tens of megabytes then take one pass over it, not 50.
struct ValueCursor {
    std::string_view rest;
    bool lacksQuoteComma = false;
    bool lacksComma = false;
};

// The value up to and including the first comma, without its first byte and its last two,
// which are taken to be the quotes and the comma without looking at them. An unquoted abc
// followed by a comma so gives b. Without a comma the value is empty and the line is left
// as it is.
std::string_view NextPlainValue(ValueCursor& cursor)
{
    const std::size_t comma = cursor.lacksComma ? 0 : FindBytes(cursor.rest, ",");
    if (comma == 0) {
        cursor.lacksComma = true;
        cursor.lacksQuoteComma = true;
        return {};
    }
    const std::string_view raw = cursor.rest.substr(0, comma);
    cursor.rest.remove_prefix(comma);
    if (raw.size() < 4)
        return {};
    return raw.substr(1, raw.size() - 3);
}

// NextValue on a cursor; the value is a view into the line.
std::string_view TakeValue(ValueCursor& cursor)
{
    if (cursor.rest.starts_with('"') && !cursor.lacksQuoteComma) {
        const std::size_t close = FindBytes(cursor.rest.substr(1), kQuoteComma);
        if (close != 0) {
            const std::string_view value = cursor.rest.substr(1, close - 1);
            cursor.rest.remove_prefix(close + kQuoteComma.size());
            return value;
        }
        cursor.lacksQuoteComma = true;
    }
    return NextPlainValue(cursor);
}

// The position, counting from 1, of the first ASCII space or full-width space, or 0.
std::size_t FirstSpace(std::string_view value)
{
    const std::size_t ascii = FindBytes(value, kSpace);
    const std::size_t fullWidth = FindBytes(value, kFullWidthSpace);
    if (ascii == 0 || fullWidth == 0)
        return std::max(ascii, fullWidth);
    return std::min(ascii, fullWidth);
}

// The known column whose tag is `value`, or none.
const OrbiColumn* KnownColumn(std::string_view value)
{
    const auto* known =
        std::find_if(kKnownColumns.begin(), kKnownColumns.end(),
                     [value](const OrbiColumn& column) { return column.tag == value; });
    return known == kKnownColumns.end() ? nullptr : known;
}

void StoreColumn(CardRecord& card, const OrbiColumn& column, std::string_view value)
{
    if (column.tag == kAddressTag)
        PADR2(card, value);
    else
        AssignFileSafe(card.*column.field, value);
}

// Fills a blank card from the rest of a data line: each of the first 50 values goes to the
// field its column names; a value in a slot without a known tag is dropped.
void FillCard(CardRecord& card, std::string_view line, const InterchangeTags& tags)
{
    ValueCursor cursor{line};
    for (std::size_t i = 0; i < kOrbiColumns && !cursor.rest.empty(); ++i) {
        const std::string_view value = TakeValue(cursor);
        if (const OrbiColumn* column = tags.column(i))
            StoreColumn(card, *column, value);
    }
}

std::string_view WithoutRecordType(std::string_view line)
{
    line.remove_prefix(std::min(line.size(), kRecordTypeLength));
    return line;
}

} // namespace

std::string NextValue(std::string_view& line)
{
    ValueCursor cursor{line};
    const std::string value(TakeValue(cursor));
    line = cursor.rest;
    return value;
}

std::string_view InterchangeTags::tag(std::size_t slot) const
{
    return m_columns[slot] ? m_columns[slot]->tag : std::string_view();
}

void ORBIkaiseki(std::string_view line, InterchangeTags& tags)
{
    ValueCursor cursor{line};
    std::size_t read = 0;
    for (; read < kOrbiColumns && !cursor.rest.empty(); ++read)
        tags.m_columns[read] = KnownColumn(TakeValue(cursor));
    // Only the slots that the previous line named can hold a column past these.
    if (tags.m_named > read)
        std::fill(tags.m_columns.begin() + read, tags.m_columns.begin() + tags.m_named, nullptr);
    tags.m_named = read;
}

void PADR2(CardRecord& card, std::string_view value)
{
    const std::size_t separator = FindBytes(value, kAddressSeparator);
    if (separator != 0) {
        AssignFileSafe(card.Jusyo1, value.substr(0, separator - 1));
        AssignFileSafe(card.Jusyo2, value.substr(separator - 1 + kAddressSeparator.size()));
        return;
    }
    const std::size_t space = FirstSpace(value);
    if (space == 0) {
        AssignFileSafe(card.Jusyo1, value);
        return;
    }
    AssignFileSafe(card.Jusyo1, value.substr(0, space - 1));
    AssignFileSafe(card.Jusyo2, value.substr(space - 1));
}

std::variant<std::vector<CardRecord>, OrbiRefusal> ParseOrbi(std::string_view bytes)
{
    LineReader reader(bytes);
    if (FindBytes(reader.readLine(), kMagicWord) == 0)
        return OrbiRefusal::NotOrbi;

    InterchangeTags tags;
    std::vector<CardRecord> cards;
    // Room for as many cards as the file could hold if its lines were as short as any data
    // line the export writes, so that a full file is read without moving its cards as the
    // vector grows and the store can take the vector as its slots.
    constexpr std::size_t kShortestDataLine = 16;
    cards.reserve(std::min(static_cast<std::size_t>(CardStore::kCapacity),
                           bytes.size() / kShortestDataLine + 1));
    for (;;) {
        const std::string_view line = reader.readLine();
        if (line.empty())
            break;
        const std::string_view recordType = line.substr(0, kRecordTypeLength - 1);
        if (recordType == kTagRecord) {
            ORBIkaiseki(WithoutRecordType(line), tags);
        } else if (recordType == kDataRecord) {
            if (cards.size() == static_cast<std::size_t>(CardStore::kCapacity))
                return OrbiRefusal::TooManyCards;
            FillCard(cards.emplace_back(), WithoutRecordType(line), tags);
        }
        if (reader.atEnd())
            break;
    }
    return cards;
}

} // namespace velm
