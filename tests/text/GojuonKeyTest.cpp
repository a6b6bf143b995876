#include "text/GojuonKey.h"

#include "support/Bytes.h"
#include "text/ShiftJisCodec.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{
namespace
{

using test::HexBytes;

std::string KeyOf(std::u32string_view text)
{
    return GojuonKey(EncodeShiftJis(text));
}

TEST(GojuonKey, SortsReadingsAsADictionary)
{
    // Each reading sorts before the next.
    const std::vector<std::u32string_view> ascending = {
        U"",   U"123",  U"abc",    U"ABD",  U"あ",     U"あい", U"ｱｲｽ",  U"いか", U"う",
        U"ヴ", U"うあ", U"かき",   U"がき", U"きゃく", U"はか", U"ばか", U"ぱか", U"ハル",
        U"ひ", U"ﾗｰﾒﾝ", U"らいす", U"わ",   U"を",     U"ん",   U"一",
    };
    for (std::size_t i = 1; i < ascending.size(); ++i) {
        const std::string before = EncodeShiftJis(ascending[i - 1]);
        const std::string after = EncodeShiftJis(ascending[i]);
        EXPECT_LT(GojuonKey(before), GojuonKey(after))
            << HexBytes(before) << " before " << HexBytes(after);
    }
}

TEST(GojuonKey, TiesReadingsThatOnlyLookDifferent)
{
    struct Pair {
        std::u32string_view left;
        std::u32string_view right;
    };
    const Pair ties[] = {
        {U"らーめん", U"らあめん"}, {U"ラーメン", U"ﾗｰﾒﾝ"}, {U"きゃっと", U"きやつと"},
        {U"ﾊﾞｶ", U"ばか"},          {U"カ", U"か"},         {U"  やまだ ", U"やまだ"},
        {U"ABC", U"ａｂｃ"},        {U"ぁ", U"あ"},         {U"ゎ", U"わ"},
        {U"すうぷ", U"スープ"},     {U"ねー", U"ねえ"},
    };
    for (const Pair& pair : ties)
        EXPECT_EQ(KeyOf(pair.left), KeyOf(pair.right))
            << HexBytes(EncodeShiftJis(pair.left)) << " and "
            << HexBytes(EncodeShiftJis(pair.right));
}

TEST(GojuonKey, LeavesALongSoundMarkWithoutAVowelAsItIs)
{
    // After ん or at the start nothing is lengthened; the mark sorts after every kana.
    EXPECT_LT(KeyOf(U"んん"), KeyOf(U"んー"));
    EXPECT_LT(KeyOf(U"ん"), KeyOf(U"ー"));
    EXPECT_LT(KeyOf(U"ー"), KeyOf(U"一"));
}

} // namespace
} // namespace velm
