#include "interchange/FileText.h"

#include "text/ShiftJisCodec.h"
#include "text/Utf.h"

namespace velm
{

namespace
{

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

} // namespace

FileText::FileText(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Mark)) {
        m_text = bytes.substr(kUtf8Mark.size());
    } else if (bytes.starts_with(kUtf16LittleMark) || bytes.starts_with(kUtf16BigMark)) {
        const ByteOrder order =
            bytes.starts_with(kUtf16LittleMark) ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
        m_converted = Utf8FromUtf16(bytes.substr(kUtf16LittleMark.size()), order);
        m_text = m_converted;
        m_wasUtf16 = true;
    } else {
        m_text = bytes;
        m_encoding = IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
    }
}

std::string ShiftJisFromText(std::string_view value, TextEncoding encoding, std::size_t& replaced)
{
    if (encoding == TextEncoding::ShiftJis)
        return std::string(value);
    std::string out;
    out.reserve(value.size());
    std::size_t at = 0;
    while (at < value.size()) {
        if (static_cast<unsigned char>(value[at]) < 0x80) {
            out += value[at++];
            continue;
        }
        const Utf8Character character = DecodeUtf8At(value, at);
        if (!character.valid) {
            out += '?';
            ++replaced;
        } else if (!AppendShiftJisChar(out, character.codePoint)) {
            ++replaced;
        }
        at += character.length;
    }
    return out;
}

std::u32string DecodeText(std::string_view value, TextEncoding encoding)
{
    if (encoding == TextEncoding::ShiftJis)
        return DecodeShiftJis(value);
    std::u32string text;
    for (std::size_t at = 0; at < value.size();) {
        const Utf8Character character = DecodeUtf8At(value, at);
        text += character.codePoint;
        at += character.length;
    }
    return text;
}

void AppendUtf8FromShiftJis(std::string& out, std::string_view value, std::size_t& replaced)
{
    for (const char32_t c : DecodeShiftJis(value)) {
        if (c == kUndecodable) {
            out += '?';
            ++replaced;
        } else {
            AppendUtf8(out, c);
        }
    }
}

} // namespace velm
