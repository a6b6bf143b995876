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
    m_text = bytes;
    if (bytes.starts_with(kUtf8Mark)) {
        m_text = bytes.substr(kUtf8Mark.size());
        m_marked = true;
    } else if (bytes.starts_with(kUtf16LittleMark) || bytes.starts_with(kUtf16BigMark)) {
        const ByteOrder order =
            bytes.starts_with(kUtf16LittleMark) ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
        m_converted = Utf8FromUtf16(bytes.substr(kUtf16LittleMark.size()), order);
        m_text = m_converted;
        m_marked = true;
        m_wasUtf16 = true;
    }
}

std::string FileText::shiftJis(std::string_view value, std::size_t& replaced)
{
    if (m_encoding == TextEncoding::Utf8) {
        std::string converted;
        const FromUtf8 conversion = AppendShiftJisFromUtf8(converted, value);
        if (conversion.wellFormed || m_marked) {
            replaced += conversion.replaced;
            return converted;
        }
        m_encoding = TextEncoding::ShiftJis;
    }
    return std::string(value);
}

std::string FileText::shiftJis(std::string_view value, TextEncoding named, std::size_t& replaced)
{
    if (m_wasUtf16)
        return shiftJis(value, replaced);
    if (named == TextEncoding::ShiftJis)
        return std::string(value);
    std::string converted;
    replaced += AppendShiftJisFromUtf8(converted, value).replaced;
    return converted;
}

} // namespace velm
