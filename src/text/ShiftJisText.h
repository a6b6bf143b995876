#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velm
{

// Character-aware helpers on Shift-JIS text, for values that come from or go to other
// programs' files. A lead byte followed by a byte that can close it forms a character of
// two bytes; every other byte, a lone lead byte included, is a character of its own.

// The length of the character that starts at `at`, which must lie within `text`.
std::size_t CharacterLength(std::string_view text, std::size_t at);

// The longest start of `text` of at most `limit` bytes that ends at a character boundary.
std::string_view CutAtCharacter(std::string_view text, std::size_t limit);

// The text before the first ASCII or full-width space, and the text after that space.
struct SpaceSplit {
    std::string_view before;
    std::string_view after;
};
SpaceSplit SplitAtFirstSpace(std::string_view text);

// The text with each line break (CR LF, CR or LF) replaced by an ASCII space.
std::string SpacesForLineBreaks(std::string_view text);

// The text with half-width katakana made full-width and a half-width voiced mark that
// follows a kana combined with it (ﾀﾞ to ダ, ﾊﾟ to パ).
std::string FullWidthKana(std::string_view text);

} // namespace velm
