#pragma once

#include <string>
#include <string_view>

namespace velm
{

// The key by which Shift-JIS text sorts in 五十音 order as a Japanese dictionary orders
// readings; keys compare with <. The text is folded as for finding (FoldForSearch), so
// hiragana and katakana sort together and half-width kana as their full-width form; small
// kana count as their large form and the long sound mark as the vowel it lengthens
// (らーめん as らあめん). Voicing only breaks ties between texts that are otherwise equal:
// はか < ばか < ぱか, and ばか < はる. Letters, digits and signs sort before kana, kanji after
// them, each by its code. Blanks at either end do not count. The key is a string of bytes,
// so that comparing two keys is one memcmp.
std::string GojuonKey(std::string_view bytes);

} // namespace velm
