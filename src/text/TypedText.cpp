#include "text/TypedText.h"

#include <algorithm>
#include <array>

namespace velm
{

namespace
{

constexpr char16_t kFullWidthZero = u'\uFF10';
constexpr char16_t kFullWidthNine = u'\uFF19';
constexpr char16_t kLongVowelMark = u'\u30FC'; // ー
constexpr std::array<char16_t, 4> kHyphens{u'\uFF0D', u'\u2212', u'\u2010', u'\u2015'};

bool IsLineBreak(char16_t unit)
{
    return unit == u'\n' || unit == u'\r' || unit == u'\u2028' || unit == u'\u2029' ||
           unit == u'\u0085';
}

bool IsControl(char16_t unit)
{
    return unit < u' ' || unit == u'\x7F';
}

bool IsAsciiDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

} // namespace

void MakeSingleLine(std::u16string& text, std::size_t& cursor)
{
    std::u16string line;
    line.reserve(text.size());
    std::size_t newCursor = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // The cursor keeps what the characters before it became.
        if (i == cursor)
            newCursor = line.size();
        const char16_t unit = text[i];
        // CR LF is one line break: its LF adds nothing.
        const bool secondHalfOfCrLf = unit == u'\n' && i > 0 && text[i - 1] == u'\r';
        if (IsLineBreak(unit) || unit == u'\t') {
            if (!secondHalfOfCrLf)
                line += u' ';
        } else if (!IsControl(unit)) {
            line += unit;
        }
    }
    if (cursor >= text.size())
        newCursor = line.size();
    cursor = newCursor;
    text = std::move(line);
}

void MakeHalfWidthDigits(std::u16string& text)
{
    for (char16_t& unit : text) {
        if (unit >= kFullWidthZero && unit <= kFullWidthNine)
            unit = static_cast<char16_t>(u'0' + (unit - kFullWidthZero));
    }
}

void MakeHalfWidthNumber(std::u16string& text)
{
    MakeHalfWidthDigits(text);
    // The digits are ASCII already, so ー is tested against ASCII digits only.
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t& unit = text[i];
        if (std::ranges::find(kHyphens, unit) != kHyphens.end())
            unit = u'-';
        const bool betweenDigits =
            i > 0 && i + 1 < text.size() && IsAsciiDigit(text[i - 1]) && IsAsciiDigit(text[i + 1]);
        if (unit == kLongVowelMark && betweenDigits)
            unit = u'-';
    }
}

} // namespace velm
