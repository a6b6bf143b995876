#include "text/RightTrim.h"

namespace velm
{

std::string_view Trim(std::string_view text)
{
    text = RightTrim(text);
    while (!text.empty() && IsBlankByte(text.front()))
        text.remove_prefix(1);
    return text;
}

} // namespace velm
