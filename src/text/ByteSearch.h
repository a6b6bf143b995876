#pragma once

#include <cstddef>
#include <string_view>

namespace velm
{

// The position, counting from 1, of the first occurrence of `needle` in `text`, or 0.
// The search is byte-wise and takes no account of double-byte characters, so a match may
// start on the second byte of one.
std::size_t FindBytes(std::string_view text, std::string_view needle);

} // namespace velm
