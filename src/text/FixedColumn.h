#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velm
{

// Appends the text as a column of exactly `width` bytes: padded on the right with ASCII
// spaces, or cut after byte `width`, even inside a double-byte character. The address-book
// file and the ＯＲＢＩ export keep this byte cut, which their readers rely on.
void AppendFixedColumn(std::string& out, std::string_view text, std::size_t width);

// The same column of exactly `width` bytes holding only whole characters: a lead byte whose
// second byte is cut off by the column, or is no second byte at all, becomes one ASCII
// space. The printable sheets use it, so that a printed column never pairs a lone lead byte
// with the bytes that follow it.
void AppendWholeCharColumn(std::string& out, std::string_view text, std::size_t width);

} // namespace velm
