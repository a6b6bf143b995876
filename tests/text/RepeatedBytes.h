#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velm::testing
{

// `bytes` written `times` times one after the other, for building large inputs.
inline std::string Repeated(std::string_view bytes, std::size_t times)
{
    std::string result;
    result.reserve(bytes.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        result += bytes;
    return result;
}

} // namespace velm::testing
