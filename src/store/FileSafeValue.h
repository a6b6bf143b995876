#pragma once

#include "text/ShortString.h"

#include <cstddef>
#include <string>
#include <string_view>

// The one rule for what a card value may hold. The address-book file closes every value
// with "】" (0x81 0x7A) and its reader finds that pair byte-wise, so a value holding the
// pair would end early and shift the fields after it; and its reader ends a line at LF, so
// a value holding LF would cut its card line in two and end the reading there. Every way
// into a card goes through this rule: the edit box as the user types, the commit of the
// boxes, the ＯＲＢＩ import and the writer of the file.

namespace velm
{

// What one character of a value becomes: "】" becomes "］", a "z" right after a
// double-byte character whose second byte is 0x81 becomes "ｚ", and LF becomes a space;
// every other character stays, CR among them. `character` is one Shift-JIS character, a
// single byte or a lead byte and a trail byte; `afterCloseLead` says whether the character
// before it, as it is kept, is double-byte and ends in 0x81.
constexpr std::string_view FileSafeCharacter(std::string_view character, bool afterCloseLead)
{
    if (character == "\x81\x7A") // 】
        return "\x81\x6E";       // ］
    if (character == "z" && afterCloseLead)
        return "\x82\x9A"; // ｚ
    if (character == "\n")
        return " ";
    return character;
}

// Every character that FileSafeCharacter changes holds one of these bytes, so a value
// without any of them is kept as it is without walking its characters. A test checks this
// against the rule for every character.
inline constexpr std::string_view kBytesOfUnsafeCharacters = "z\n";

// The value with FileSafeCharacter applied to each of its characters. A lone lead byte at
// the end is kept. The value may grow, by a byte for each "z" that becomes "ｚ".
std::string FileSafeText(std::string_view value);

// FileSafeText(value) cut to 255 bytes.
std::string FileSafeValue(std::string_view value);

// Stores FileSafeValue(value) in `field`, without making a string when nothing changes.
void AssignFileSafe(ShortString& field, std::string_view value);

// Makes typed or pasted text storable in a card, character by character: a character
// that code page 932 cannot hold becomes "?", and every character then follows
// FileSafeCharacter. Each change keeps the text's length in characters; `cursor`, a
// position in UTF-16 units, is moved along with the text and ends up after the
// replacement of a surrogate pair it stood inside. Lone surrogates become "?".
void MakeStorable(std::u16string& text, std::size_t& cursor);

} // namespace velm
