#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velm
{

// Converts a card number the way the card-number box is read: optional leading spaces,
// an optional sign, then one or more decimal digits and nothing else, within the signed
// 32-bit range. Anything else, trailing blanks included, gives no value.
std::optional<std::int32_t> StrictToInt(std::string_view text);

// The error text for a text that does not convert: "'%s' is not a valid integer value".
std::string NotAnIntegerMessage(std::string_view text);

} // namespace velm
