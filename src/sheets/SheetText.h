#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velm::sheet
{

// Every line of a sheet or format file ends with CR LF, the last line included.
inline constexpr std::string_view kLineEnd = "\r\n";

inline constexpr std::string_view kPostalMark = "\x81\xA7";     // 〒
inline constexpr std::string_view kFullWidthSpace = "\x81\x40"; // full-width space

// Appends `count` copies of a glyph.
inline void AppendRepeated(std::string& out, std::string_view glyph, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        out += glyph;
}

} // namespace velm::sheet
