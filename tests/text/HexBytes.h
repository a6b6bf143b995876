#pragma once

#include <string>
#include <string_view>

namespace velm::testing
{

// The bytes as space-separated hex pairs, for failure messages about Shift-JIS text.
inline std::string HexBytes(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (!hex.empty())
            hex += ' ';
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex.empty() ? "(empty)" : hex;
}

} // namespace velm::testing
