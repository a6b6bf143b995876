#include "text/GojuonKey.h"

#include "text/RightTrim.h"
#include "text/SearchFold.h"

#include <array>

namespace velm
{

namespace
{

enum Voicing : char16_t { kPlain = 0, kVoiced = 1, kSemiVoiced = 2 };

// A folded hiragana letter taken apart: the large plain letter it sorts as, and its mark.
struct KanaParts {
    char16_t letter;
    Voicing voicing;
};

constexpr char16_t kFirstHiragana = u'ぁ';
constexpr char16_t kLastHiragana = u'ゖ';
constexpr char16_t kLongSoundMark = u'ー';

bool IsHiragana(char16_t c)
{
    return c >= kFirstHiragana && c <= kLastHiragana;
}

KanaParts TakeApart(char16_t c)
{
    // Small letters: ぁぃぅぇぉ, っ, ゃゅょ and ゎ stand just before their large form.
    if ((c <= u'ぉ' && (c - kFirstHiragana) % 2 == 0) || c == u'っ' || c == u'ゃ' || c == u'ゅ' ||
        c == u'ょ' || c == u'ゎ')
        return {static_cast<char16_t>(c + 1), kPlain};
    if (c == u'ゕ')
        return {u'か', kPlain};
    if (c == u'ゖ')
        return {u'け', kPlain};
    if (c == u'ゔ')
        return {u'う', kVoiced};
    // が to ぢ follow their plain letter, as do づ, で and ど.
    if ((c >= u'が' && c <= u'ぢ' && (c - u'か') % 2 == 1) || c == u'づ' || c == u'で' ||
        c == u'ど')
        return {static_cast<char16_t>(c - 1), kVoiced};
    // ば, ぱ, び, ぴ ... each plain letter of the は row is followed by both.
    if (c > u'は' && c <= u'ぽ') {
        const int mark = (c - u'は') % 3;
        if (mark != 0)
            return {static_cast<char16_t>(c - mark), static_cast<Voicing>(mark)};
    }
    return {c, kPlain};
}

// The vowel that ends a large plain hiragana letter, or 0 for ん and anything else.
char16_t VowelOf(char16_t letter)
{
    static constexpr std::array<std::u16string_view, 5> kRows{
        u"あかさたなはまやらわ", u"いきしちにひみりゐ",   u"うくすつぬふむゆる",
        u"えけせてねへめれゑ",   u"おこそとのほもよろを",
    };
    for (const std::u16string_view row : kRows) {
        if (row.find(letter) != std::u16string_view::npos)
            return row.front();
    }
    return 0;
}

} // namespace

std::string GojuonKey(std::string_view bytes)
{
    const std::u16string folded = FoldForSearch(Trim(bytes));
    // The letters first, two bytes each with the high byte first, then a 0 that ends them,
    // then one byte of mark per letter: a text sorts before every longer text it begins,
    // and marks count only between equal letters.
    std::string key(folded.size() * 3 + 1, '\0');
    char16_t previous = 0;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        KanaParts parts{folded[i], kPlain};
        if (IsHiragana(folded[i]))
            parts = TakeApart(folded[i]);
        else if (folded[i] == kLongSoundMark && VowelOf(previous) != 0)
            parts.letter = VowelOf(previous);
        key[2 * i] = static_cast<char>(parts.letter >> 8);
        key[2 * i + 1] = static_cast<char>(parts.letter & 0xFF);
        key[2 * folded.size() + 1 + i] = static_cast<char>(parts.voicing);
        previous = parts.letter;
    }
    return key;
}

} // namespace velm
