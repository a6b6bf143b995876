#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velm
{

// UTF-8 and UTF-16, the encodings of files that other programs write. The store keeps
// Shift-JIS; these meet it only through Unicode code points.

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
Utf8Character DecodeUtf8At(std::string_view bytes, std::size_t at);

// Whether every byte belongs to a well-formed UTF-8 sequence.
bool IsValidUtf8(std::string_view bytes);

void AppendUtf8(std::string& out, char32_t codePoint);

enum class ByteOrder { LittleEndian, BigEndian };

// UTF-16 as UTF-8. An unpaired surrogate and an odd last byte become U+FFFD.
std::string Utf8FromUtf16(std::string_view bytes, ByteOrder order);

} // namespace velm
