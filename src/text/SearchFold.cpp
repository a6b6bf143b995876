#include "text/SearchFold.h"

#include "text/ShiftJisCodec.h"

#include <algorithm>
#include <array>

namespace velm
{

namespace
{

constexpr char32_t kFirstHalfWidthKana = U'\uFF61';
constexpr char32_t kLastHalfWidthKana = U'\uFF9F';
constexpr char32_t kHalfWidthVoicedMark = U'\uFF9E';
constexpr char32_t kHalfWidthSemiVoicedMark = U'\uFF9F';

// The full-width form of each half-width katakana character, ｡ (U+FF61) to ﾟ (U+FF9F).
constexpr std::u16string_view kFullWidthKana =
    u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノ"
    u"ハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
static_assert(kFullWidthKana.size() == kLastHalfWidthKana - kFirstHalfWidthKana + 1);

constexpr char16_t kFirstKatakana = u'ァ';
constexpr char16_t kLastKatakana = u'ヶ';
constexpr char16_t kKatakanaToHiragana = u'ァ' - u'ぁ';

// The character with width, case and kana kind folded; voicing marks are left to the
// caller, which joins them with the letter before.
char16_t FoldChar(char32_t c)
{
    if (c <= U' ' || c == U'\u3000')
        return u' ';
    if (c >= U'\uFF01' && c <= U'\uFF5E')
        c = c - U'\uFF01' + U'!';
    if (c >= U'A' && c <= U'Z')
        return static_cast<char16_t>(c - U'A' + U'a');
    if (c >= kFirstHalfWidthKana && c <= kLastHalfWidthKana)
        c = kFullWidthKana[c - kFirstHalfWidthKana];
    if (c >= kFirstKatakana && c <= kLastKatakana)
        return static_cast<char16_t>(c - kKatakanaToHiragana);
    if (c == U'ヽ' || c == U'ヾ')
        return static_cast<char16_t>(c - kKatakanaToHiragana);
    // Every character of the code page lies in the Basic Multilingual Plane.
    return static_cast<char16_t>(c);
}

// Hiragana that take the voiced mark: か to と (but for the small っ) and は to ほ.
bool TakesVoicedMark(char16_t c)
{
    if (c >= u'か' && c <= u'ち')
        return (c - u'か') % 2 == 0;
    if (c == u'つ' || c == u'て' || c == u'と')
        return true;
    return c >= u'は' && c <= u'ほ' && (c - u'は') % 3 == 0;
}

// The folded letter `base` joined with the half-width mark that follows it, or nothing
// when the two do not make one letter.
char16_t Joined(char16_t base, char32_t mark)
{
    if (mark == kHalfWidthVoicedMark) {
        if (base == u'う')
            return u'ゔ';
        if (TakesVoicedMark(base))
            return static_cast<char16_t>(base + 1);
    }
    if (mark == kHalfWidthSemiVoicedMark && base >= u'は' && base <= u'ほ' &&
        (base - u'は') % 3 == 0)
        return static_cast<char16_t>(base + 2);
    return 0;
}

bool IsHalfWidthKana(char32_t c)
{
    return c >= kFirstHalfWidthKana && c <= kLastHalfWidthKana;
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::u16string FoldForSearch(std::string_view bytes)
{
    const std::u32string decoded = DecodeShiftJis(bytes);
    std::u16string folded;
    folded.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const char16_t c = FoldChar(decoded[i]);
        // Only half-width text writes its voiced letters as a letter and a mark.
        if (IsHalfWidthKana(decoded[i]) && i + 1 < decoded.size()) {
            if (const char16_t joined = Joined(c, decoded[i + 1])) {
                folded.push_back(joined);
                ++i;
                continue;
            }
        }
        folded.push_back(c);
    }
    return folded;
}

bool IsHyphenLike(char16_t c)
{
    // The code page's full-width hyphen-minus, which also serves as its minus sign, has
    // been folded to "-" already.
    static constexpr std::array<char16_t, 3> kHyphens{u'-', u'\u2010', u'\u2015'};
    return std::find(kHyphens.begin(), kHyphens.end(), c) != kHyphens.end();
}

bool IsNumberWord(std::u16string_view word)
{
    return std::any_of(word.begin(), word.end(), IsDigit) &&
           std::all_of(word.begin(), word.end(),
                       [](char16_t c) { return IsDigit(c) || IsHyphenLike(c); });
}

std::u16string WithoutHyphens(std::u16string_view folded)
{
    std::u16string kept;
    kept.reserve(folded.size());
    std::copy_if(folded.begin(), folded.end(), std::back_inserter(kept),
                 [](char16_t c) { return !IsHyphenLike(c); });
    return kept;
}

} // namespace velm
