#include "text/ShiftJisCodec.h"

#include "text/ShiftJis.h"
#include "text/ShiftJisTable.h"

#include <cstdint>
#include <vector>

namespace velm
{

namespace
{

using namespace shiftjis_table;

// A code as stored in the reverse map: a single byte as itself, a pair as lead * 256 +
// trail. No code has the value 0xFFFF, since 0xFF is never a trail byte.
using Code = std::uint16_t;
inline constexpr Code kNoCode = 0xFFFF;

// Characters that Linux input methods produce where code page 932 has a look-alike of its
// own, with the code of that look-alike.
struct ExtraEncoding {
    char32_t codePoint;
    Code code;
};
inline constexpr ExtraEncoding kExtraEncodings[] = {
    {U'\u301C', 0x8160}, // WAVE DASH as the code page's tilde
    {U'\u2212', 0x817C}, // MINUS SIGN
    {U'\u2016', 0x8161}, // DOUBLE VERTICAL LINE
    {U'\u2014', 0x815C}, // EM DASH
    {U'\u00A2', 0x8191}, // CENT SIGN
    {U'\u00A3', 0x8192}, // POUND SIGN
    {U'\u00AC', 0x81CA}, // NOT SIGN
};

// The code point of a lead/trail pair, or nothing when the pair is no character.
std::optional<char32_t> DecodePair(unsigned char lead, unsigned char trail)
{
    if (trail < kFirstTrail || trail > kLastTrail) {
        return std::nullopt;
    }
    const std::uint16_t codePoint = kDoubleByte[LeadRow(lead)][trail - kFirstTrail];
    if (codePoint == 0) {
        return std::nullopt;
    }
    return codePoint;
}

void SetIfUnset(std::vector<Code>& map, char32_t codePoint, Code code)
{
    if (map[codePoint] == kNoCode) {
        map[codePoint] = code;
    }
}

// Unicode (the Basic Multilingual Plane, which holds every character of the code page) to
// code. A character with several codes gets its lowest one, which is also the one Python's
// cp932 encoder picks (the table generator checks this).
std::vector<Code> BuildReverseMap()
{
    std::vector<Code> map(0x10000, kNoCode);
    for (unsigned byte = 0; byte < 256; ++byte) {
        if (kSingleByte[byte] != kNoCharacter) {
            SetIfUnset(map, kSingleByte[byte], static_cast<Code>(byte));
        }
    }
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsLeadByte(static_cast<unsigned char>(lead))) {
            continue;
        }
        for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
            const std::uint16_t codePoint =
                kDoubleByte[LeadRow(static_cast<unsigned char>(lead))][trail - kFirstTrail];
            if (codePoint != 0) {
                SetIfUnset(map, codePoint, static_cast<Code>(lead << 8 | trail));
            }
        }
    }
    for (const ExtraEncoding& extra : kExtraEncodings) {
        SetIfUnset(map, extra.codePoint, extra.code);
    }
    return map;
}

const std::vector<Code>& ReverseMap()
{
    static const std::vector<Code> kMap = BuildReverseMap();
    return kMap;
}

} // namespace

std::u32string DecodeShiftJis(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!IsLeadByte(byte)) {
            const std::uint16_t codePoint = kSingleByte[byte];
            text.push_back(codePoint == kNoCharacter ? kUndecodable : codePoint);
            ++i;
            continue;
        }
        // A lead byte that forms no character with the next byte stands alone, and the
        // next byte is read afresh: it may start a character of its own.
        const std::optional<char32_t> pair =
            i + 1 < bytes.size() ? DecodePair(byte, static_cast<unsigned char>(bytes[i + 1]))
                                 : std::nullopt;
        text.push_back(pair.value_or(kUndecodable));
        i += pair ? 2 : 1;
    }
    return text;
}

std::optional<std::string> EncodeShiftJisChar(char32_t c)
{
    if (c >= 0x10000) {
        return std::nullopt;
    }
    const Code code = ReverseMap()[c];
    if (code == kNoCode) {
        return std::nullopt;
    }
    if (code < 0x100) {
        return std::string(1, static_cast<char>(code));
    }
    return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

std::string EncodeShiftJis(std::u32string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char32_t c : text) {
        bytes += EncodeShiftJisChar(c).value_or("?");
    }
    return bytes;
}

std::size_t UnitsWithinBytes(std::u16string_view text, std::size_t byteCount)
{
    std::size_t units = 0;
    std::size_t bytes = 0;
    while (units < text.size()) {
        const char16_t unit = text[units];
        const bool pair = unit >= 0xD800 && unit <= 0xDBFF && units + 1 < text.size() &&
                          text[units + 1] >= 0xDC00 && text[units + 1] <= 0xDFFF;
        bytes += pair ? 1 : EncodeShiftJisChar(unit).value_or("?").size();
        if (bytes > byteCount)
            break;
        units += pair ? 2 : 1;
    }
    return units;
}

} // namespace velm
