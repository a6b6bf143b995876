#pragma once

#include "sheets/FormatSettings.h"

#include <string_view>

namespace velm::blent
{

// Reads a format file: a banner on line 1 and on each following line one setting as
// "value,label", in the order of the format files' settings. Values are found by line
// number; the labels and the banner are not looked at. A value missing, in a form other
// than a decimal number, or outside the setting's range keeps the default. Never fails.
PrintFormat ParsePrintFormat(std::string_view bytes);

} // namespace velm::blent
