#pragma once

#include "store/CardRecord.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velm
{

class CardStore;

// Why an address-book file was refused as a whole; nothing is loaded in either case.
enum class AddressBookRefusal {
    NoCards,      // the first line holds no "名【"
    TooManyCards, // more than 999 cards
};

// What the window and the converter say of each refusal, in UTF-8. A refused ＯＲＢＩ or
// other file of more than 999 cards is told with the same text.
inline constexpr std::string_view kNoCardsMessage = "住所録カードがありません";
inline constexpr std::string_view kTooManyCardsMessage =
    "カードが999件を超えているため読み込めません";

// Parses the bytes of an address-book file into cards, in file order.
std::variant<std::vector<CardRecord>, AddressBookRefusal> ParseAddressBook(std::string_view bytes);

// The bytes of the address-book file for cards 1..CardCount: four 78-byte card lines and
// a line of 78 asterisks per card, every line ended by CR LF.
std::string FormatAddressBook(const CardStore& store);

// Postal-code normalisation applied to PostNo while loading.
std::string HankakuDigit(std::string_view pair);
std::string PostNoHankaku(std::string_view postNo);
std::string NormalisePostNo(std::string_view postNo);

} // namespace velm
