#include "text/RightTrim.h"

namespace velm
{
namespace
{

bool IsBlankByte(char byte)
{
    return static_cast<unsigned char>(byte) <= 0x20;
}

} // namespace

std::string_view RightTrim(std::string_view text)
{
    while (!text.empty() && IsBlankByte(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text)
{
    text = RightTrim(text);
    while (!text.empty() && IsBlankByte(text.front()))
        text.remove_prefix(1);
    return text;
}

} // namespace velm
