#pragma once

#include <cstddef>
#include <string_view>

namespace velm
{

// The position, counting from 1, of the first occurrence of `needle` in `text`, or 0.
// The search is byte-wise and takes no account of double-byte characters, so a match may
// start on the second byte of one.
std::size_t FindBytes(std::string_view text, std::string_view needle);

// Whether `text` begins with the bytes of `prefix`. Parsers call this for every value with
// tags of a few bytes, where comparing inline is much cheaper than a call to memcmp.
inline bool StartsWithBytes(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (text[i] != prefix[i])
            return false;
    }
    return true;
}

} // namespace velm
