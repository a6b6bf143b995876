#pragma once

#include <cstddef>
#include <string>

// Rules for text as it arrives in a one-line edit box, whether typed, pasted, dropped or
// committed by an input method. Each works on the box's whole text in UTF-16 and keeps
// `cursor`, a position in UTF-16 units, on the same character.

namespace velm
{

// Makes the text one line without control characters: each line break (CR LF, CR, LF,
// U+2028, U+2029, U+0085) and each tab becomes one space, and every other character below
// U+0020 and U+007F is removed. A value on one line of a file then stays on that line,
// and a pasted address stays whole and readable.
void MakeSingleLine(std::u16string& text, std::size_t& cursor);

// Full-width digits (０ to ９) become ASCII digits; every other character stays.
void MakeHalfWidthDigits(std::u16string& text);

// For postal codes and telephone numbers: full-width digits become ASCII digits, and the
// hyphen-like characters －, −, ‐ and ―, and ー between two digits, become "-". Each change
// replaces one character by one, so no cursor moves.
void MakeHalfWidthNumber(std::u16string& text);

} // namespace velm
