#pragma once

#include "store/CardRecord.h"
#include "text/ShortString.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// The layout of a card's four lines in the address-book file, shared by its writer and its
// two readers.

namespace velm::card_layout
{

inline constexpr std::string_view kClose = "\x81\x7A";           // 】
inline constexpr std::string_view kNameTag = "\x96\xBC\x81\x79"; // 名【
inline constexpr std::size_t kLineWidth = 78;

// One column of a card line: the bytes that open it and the field it holds, padded or cut
// to its width. A column after the first is opened by the "】" that closes the one before
// it, then its tag.
struct CardColumn {
    std::string_view opening;
    ShortString CardRecord::*field;
    std::size_t width;
};

// The four lines of a card as this program writes them, each closed by a "】" after its
// last column.
inline constexpr CardColumn kNameLine[] = {
    {kNameTag, &CardRecord::Name1, 18},
    {"\x81\x7A\x81\x79", &CardRecord::Name2, 18},        // 】【
    {"\x81\x7A\x93\xC7\x81\x79", &CardRecord::Yomi, 20}, // 】読【
    {"\x81\x7A\x81\x79", &CardRecord::Mark, 2},          // 】【
};
inline constexpr CardColumn kAddressLine[] = {
    {"\x8F\x5A\x81\x79", &CardRecord::Jusyo1, 40},        // 住【
    {"\x81\x7A\x94\xF5\x81\x79", &CardRecord::biko1, 26}, // 】備【
};
inline constexpr CardColumn kPlaceLine[] = {
    {"\x8F\x8A\x81\x79", &CardRecord::Jusyo2, 40},        // 所【
    {"\x81\x7A\x8D\x6C\x81\x79", &CardRecord::biko2, 26}, // 】考【
};
inline constexpr CardColumn kPostLine[] = {
    {"\x81\xA7\x81\x79", &CardRecord::PostNo, 8},       // 〒【
    {"\x81\x7A\x93\x64\x81\x79", &CardRecord::Tel, 16}, // 】電【
    {"\x81\x7A\x81\x79", &CardRecord::biko3, 38},       // 】【
};
using CardLine = std::span<const CardColumn>;
inline constexpr std::array<CardLine, 4> kCardLines{kNameLine, kAddressLine, kPlaceLine, kPostLine};

constexpr std::size_t LineWidth(CardLine columns)
{
    std::size_t width = kClose.size();
    for (const CardColumn& column : columns)
        width += column.opening.size() + column.width;
    return width;
}

// The width of the column that holds `field`.
constexpr std::size_t ColumnWidth(ShortString CardRecord::*field)
{
    for (const CardLine line : kCardLines) {
        for (const CardColumn& column : line) {
            if (column.field == field)
                return column.width;
        }
    }
    return 0;
}

// Whether every value of `card` fits its column, so that the file keeps the card whole.
inline bool FitsColumns(const CardRecord& card)
{
    return std::ranges::all_of(kCardLines, [&card](CardLine line) {
        return std::ranges::all_of(line, [&card](const CardColumn& column) {
            return (card.*column.field).size() <= column.width;
        });
    });
}

static_assert(std::ranges::all_of(kCardLines,
                                  [](CardLine line) { return LineWidth(line) == kLineWidth; }));

} // namespace velm::card_layout
