#include "text/ShortString.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

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

// Texts of every length are copied in pieces of 16, 8 and 4 bytes that may overlap; each
// byte must still land in its place.
TEST(ShortString, StoresTextsOfEveryLengthByteForByte)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += static_cast<char>(i * 7 + 1);
    for (std::size_t length = 0; length <= text.size(); ++length) {
        const std::string_view wanted =
            std::string_view(text).substr(0, std::min(length, std::size_t{255}));
        ShortString stored(std::string_view(text).substr(0, length));
        EXPECT_EQ(stored.view(), wanted) << "length " << length;
        const ShortString copy(stored);
        EXPECT_EQ(copy.view(), wanted) << "copy, length " << length;
        stored = *&stored;
        EXPECT_EQ(stored.view(), wanted) << "assigned to itself, length " << length;
    }
}

TEST(ShortString, AssigningAShorterTextForgetsTheRest)
{
    ShortString stored(std::string(200, 'a'));
    stored = ShortString("bc");
    EXPECT_EQ(stored.view(), "bc");
    stored.assign("");
    EXPECT_TRUE(stored.empty());
}

} // namespace
} // namespace velm
