#include "text/Utf.h"

#include <cstdint>

namespace velm
{

namespace
{

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// What a lead byte says about its sequence: the length, the bits it contributes and the
// lowest code point such a sequence may hold (shorter forms are overlong).
struct LeadByte {
    std::size_t length;
    char32_t bits;
    char32_t lowest;
};

LeadByte ReadLeadByte(unsigned char byte)
{
    if (byte < 0x80)
        return {1, byte, 0};
    if ((byte & 0xE0) == 0xC0)
        return {2, byte & 0x1Fu, 0x80};
    if ((byte & 0xF0) == 0xE0)
        return {3, byte & 0x0Fu, 0x800};
    if ((byte & 0xF8) == 0xF0)
        return {4, byte & 0x07u, 0x10000};
    return {0, 0, 0};
}

bool IsSurrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

} // namespace

Utf8Character DecodeUtf8At(std::string_view bytes, std::size_t at)
{
    const LeadByte lead = ReadLeadByte(static_cast<unsigned char>(bytes[at]));
    if (lead.length == 0 || at + lead.length > bytes.size())
        return {};
    char32_t codePoint = lead.bits;
    for (std::size_t i = 1; i < lead.length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[at + i]);
        if (!IsContinuation(byte))
            return {};
        codePoint = codePoint << 6 | (byte & 0x3Fu);
    }
    if (codePoint < lead.lowest || codePoint > 0x10FFFF || IsSurrogate(codePoint))
        return {};
    return {codePoint, lead.length, true};
}

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        const Utf8Character character = DecodeUtf8At(bytes, at);
        if (!character.valid)
            return false;
        at += character.length;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Utf8FromUtf16(std::string_view bytes, ByteOrder order)
{
    const auto unitAt = [bytes, order](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<std::uint16_t>(order == ByteOrder::LittleEndian ? second << 8 | first
                                                                           : first << 8 | second);
    };
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    std::size_t at = 0;
    for (; at + 2 <= bytes.size(); at += 2) {
        const std::uint16_t unit = unitAt(at);
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 4 <= bytes.size()) {
            const std::uint16_t low = unitAt(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800u) << 10 | (low - 0xDC00u)));
                at += 2;
                continue;
            }
        }
        AppendUtf8(out, IsSurrogate(unit) ? kReplacementCharacter : unit);
    }
    if (at < bytes.size())
        AppendUtf8(out, kReplacementCharacter);
    return out;
}

} // namespace velm
