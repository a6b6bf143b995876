#include "text/StrictInt.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string_view>

namespace velm
{
namespace
{

struct IntCase {
    std::string_view text;
    std::int32_t value;
};

TEST(StrictToInt, AcceptsLeadingSpacesASignAndDecimalDigits)
{
    const IntCase cases[] = {
        {"0", 0},
        {"1", 1},
        {"999", 999},
        {"  42", 42},
        {"+7", 7},
        {"-7", -7},
        {" -0", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"00000000000000000001", 1},
    };
    for (const IntCase& c : cases) {
        const auto value = StrictToInt(c.text);
        ASSERT_TRUE(value.has_value()) << "'" << c.text << "'";
        EXPECT_EQ(*value, c.value) << "'" << c.text << "'";
    }
}

TEST(StrictToInt, RefusesEverythingElse)
{
    using namespace std::string_view_literals;
    const std::string_view refused[] = {
        "",
        " ",
        "+",
        "-",
        "42 ",
        "4 2",
        "\t42",
        "+-1",
        "--1",
        "- 1",
        "0x10",
        "$10",
        "1.0",
        "1e3",
        "2147483648",
        "-2147483649",
        "99999999999999999999",
        "\x82\x50"sv, // １
        "1\0"sv,
    };
    for (const std::string_view text : refused)
        EXPECT_FALSE(StrictToInt(text).has_value()) << "'" << text << "'";
}

TEST(StrictToInt, MessageQuotesTheText)
{
    EXPECT_EQ(NotAnIntegerMessage("12a"), "'12a' is not a valid integer value");
    EXPECT_EQ(NotAnIntegerMessage(""), "'' is not a valid integer value");
}

} // namespace
} // namespace velm
