// Converts any bytes as a card number and compares the result with a reference that works
// differently: it checks the form first and then the range by the number of significant
// digits, instead of gathering the value digit by digit.

#include "FuzzCheck.h"
#include "text/StrictInt.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

using namespace velm;
using namespace velm::fuzz;

namespace
{

bool IsDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<std::int32_t> ReferenceToInt(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(start);
    const bool negative = text.front() == '-';
    if (text.front() == '-' || text.front() == '+')
        text.remove_prefix(1);
    if (!IsDigits(text))
        return std::nullopt;
    const std::size_t significant = text.find_first_not_of('0');
    const std::string_view digits =
        significant == std::string_view::npos ? std::string_view("0") : text.substr(significant);
    if (digits.size() > 10)
        return std::nullopt;
    const std::int64_t magnitude = std::stoll(std::string(digits));
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string Describe(const std::optional<std::int32_t>& value)
{
    return value ? std::to_string(*value) : "no value";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = AsBytes(data, size);
    const std::optional<std::int32_t> value = StrictToInt(text);
    const std::optional<std::int32_t> expected = ReferenceToInt(text);
    Check(value == expected, "the conversion agrees with the reference", [&] {
        return "text: " + HexBytes(text) + "\ngot: " + Describe(value) +
               "\nexpected: " + Describe(expected);
    });
    return 0;
}
