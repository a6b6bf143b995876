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
    NoCards, // the first line holds no "名【": "住所録カードがありません"
    TooManyCards, // more than 999 cards: "カードが999件を超えているため読み込めません"
};

// Parses the bytes of an address-book file into cards, in file order.
std::variant<std::vector<CardRecord>, AddressBookRefusal> ParseAddressBook(std::string_view bytes);

// The bytes of the address-book file for cards 1..CardCount: four 78-byte card lines and
// a line of 78 asterisks per card, every line ended by CR LF.
std::string FormatAddressBook(const CardStore& store);

// The value with every byte pair 0x81 0x7A ("】", or a double-byte character whose second
// byte is 0x81 followed by "z") made impossible: "】" becomes "］" and such a "z" becomes
// "ｚ". The file closes every value with "】" and its reader finds it byte-wise, so a value
// holding the pair would end early and shift the fields after it.
std::string FileSafeValue(std::string_view value);

// FileSafeValue without the cut to 255 bytes. Making a value safe may lengthen it, by a
// byte for each "z" it replaces.
std::string FileSafeText(std::string_view value);

// Stores FileSafeValue(value) in `field`, without making a string when nothing changes.
void AssignFileSafe(ShortString& field, std::string_view value);

// Postal-code normalisation applied to PostNo while loading.
std::string HankakuDigit(std::string_view pair);
std::string PostNoHankaku(std::string_view postNo);
std::string NormalisePostNo(std::string_view postNo);

} // namespace velm
