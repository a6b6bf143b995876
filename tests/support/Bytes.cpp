#include "support/Bytes.h"

#include <cstdio>

namespace velm::test
{

std::string HexBytes(std::string_view bytes)
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

std::string HexDump(std::string_view bytes)
{
    std::string dump;
    char cell[32];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0) {
            std::snprintf(cell, sizeof cell, "%s%06zx:", i == 0 ? "" : "\n", i);
            dump += cell;
        }
        std::snprintf(cell, sizeof cell, " %02x", static_cast<unsigned char>(bytes[i]));
        dump += cell;
    }
    return dump;
}

std::string Repeated(std::string_view bytes, std::size_t times)
{
    std::string result;
    result.reserve(bytes.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        result += bytes;
    return result;
}

} // namespace velm::test
