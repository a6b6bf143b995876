#pragma once

#include <string>
#include <string_view>

namespace velm
{

// Shift-JIS text folded so that the differences a reader does not see as differences are
// gone, one 16-bit unit per character: full-width ASCII becomes ASCII and capitals become
// small letters (ＡＢＣ, ABC and abc alike); half-width katakana become full-width, and a
// half-width letter followed by its half-width voiced or semi-voiced mark becomes the one
// voiced letter (ﾀﾞ as ダ); katakana become hiragana (ヤマダ as やまだ); every byte of value
// 0x20 or less and the full-width space become the ASCII space. Voiced and semi-voiced
// letters stay apart from their plain letter (は, ば and ぱ differ), and the long sound mark
// stays itself. Bytes that form no character become U+FFFD.
std::u16string FoldForSearch(std::string_view bytes);

// Appends the folded text of `bytes` to `folded`.
void AppendFolded(std::string_view bytes, std::u16string& folded);

// Whether a folded character is a mark written between the digits of postal codes and
// telephone numbers: the hyphen-minus (also full-width, which is the code page's minus
// sign too), the hyphen ‐ and the horizontal bar ―. The long sound mark ー is none of them.
bool IsHyphenLike(char16_t c);

// Whether a folded word holds at least one digit and nothing but digits and hyphen-like
// marks.
bool IsNumberWord(std::u16string_view word);

// The folded text without its hyphen-like marks.
std::u16string WithoutHyphens(std::u16string_view folded);

// Whether `part` occurs in `text`; an empty part occurs in every text. Eight places are
// tested at once for the first unit of the part, since a keystroke in the card list looks
// for each word in every field of every card.
bool ContainsUnits(std::u16string_view text, std::u16string_view part);

} // namespace velm
