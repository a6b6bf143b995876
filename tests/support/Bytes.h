#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velm::test
{

// The bytes as space-separated pairs of hex digits, "(empty)" for none: for failure
// messages about Shift-JIS values.
std::string HexBytes(std::string_view bytes);

// The UTF-16 units of a text as groups of four hex digits, "(empty)" for none.
std::string HexUnits(std::u16string_view text);

// Offsets and bytes in hex, sixteen bytes a row: for failure messages about whole files.
std::string HexDump(std::string_view bytes);

// `bytes` written `times` times one after the other, for building large inputs.
std::string Repeated(std::string_view bytes, std::size_t times);

// The Shift-JIS bytes of a UTF-8 text, so that tables can be written in readable Japanese.
std::string Sjis(std::string_view utf8);

} // namespace velm::test
