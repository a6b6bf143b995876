#pragma once

#include "store/CardLayout.h"
#include "store/CardRecord.h"
#include "text/ByteSearch.h"
#include "text/RightTrim.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

// The fast reader of card lines laid out exactly as FormatAddressBook writes them.
//
// Contract: ReadWrittenLine either reads a line by position and gives true, having read
// the very values that the general reader, which reads any line by its tags, reads from
// it; or it gives false and reads nothing, and the line is left to the general reader.
// In a line laid out as written, every tag starts the rest of the line that the tag
// reader searches, and the first "】" of that rest closes the column, so both read the
// same values. The test ParseAddressBook.ReadsAWrittenLineByPositionAsItsTagsWouldRead
// holds both readers to it with every byte of written cards changed to each byte that
// matters to the layout. The general reader in AddressBookFile.cpp stays the readable reference;
// this one only makes the common case cost a fraction of its searches. Inline, since the reader
// calls it for every line of a file.

namespace velm::card_layout
{

namespace written_line
{

// What a card line looks like as this program writes it, place by place, for the places
// where a "】" could start (all but the last byte, which the "】" there covers): the fixed
// bytes of the openings and the closing "】" with all bits of `fixed` set for them, and all
// bits of `closes` set where a "】" starts.
inline constexpr std::size_t kPlaces = kLineWidth - 1;
static_assert(kPlaces >= kByteBlockSize);

struct WrittenLine {
    std::array<char, kPlaces> bytes{};
    std::array<char, kPlaces> fixed{};
    std::array<char, kPlaces> closes{};
};

constexpr WrittenLine DescribeWrittenLine(CardLine columns)
{
    WrittenLine line;
    std::size_t at = 0;
    const auto putFixed = [&line, &at](std::string_view text) {
        for (const char byte : text) {
            if (at < kPlaces) {
                line.bytes[at] = byte;
                line.fixed[at] = -1;
            }
            ++at;
        }
    };
    for (const CardColumn& column : columns) {
        if (at != 0)
            line.closes[at] = -1;
        putFixed(column.opening);
        at += column.width;
    }
    line.closes[at] = -1;
    putFixed(kClose);
    return line;
}

inline constexpr std::array<WrittenLine, 4> kWrittenLines{
    DescribeWrittenLine(kNameLine), DescribeWrittenLine(kAddressLine),
    DescribeWrittenLine(kPlaceLine), DescribeWrittenLine(kPostLine)};

// Whether the line is laid out exactly as `written` describes: every opening and the last
// "】" in their places, and no "】" inside a column.
inline bool IsWrittenLine(std::string_view line, const WrittenLine& written)
{
    if (line.size() != kLineWidth)
        return false;
    const auto block = [](const std::array<char, kPlaces>& places, std::size_t at) {
        ByteBlock bytes;
        std::memcpy(&bytes, places.data() + at, kByteBlockSize);
        return bytes;
    };
    ByteBlock differences{};
    // The last block ends with the last place, overlapping the one before it.
    for (std::size_t start = 0; start < kPlaces; start += kByteBlockSize) {
        const std::size_t at = std::min(start, kPlaces - kByteBlockSize);
        ByteBlock bytes;
        std::memcpy(&bytes, line.data() + at, kByteBlockSize);
        differences |= (bytes ^ block(written.bytes, at)) & block(written.fixed, at);
        differences |= PairHits(line.data() + at, kClose[0], kClose[1]) ^ block(written.closes, at);
    }
    return FirstHit(differences) == kByteBlockSize;
}

} // namespace written_line

// Reads line `lineIndex` (0 to 3) of a card into `card` when it is laid out exactly as
// written; see the contract above.
inline bool ReadWrittenLine(std::string_view line, std::size_t lineIndex, CardRecord& card)
{
    if (!written_line::IsWrittenLine(line, written_line::kWrittenLines[lineIndex]))
        return false;
    std::size_t at = 0;
    for (const CardColumn& column : kCardLines[lineIndex]) {
        at += column.opening.size();
        (card.*column.field).assign(RightTrim(line.substr(at, column.width)));
        at += column.width;
    }
    return true;
}

} // namespace velm::card_layout
