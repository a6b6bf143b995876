#include "text/ByteSearch.h"

namespace velm
{

std::size_t FindBytes(std::string_view text, std::string_view needle)
{
    if (needle.empty())
        return 0;
    const std::size_t index = text.find(needle);
    return index == std::string_view::npos ? 0 : index + 1;
}

} // namespace velm
