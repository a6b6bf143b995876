#pragma once

#include <string_view>

namespace velm
{

// The text without its trailing bytes of value 0x20 or less (spaces, tabs, control
// characters). Leading ones stay.
std::string_view RightTrim(std::string_view text);

// The text without its leading and trailing bytes of value 0x20 or less; used to decide
// whether a name counts as blank.
std::string_view Trim(std::string_view text);

} // namespace velm
