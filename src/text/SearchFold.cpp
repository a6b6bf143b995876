#include "text/SearchFold.h"

#include "text/ShiftJis.h"
#include "text/ShiftJisCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>

namespace velm
{

namespace
{

constexpr char32_t kFirstHalfWidthKana = U'\uFF61';
constexpr char32_t kLastHalfWidthKana = U'\uFF9F';
// The single bytes of the half-width katakana.
constexpr unsigned char kFirstHalfWidthKanaByte = 0xA1;
constexpr unsigned char kLastHalfWidthKanaByte = 0xDF;

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

// The folded letter `base` joined with the folded mark that follows it, or 0 when the two
// do not make one letter.
char16_t Joined(char16_t base, char16_t mark)
{
    if (mark == u'゛') {
        if (base == u'う')
            return u'ゔ';
        if (TakesVoicedMark(base))
            return static_cast<char16_t>(base + 1);
    }
    if (mark == u'゜' && base >= u'は' && base <= u'ほ' && (base - u'は') % 3 == 0)
        return static_cast<char16_t>(base + 2);
    return 0;
}

bool IsHalfWidthKanaByte(unsigned char byte)
{
    return byte >= kFirstHalfWidthKanaByte && byte <= kLastHalfWidthKanaByte;
}

// The folded form of every character of the code page, so that folding a text is one
// look-up per character: single bytes by their value, a lead byte standing alone as
// U+FFFD; pairs by lead and second byte, 0 where the pair is no character.
struct FoldTable {
    std::array<char16_t, 256> single{};
    std::array<std::array<char16_t, 256>, 256> pairs{};
};

std::unique_ptr<const FoldTable> BuildFoldTable()
{
    auto table = std::make_unique<FoldTable>();
    for (unsigned first = 0; first < 256; ++first) {
        const auto lead = static_cast<unsigned char>(first);
        const char one[] = {static_cast<char>(lead)};
        table->single[lead] = FoldChar(DecodeShiftJis({one, 1}).front());
        if (!IsLeadByte(lead))
            continue;
        for (unsigned second = 0; second < 256; ++second) {
            const char two[] = {static_cast<char>(lead), static_cast<char>(second)};
            const std::u32string decoded = DecodeShiftJis({two, 2});
            if (decoded.size() == 1)
                table->pairs[lead][second] = FoldChar(decoded.front());
        }
    }
    return table;
}

const FoldTable& Folds()
{
    static const std::unique_ptr<const FoldTable> table = BuildFoldTable();
    return *table;
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

void AppendFolded(std::string_view bytes, std::u16string& folded)
{
    const FoldTable& table = Folds();
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        // A lead byte that forms no character with the next byte stands alone, and the
        // next byte is read afresh, as the decoder reads it.
        if (IsLeadByte(byte) && i + 1 < bytes.size()) {
            const char16_t c = table.pairs[byte][static_cast<unsigned char>(bytes[i + 1])];
            if (c != 0) {
                folded.push_back(c);
                i += 2;
                continue;
            }
        }
        char16_t c = table.single[byte];
        ++i;
        // Only half-width text writes its voiced letters as a letter and a mark, each a
        // single byte.
        if (IsHalfWidthKanaByte(byte) && i < bytes.size()) {
            const char16_t mark = table.single[static_cast<unsigned char>(bytes[i])];
            if (const char16_t joined = Joined(c, mark)) {
                c = joined;
                ++i;
            }
        }
        folded.push_back(c);
    }
}

std::u16string FoldForSearch(std::string_view bytes)
{
    std::u16string folded;
    folded.reserve(bytes.size());
    AppendFolded(bytes, folded);
    return folded;
}

bool IsHyphenLike(char16_t c)
{
    // The code page's full-width hyphen-minus, which also serves as its minus sign, has
    // been folded to "-" already.
    return c == u'-' || c == u'\u2010' || c == u'\u2015';
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

bool ContainsUnits(std::u16string_view text, std::u16string_view part)
{
    if (part.empty())
        return true;
    if (part.size() > text.size())
        return false;
    using Units = std::uint16_t __attribute__((vector_size(16)));
    constexpr std::size_t kLanes = sizeof(Units) / sizeof(std::uint16_t);
    const std::size_t starts = text.size() - part.size() + 1;
    const char16_t first = part.front();
    const auto occursAt = [&](std::size_t at) {
        return text.substr(at, part.size()) == part;
    };
    std::size_t i = 0;
    for (; i + kLanes <= starts; i += kLanes) {
        Units units;
        std::memcpy(&units, text.data() + i, sizeof units);
        const auto hits = units == first;
        std::uint64_t halves[2];
        std::memcpy(halves, &hits, sizeof halves);
        if ((halves[0] | halves[1]) == 0)
            continue;
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            if (hits[lane] != 0 && occursAt(i + lane))
                return true;
        }
    }
    for (; i < starts; ++i) {
        if (text[i] == first && occursAt(i))
            return true;
    }
    return false;
}

} // namespace velm
