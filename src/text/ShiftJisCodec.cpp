#include "text/ShiftJisCodec.h"

#include "text/ShiftJis.h"
#include "text/ShiftJisTable.h"
#include "text/Utf.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
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

// The UTF-8 of a character of the code page: up to three bytes and how many there are;
// none where the bytes form no character.
struct Utf8Bytes {
    char bytes[3] = {};
    std::uint8_t length = 0;
};

// Single bytes are looked up at their value, pairs after them.
constexpr std::size_t kFirstPairIndex = 256;

std::size_t PairIndex(unsigned char lead, unsigned char trail)
{
    return kFirstPairIndex + LeadRow(lead) * kTrailCount + (trail - kFirstTrail);
}

Utf8Bytes Utf8BytesOf(char32_t codePoint)
{
    char bytes[4];
    const char* end = WriteUtf8(bytes, codePoint);
    Utf8Bytes utf8;
    utf8.length = static_cast<std::uint8_t>(end - bytes);
    std::copy(bytes, bytes + utf8.length, utf8.bytes);
    return utf8;
}

// The UTF-8 of every byte and pair of the code page, so that converting a character takes
// one look-up.
std::vector<Utf8Bytes> BuildUtf8Table()
{
    std::vector<Utf8Bytes> table(kFirstPairIndex + kLeadCount * kTrailCount);
    for (unsigned byte = 0; byte < 256; ++byte) {
        if (kSingleByte[byte] != kNoCharacter) {
            table[byte] = Utf8BytesOf(kSingleByte[byte]);
        }
    }
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsLeadByte(static_cast<unsigned char>(lead))) {
            continue;
        }
        for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
            const auto leadByte = static_cast<unsigned char>(lead);
            const auto trailByte = static_cast<unsigned char>(trail);
            if (const std::optional<char32_t> pair = DecodePair(leadByte, trailByte)) {
                table[PairIndex(leadByte, trailByte)] = Utf8BytesOf(*pair);
            }
        }
    }
    return table;
}

const std::vector<Utf8Bytes>& Utf8Table()
{
    static const std::vector<Utf8Bytes> table = BuildUtf8Table();
    return table;
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

bool AppendShiftJisChar(std::string& out, char32_t c)
{
    const Code code = c < 0x10000 ? ReverseMap()[c] : kNoCode;
    if (code == kNoCode) {
        out += '?';
        return false;
    }
    if (code >= 0x100) {
        out += static_cast<char>(code >> 8);
    }
    out += static_cast<char>(code & 0xFF);
    return true;
}

std::string EncodeShiftJis(std::u32string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char32_t c : text) {
        AppendShiftJisChar(bytes, c);
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

std::size_t AppendUtf8FromShiftJis(std::string& out, std::string_view bytes)
{
    // A byte becomes at most three bytes, as half-width katakana do; each character is
    // copied as four bytes, the last of which the next one overwrites.
    const std::size_t start = out.size();
    out.resize(start + bytes.size() * 3 + 1);
    char* to = out.data() + start;
    const std::vector<Utf8Bytes>& table = Utf8Table();
    std::size_t replaced = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            *to++ = static_cast<char>(byte);
            ++i;
            continue;
        }
        const Utf8Bytes* utf8 = &table[byte];
        if (IsLeadByte(byte) && i + 1 < bytes.size()) {
            const auto trail = static_cast<unsigned char>(bytes[i + 1]);
            if (trail >= kFirstTrail && trail <= kLastTrail &&
                table[PairIndex(byte, trail)].length != 0) {
                utf8 = &table[PairIndex(byte, trail)];
                ++i;
            }
        }
        ++i;
        if (utf8->length == 0) {
            *to++ = '?';
            ++replaced;
            continue;
        }
        std::memcpy(to, utf8, sizeof *utf8);
        to += utf8->length;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return replaced;
}

FromUtf8 AppendShiftJisFromUtf8(std::string& out, std::string_view utf8)
{
    // A character never takes more bytes in Shift-JIS than in UTF-8.
    const std::size_t start = out.size();
    out.resize(start + utf8.size());
    char* to = out.data() + start;
    const Code* codes = ReverseMap().data();
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t size = utf8.size();
    FromUtf8 result;
    std::size_t i = 0;
    while (i < size) {
        const unsigned lead = bytes[i];
        if (lead < 0x80) {
            *to++ = static_cast<char>(lead);
            ++i;
            continue;
        }
        // A run of the three-byte characters that Japanese text is made of takes the short
        // way: code points of the code page, neither overlong nor surrogates (which have no
        // code). Anything else ends the run and goes the long way.
        bool inRun = false;
        while (i + 2 < size) {
            const unsigned first = bytes[i];
            const unsigned second = bytes[i + 1];
            const unsigned third = bytes[i + 2];
            if (((first & 0xF0) ^ 0xE0) | ((second & 0xC0) ^ 0x80) | ((third & 0xC0) ^ 0x80)) {
                break;
            }
            const unsigned codePoint =
                (first & 0x0Fu) << 12 | (second & 0x3Fu) << 6 | (third & 0x3Fu);
            const Code code = codes[codePoint];
            if (codePoint < 0x800 || code == kNoCode) {
                break;
            }
            if (code >= 0x100) {
                *to++ = static_cast<char>(code >> 8);
            }
            *to++ = static_cast<char>(code & 0xFF);
            i += 3;
            inRun = true;
        }
        if (inRun) {
            continue;
        }
        const Utf8Character character = DecodeUtf8At(utf8, i);
        i += character.length;
        result.wellFormed = result.wellFormed && character.valid;
        const Code code =
            character.valid && character.codePoint < 0x10000 ? codes[character.codePoint] : kNoCode;
        if (code == kNoCode) {
            *to++ = '?';
            ++result.replaced;
            continue;
        }
        if (code >= 0x100) {
            *to++ = static_cast<char>(code >> 8);
        }
        *to++ = static_cast<char>(code & 0xFF);
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return result;
}

} // namespace velm
