#include "text/ShiftJisText.h"

#include "text/ShiftJis.h"
#include "text/ShiftJisCodec.h"

#include <array>

namespace velm
{

namespace
{

constexpr std::string_view kFullWidthSpace = "\x81\x40"; // 　

// The half-width katakana 0xA1 to 0xDF and the full-width characters they stand for.
constexpr unsigned char kFirstHalfWidth = 0xA1;
constexpr unsigned char kLastHalfWidth = 0xDF;
constexpr unsigned char kHalfWidthVoiced = 0xDE;     // ﾞ
constexpr unsigned char kHalfWidthSemiVoiced = 0xDF; // ﾟ
constexpr std::u32string_view kFullWidthKana =
    U"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホ"
    U"マミムメモヤユヨラリルレロワン゛゜";
static_assert(kFullWidthKana.size() == kLastHalfWidth - kFirstHalfWidth + 1);

bool IsHalfWidthKana(unsigned char byte)
{
    return byte >= kFirstHalfWidth && byte <= kLastHalfWidth;
}

// The full-width kana with its voiced mark, or nothing when there is no such character.
char32_t Voiced(char32_t kana, unsigned char mark)
{
    constexpr std::u32string_view kVoiceable = U"カキクケコサシスセソタチツテトハヒフヘホ";
    constexpr std::u32string_view kSemiVoiceable = U"ハヒフヘホ";
    if (mark == kHalfWidthVoiced) {
        if (kana == U'ウ')
            return U'ヴ';
        return kVoiceable.find(kana) != std::u32string_view::npos ? kana + 1 : 0;
    }
    return kSemiVoiceable.find(kana) != std::u32string_view::npos ? kana + 2 : 0;
}

} // namespace

std::size_t CharacterLength(std::string_view text, std::size_t at)
{
    const bool pair = IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() &&
                      IsTrailByte(static_cast<unsigned char>(text[at + 1]));
    return pair ? 2 : 1;
}

std::string_view CutAtCharacter(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    std::size_t end = 0;
    while (end + CharacterLength(text, end) <= limit)
        end += CharacterLength(text, end);
    return text.substr(0, end);
}

SpaceSplit SplitAtFirstSpace(std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at)) {
        const std::size_t length = CharacterLength(text, at);
        const std::string_view character = text.substr(at, length);
        if (character == " " || character == kFullWidthSpace)
            return {text.substr(0, at), text.substr(at + length)};
    }
    return {text, {}};
}

std::string SpacesForLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char byte = text[at];
        if (byte == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        out += byte == '\r' || byte == '\n' ? ' ' : byte;
    }
    return out;
}

std::string FullWidthKana(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    std::size_t at = 0;
    while (at < text.size()) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (!IsHalfWidthKana(byte)) {
            const std::size_t length = CharacterLength(text, at);
            out += text.substr(at, length);
            at += length;
            continue;
        }
        char32_t kana = kFullWidthKana[byte - kFirstHalfWidth];
        ++at;
        if (at < text.size()) {
            const auto mark = static_cast<unsigned char>(text[at]);
            const char32_t voiced =
                mark == kHalfWidthVoiced || mark == kHalfWidthSemiVoiced ? Voiced(kana, mark) : 0;
            if (voiced != 0) {
                kana = voiced;
                ++at;
            }
        }
        AppendShiftJisChar(out, kana);
    }
    return out;
}

} // namespace velm
