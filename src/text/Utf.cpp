#include "text/Utf.h"

namespace velm
{

std::string Utf8FromUtf16(std::string_view bytes, ByteOrder order)
{
    const auto unitAt = [bytes, order](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<std::uint16_t>(order == ByteOrder::LittleEndian ? second << 8 | first
                                                                           : first << 8 | second);
    };
    const auto isSurrogate = [](std::uint16_t unit) {
        return unit >= 0xD800 && unit <= 0xDFFF;
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
        AppendUtf8(out, isSurrogate(unit) ? kReplacementCharacter : unit);
    }
    if (at < bytes.size())
        AppendUtf8(out, kReplacementCharacter);
    return out;
}

} // namespace velm
