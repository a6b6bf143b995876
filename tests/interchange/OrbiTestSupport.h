#pragma once

#include "store/CardRecord.h"
#include "store/CardStore.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{

// The bytes as two hex digits each, space-separated, so failures show Shift-JIS exactly.
inline std::string HexDump(std::string_view bytes)
{
    std::string dump;
    for (const char byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X ", static_cast<unsigned char>(byte));
        dump += digits;
    }
    return dump.empty() ? "(empty)" : dump;
}

inline ::testing::AssertionResult SameBytes(std::string_view actual, std::string_view expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "\n  actual:   " << HexDump(actual) << "\n  expected: " << HexDump(expected);
}

// Lets gtest show a card field by field in hex when two cards differ.
inline void PrintTo(const CardRecord& card, std::ostream* out)
{
    static constexpr std::array<const char*, CardRecord::kFieldCount> kNames{
        "Name1",  "Name2", "Yomi",  "Mark",  "Jusyo1", "Jusyo2",
        "PostNo", "Tel",   "biko1", "biko2", "biko3"};
    const auto fields = card.fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        *out << "\n    " << kNames[i] << ": " << HexDump(fields[i]->view());
}

// The eleven field values in record order: Name1, Name2, Yomi, Mark, Jusyo1, Jusyo2,
// PostNo, Tel, biko1, biko2, biko3.
using FieldValues = std::array<std::string_view, CardRecord::kFieldCount>;

inline CardRecord MakeCard(const FieldValues& values)
{
    CardRecord card;
    const auto fields = card.fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->assign(values[i]);
    return card;
}

// A store holding `cards` as cards 1..n with CardCount n.
inline std::unique_ptr<CardStore> StoreWith(const std::vector<CardRecord>& cards)
{
    auto store = std::make_unique<CardStore>();
    for (std::size_t i = 0; i < cards.size(); ++i)
        store->card(static_cast<int>(i) + 1) = cards[i];
    store->CardCount = static_cast<int>(cards.size());
    return store;
}

} // namespace velm
