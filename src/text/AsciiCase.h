#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace velm
{

// Case rules for the ASCII names and keywords of other programs' files. Only A-Z and a-z
// change, so the bytes of Shift-JIS and UTF-8 characters are left alone.

inline char AsciiUpper(char byte)
{
    return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 'a' + 'A') : byte;
}

inline std::string AsciiUpper(std::string_view text)
{
    std::string upper(text);
    std::ranges::transform(upper, upper.begin(), [](char byte) { return AsciiUpper(byte); });
    return upper;
}

inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

inline bool ContainsIgnoringAsciiCase(std::string_view text, std::string_view part)
{
    const auto found = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                   [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
    return found != text.end() || part.empty();
}

} // namespace velm
