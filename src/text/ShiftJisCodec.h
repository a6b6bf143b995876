#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velm
{

// Shift-JIS as Windows code page 932 writes it, converted from and to Unicode code points.
// The store keeps bytes; text becomes Unicode only where a person reads or types it.

// The replacement for bytes that form no character: a lone lead byte, a lead byte with an
// invalid second byte, or a byte the code page leaves undefined.
inline constexpr char32_t kUndecodable = U'\uFFFD';

// Decodes every character of `bytes`; bytes that form no character each become
// kUndecodable. Never fails.
std::u32string DecodeShiftJis(std::string_view bytes);

// The bytes of one character, or nothing when code page 932 cannot hold it. Besides the
// code page's own table, the characters that Linux input methods produce in place of code
// page 932 characters map to those characters' bytes (U+301C 〜 to 0x81 0x60, U+2212 − to
// 0x81 0x7C, U+2016 to 0x81 0x61, U+2014 to 0x81 0x5C, U+00A2, U+00A3 and U+00AC to
// 0x81 0x91, 0x81 0x92 and 0x81 0xCA).
std::optional<std::string> EncodeShiftJisChar(char32_t c);

// Appends the bytes of one character to `out`, or "?" when code page 932 cannot hold it;
// false in that case. Converters call it for every character of a file.
bool AppendShiftJisChar(std::string& out, char32_t c);

// Encodes the text; a character code page 932 cannot hold becomes "?".
std::string EncodeShiftJis(std::u32string_view text);

// How many UTF-16 units at the start of `text` hold the characters that EncodeShiftJis puts
// wholly within its first `byteCount` bytes. A surrogate pair is one character, encoded as
// "?".
std::size_t UnitsWithinBytes(std::u16string_view text, std::size_t byteCount);

// Appends the UTF-8 of Shift-JIS bytes to `out`; bytes that form no character become "?".
// Gives the number of such bytes.
std::size_t AppendUtf8FromShiftJis(std::string& out, std::string_view bytes);

// What a conversion from UTF-8 met: characters that became "?" because code page 932
// cannot hold them or their bytes form no UTF-8 character, and whether all were UTF-8.
struct FromUtf8 {
    std::size_t replaced = 0;
    bool wellFormed = true;
};

// Appends the Shift-JIS of UTF-8 text to `out`, each character as above.
FromUtf8 AppendShiftJisFromUtf8(std::string& out, std::string_view utf8);

} // namespace velm
