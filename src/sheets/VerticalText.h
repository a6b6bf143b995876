#pragma once

#include <string>
#include <string_view>

namespace velm
{

// How a character stands in a column of vertical writing, drawn with a font made for
// horizontal writing.
enum class VerticalForm {
    Upright,    // as it is, centred in its cell
    Rotated,    // turned 90° clockwise: long sound marks, dashes, ellipses and brackets
    UpperRight, // 、 and 。, moved from the lower left to the upper right of the cell
    SmallKana,  // small kana, moved slightly up and to the right
};

VerticalForm VerticalFormOf(char32_t ch);

// The gap between words in a column: a run of spaces becomes this one character.
inline constexpr char32_t kColumnGap = U'\u3000';

// A text made ready for a column: half-width letters, digits and signs become their
// full-width forms; a run of spaces becomes one kColumnGap and spaces at either end go; a
// hyphen or dash between two digits becomes a full-width vertical line; with `kanjiDigits`
// every digit becomes its kanji numeral (10 gives 一〇).
std::u32string ColumnText(std::u32string_view text, bool kanjiDigits);

} // namespace velm
