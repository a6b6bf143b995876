#include "text/ShortString.h"

#include <algorithm>

namespace velm
{

void ShortString::assign(std::string_view text)
{
    m_length = static_cast<std::uint8_t>(std::min(text.size(), kCapacity));
    std::copy_n(text.data(), m_length, m_bytes.data());
}

} // namespace velm
