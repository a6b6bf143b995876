#pragma once

#include "text/ShortString.h"

#include <string_view>

namespace velm
{

// The honorific written after a card's name, as Shift-JIS: 先生 when Mark is exactly the one
// character 先 (nothing before or after it), 様 for every other Mark, an empty one included.
inline std::string_view Honorific(const ShortString& mark)
{
    constexpr std::string_view kTeacherMark = "\x90\xe6";                     // 先
    return mark.view() == kTeacherMark ? std::string_view("\x90\xe6\x90\xb6") // 先生
                                       : std::string_view("\x97\x6c");        // 様
}

} // namespace velm
