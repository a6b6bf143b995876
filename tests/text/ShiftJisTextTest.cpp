#include "text/ShiftJisText.h"

#include "support/Bytes.h"

#include <gtest/gtest.h>
#include <string_view>

namespace velm
{
namespace
{

using test::HexBytes;

TEST(ShiftJisText, CutsAtCharacterBoundaries)
{
    const struct {
        std::string_view text;
        std::size_t limit;
        std::string_view cut;
    } cases[] = {
        {"abc", 5, "abc"},
        {"abc", 2, "ab"},
        {"\x82\xa0\x82\xa2", 3, "\x82\xa0"}, // あい: not half of い
        {"a\x82\xa0", 2, "a"},
        {"\x82\x7f\x82", 2, "\x82\x7f"}, // 0x7F closes no character: two of their own
        {"\xb1\xb2\xb3", 2, "\xb1\xb2"}, // half-width kana take a byte each
        {"\x95\x5c\x5c", 2, "\x95\x5c"}, // 表, whose second byte is a backslash
    };
    for (const auto& c : cases)
        EXPECT_EQ(HexBytes(CutAtCharacter(c.text, c.limit)), HexBytes(c.cut)) << HexBytes(c.text);
}

TEST(ShiftJisText, SplitsAtTheFirstSpaceOfEitherWidth)
{
    const struct {
        std::string_view text;
        std::string_view before;
        std::string_view after;
    } cases[] = {
        {"Smith John Jr", "Smith", "John Jr"},
        {"\x8e\x52\x93\x63\x81\x40\x91\xbe", "\x8e\x52\x93\x63", "\x91\xbe"}, // 山田　太
        {"noSpace", "noSpace", ""},
        {" x", "", "x"},
        // ａ followed by "@": the bytes 0x81 0x40 across two characters are no space.
        {"\x82\x81\x40 b", "\x82\x81\x40", "b"},
    };
    for (const auto& c : cases) {
        const SpaceSplit split = SplitAtFirstSpace(c.text);
        EXPECT_EQ(HexBytes(split.before), HexBytes(c.before)) << HexBytes(c.text);
        EXPECT_EQ(HexBytes(split.after), HexBytes(c.after)) << HexBytes(c.text);
    }
}

TEST(ShiftJisText, MakesLineBreaksSpacesAndHalfWidthKanaFullWidth)
{
    EXPECT_EQ(SpacesForLineBreaks("a\r\nb\rc\nd\r\n\r\n"), "a b c d  ");
    const struct {
        std::string_view text;
        std::string_view full;
    } cases[] = {
        {"\xc0\xde\xca\xdf\xb3\xde", "\x83\x5f\x83\x70\x83\x94"}, // ﾀﾞﾊﾟｳﾞ to ダパヴ
        {"\xdc\xde", "\x83\x8f\x81\x4a"},                         // ﾜﾞ: ワ and ゛
        {"\xde\xb1\xb0", "\x81\x4a\x83\x41\x81\x5b"},             // ﾞｱｰ
        {"\xa1\xa2\xa3\xa4\xa5", "\x81\x42\x81\x75\x81\x76\x81\x41\x81\x45"}, // ｡｢｣､･
        {"A \x83\x5e\xb6", "A \x83\x5e\x83\x4a"}, // タ stays, ｶ to カ
    };
    for (const auto& c : cases)
        EXPECT_EQ(HexBytes(FullWidthKana(c.text)), HexBytes(c.full)) << HexBytes(c.text);
}

} // namespace
} // namespace velm
