#include "text/ByteSearch.h"

#include <cstring>

namespace velm
{

std::size_t FindBytes(std::string_view text, std::string_view needle)
{
    if (needle.empty())
        return 0;
    // The search looks for the needle's last byte and then checks the bytes before it. In
    // Shift-JIS text the needles' last bytes ("【" and "】" end in 0x79 and 0x7A) are far
    // rarer than their lead bytes, so few places need the check.
    const std::string_view head = needle.substr(0, needle.size() - 1);
    const char last = needle.back();
    std::size_t end = head.size(); // where the needle's last byte may next be
    while (end < text.size()) {
        const auto* found =
            static_cast<const char*>(std::memchr(text.data() + end, last, text.size() - end));
        if (found == nullptr)
            return 0;
        end = static_cast<std::size_t>(found - text.data());
        const std::size_t start = end - head.size();
        if (StartsWithBytes(text.substr(start), head))
            return start + 1;
        ++end;
    }
    return 0;
}

} // namespace velm
