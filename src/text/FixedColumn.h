#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velm
{

// Appends the text as a column of exactly `width` bytes: padded on the right with ASCII
// spaces, or cut after byte `width`, even inside a double-byte character.
void AppendFixedColumn(std::string& out, std::string_view text, std::size_t width);

std::string FixedColumn(std::string_view text, std::size_t width);

} // namespace velm
