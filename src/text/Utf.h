#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velm
{

// UTF-8 and UTF-16, the encodings of files that other programs write. The store keeps
// Shift-JIS; these meet it only through Unicode code points. The readers and writers
// convert every character of a file, so the character functions are inline.

// Replaces what forms no character.
inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// One character read from UTF-8: its code point and how many bytes it took. A byte that
// starts no well-formed sequence (a stray continuation byte, an overlong form, a surrogate,
// a code above U+10FFFF, a sequence cut short) takes one byte and is not valid.
struct Utf8Character {
    char32_t codePoint = kReplacementCharacter;
    std::size_t length = 1;
    bool valid = false;
};

// The character that starts at `at`, which must lie within `bytes`.
inline Utf8Character DecodeUtf8At(std::string_view bytes, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80)
        return {lead, 1, true};
    // The length, the bits the lead byte gives and the lowest code point of the length
    // (shorter forms are overlong).
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t lowest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1Fu;
        lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0Fu;
        lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07u;
        lowest = 0x10000;
    } else {
        return {};
    }
    if (at + length > bytes.size())
        return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[at + i]);
        if ((byte & 0xC0) != 0x80)
            return {};
        codePoint = codePoint << 6 | (byte & 0x3Fu);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < lowest || codePoint > 0x10FFFF || surrogate)
        return {};
    return {codePoint, length, true};
}

// Writes the UTF-8 of a code point at `to`, which has room for four bytes, and gives the
// place after it.
inline char* WriteUtf8(char* to, char32_t c)
{
    if (c < 0x80) {
        *to++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *to++ = static_cast<char>(0xC0 | c >> 6);
        *to++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *to++ = static_cast<char>(0xE0 | c >> 12);
        *to++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
        *to++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *to++ = static_cast<char>(0xF0 | c >> 18);
        *to++ = static_cast<char>(0x80 | (c >> 12 & 0x3F));
        *to++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
        *to++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return to;
}

inline void AppendUtf8(std::string& out, char32_t codePoint)
{
    char bytes[4];
    out.append(bytes, static_cast<std::size_t>(WriteUtf8(bytes, codePoint) - bytes));
}

enum class ByteOrder { LittleEndian, BigEndian };

// UTF-16 as UTF-8. An unpaired surrogate and an odd last byte become U+FFFD.
std::string Utf8FromUtf16(std::string_view bytes, ByteOrder order);

} // namespace velm
