#include "support/Bytes.h"

#include "text/ShiftJisCodec.h"
#include "text/Utf.h"

#include <cstdio>

namespace velm::test
{

std::string HexBytes(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (!hex.empty())
            hex += ' ';
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex.empty() ? "(empty)" : hex;
}

std::string HexUnits(std::u16string_view text)
{
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xFF);
    }
    std::string hex = HexBytes(bytes);
    // Pairs of bytes become one unit.
    for (std::size_t space = 2; space < hex.size(); space += 4)
        hex.erase(space, 1);
    return hex;
}

std::string HexDump(std::string_view bytes)
{
    std::string dump;
    char cell[32];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0) {
            std::snprintf(cell, sizeof cell, "%s%06zx:", i == 0 ? "" : "\n", i);
            dump += cell;
        }
        std::snprintf(cell, sizeof cell, " %02x", static_cast<unsigned char>(bytes[i]));
        dump += cell;
    }
    return dump;
}

std::string Repeated(std::string_view bytes, std::size_t times)
{
    std::string result;
    result.reserve(bytes.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        result += bytes;
    return result;
}

std::string Sjis(std::string_view utf8)
{
    std::u32string text;
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Character character = DecodeUtf8At(utf8, at);
        text += character.codePoint;
        at += character.length;
    }
    return EncodeShiftJis(text);
}

} // namespace velm::test
