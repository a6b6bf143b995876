#include "sheets/VerticalText.h"

#include "text/ShiftJisCodec.h"

#include <algorithm>
#include <array>

namespace velm
{

namespace
{

// Characters that lie across a horizontal line and so are turned to lie along a column.
constexpr std::u32string_view kRotated =
    U"ー－―‐‑‒–—−〜～…‥ｰ"
    U"（）［］｛｝＜＞〈〉《》「」『』【】〔〕〖〗〘〙〚〛｟｠｢｣";

constexpr std::u32string_view kUpperRight = U"、。，．､｡";

// The small hiragana; the small katakana lie 0x60 above them.
constexpr std::u32string_view kSmallHiragana = U"ぁぃぅぇぉっゃゅょゎゕゖ";
constexpr char32_t kKatakanaOffset = 0x60;

// Hyphens and dashes that stand between the numbers of an address (1-2-3).
constexpr std::u32string_view kNumberHyphens = U"-‐‑‒–—―−－ーｰ";
constexpr char32_t kVerticalLine = U'｜';

constexpr std::array<char32_t, 10> kKanjiDigits = {U'〇', U'一', U'二', U'三', U'四',
                                                   U'五', U'六', U'七', U'八', U'九'};

bool Holds(std::u32string_view set, char32_t ch)
{
    return set.find(ch) != std::u32string_view::npos;
}

bool IsSpace(char32_t ch)
{
    return ch <= U' ' || ch == U'\u3000';
}

// The value 0 to 9 of a half-width or full-width digit, or -1.
int DigitValue(char32_t ch)
{
    if (ch >= U'0' && ch <= U'9')
        return static_cast<int>(ch - U'0');
    if (ch >= U'０' && ch <= U'９')
        return static_cast<int>(ch - U'０');
    return -1;
}

char32_t FullWidth(char32_t ch)
{
    constexpr char32_t kFullWidthOffset = U'！' - U'!';
    return ch > U' ' && ch <= U'~' ? ch + kFullWidthOffset : ch;
}

// The character that stands for text[i] in a column; text[i] is not a space.
char32_t ColumnChar(std::u32string_view text, std::size_t i, bool kanjiDigits)
{
    const char32_t ch = text[i];
    const int digit = DigitValue(ch);
    if (digit >= 0)
        return kanjiDigits ? kKanjiDigits[static_cast<std::size_t>(digit)] : FullWidth(ch);
    const bool betweenDigits = i > 0 && i + 1 < text.size() && DigitValue(text[i - 1]) >= 0 &&
                               DigitValue(text[i + 1]) >= 0;
    if (betweenDigits && Holds(kNumberHyphens, ch))
        return kVerticalLine;
    return FullWidth(ch);
}

} // namespace

VerticalForm VerticalFormOf(char32_t ch)
{
    if (Holds(kRotated, ch))
        return VerticalForm::Rotated;
    if (Holds(kUpperRight, ch))
        return VerticalForm::UpperRight;
    if (Holds(kSmallHiragana, ch) || Holds(kSmallHiragana, ch - kKatakanaOffset))
        return VerticalForm::SmallKana;
    return VerticalForm::Upright;
}

std::u32string ColumnText(std::u32string_view text, bool kanjiDigits)
{
    std::u32string column;
    bool gapPending = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Bytes that form no character, such as a lead byte left alone by the cut at 255
        // bytes, print nothing.
        if (text[i] == kUndecodable)
            continue;
        if (IsSpace(text[i])) {
            gapPending = !column.empty();
            continue;
        }
        if (gapPending)
            column += kColumnGap;
        gapPending = false;
        column += ColumnChar(text, i, kanjiDigits);
    }
    return column;
}

} // namespace velm
