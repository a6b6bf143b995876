#pragma once

#include <string_view>

namespace velm
{

// Whether a byte is one that trimming removes: 0x20 or less.
inline bool IsBlankByte(char byte)
{
    return static_cast<unsigned char>(byte) <= 0x20;
}

// The text without its trailing bytes of value 0x20 or less (spaces, tabs, control
// characters). Leading ones stay. Inline, since the readers trim every value of a file.
inline std::string_view RightTrim(std::string_view text)
{
    while (!text.empty() && IsBlankByte(text.back()))
        text.remove_suffix(1);
    return text;
}

// The text without its leading and trailing bytes of value 0x20 or less; used to decide
// whether a name counts as blank.
std::string_view Trim(std::string_view text);

} // namespace velm
