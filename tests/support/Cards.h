#pragma once

#include "store/CardRecord.h"
#include "store/CardStore.h"

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velm::test
{

// The texts of one card in record order, given in order or by designated initialisers.
struct CardText {
    std::string_view Name1{};
    std::string_view Name2{};
    std::string_view Yomi{};
    std::string_view Mark{};
    std::string_view Jusyo1{};
    std::string_view Jusyo2{};
    std::string_view PostNo{};
    std::string_view Tel{};
    std::string_view biko1{};
    std::string_view biko2{};
    std::string_view biko3{};
};

CardRecord MakeCard(const CardText& text);

// The same for texts written in UTF-8, each stored as its Shift-JIS bytes.
CardRecord SjisCard(const CardText& utf8);

// A store on the heap (it is too large for a test's stack) holding the cards as 1..n, with
// CardCount n and no change flag set.
std::unique_ptr<CardStore> StoreWith(const std::vector<CardText>& cards);

// The same for cards already made.
std::unique_ptr<CardStore> StoreHolding(std::vector<CardRecord> cards);

// The largest store: 999 cards, every field 255 bytes of double-byte text (127 kanji and
// kana and an ASCII digit), no two cards alike.
std::vector<CardRecord> FullStoreCards();

// The card's eleven fields by name, each in hex on a line of its own, for failure messages.
std::string DescribeCard(const CardRecord& card);

} // namespace velm::test

namespace velm
{

// Lets GoogleTest show a card field by field in hex when two cards differ.
void PrintTo(const CardRecord& card, std::ostream* out);

} // namespace velm
