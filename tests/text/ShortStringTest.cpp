#include "text/ShortString.h"

#include <gtest/gtest.h>
#include <string>

namespace velm
{
namespace
{

TEST(ShortString, KeepsTextUpTo255Bytes)
{
    EXPECT_EQ(ShortString("abc").view(), "abc");
    EXPECT_TRUE(ShortString().empty());
    const std::string full(255, 'x');
    EXPECT_EQ(ShortString(full).view(), full);
}

TEST(ShortString, LongerTextKeepsItsFirst255BytesEvenInsideACharacter)
{
    // 127 double-byte characters are 254 bytes; the 128th is cut after its lead byte.
    std::string text;
    for (int i = 0; i < 130; ++i)
        text += "\x82\xa0"; // あ
    const ShortString stored(text);
    ASSERT_EQ(stored.size(), 255u);
    EXPECT_EQ(stored.view(), std::string_view(text).substr(0, 255));
    EXPECT_EQ(static_cast<unsigned char>(stored.view().back()), 0x82);
}

} // namespace
} // namespace velm
