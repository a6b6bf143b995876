#include "text/SearchFold.h"

#include "support/Bytes.h"
#include "text/ShiftJisCodec.h"

#include <gtest/gtest.h>
#include <span>
#include <string>
#include <string_view>

namespace velm
{
namespace
{

using test::HexBytes;

std::string Sjis(std::u32string_view text)
{
    return EncodeShiftJis(text);
}

struct FoldPair {
    std::u32string_view left;
    std::u32string_view right;
};

// Whether the two texts of each pair fold to the same text, as `alike` says they should.
void ExpectFoldedAlike(std::span<const FoldPair> pairs, bool alike)
{
    for (const FoldPair& pair : pairs) {
        const std::string left = Sjis(pair.left);
        const std::string right = Sjis(pair.right);
        EXPECT_EQ(FoldForSearch(left) == FoldForSearch(right), alike)
            << HexBytes(left) << " and " << HexBytes(right);
    }
}

TEST(FoldForSearch, FoldsWhatAReaderSeesAsTheSame)
{
    const FoldPair alike[] = {
        {U"ＡＢＣ", U"abc"},    {U"ABC", U"abc"},   {U"１２３", U"123"}, {U"ｶﾀｶﾅ", U"カタカナ"},
        {U"ﾀﾞ", U"ダ"},         {U"ﾊﾟﾋﾟ", U"パピ"}, {U"ｳﾞ", U"ヴ"},      {U"やまだ", U"ヤマダ"},
        {U"ｷｬｯﾄ", U"きゃっと"}, {U"ｰ", U"ー"},      {U"ヽヾ", U"ゝゞ"},  {U"a\u3000b", U"a b"},
        {U"a\tb\x01", U"a b "}, {U"－", U"-"},      {U"ｱﾞ", U"ア゛"},    {U"ﾞﾟ", U"゛゜"},
    };
    ExpectFoldedAlike(alike, true);
}

TEST(FoldForSearch, KeepsLookAlikesThatDifferApart)
{
    const FoldPair apart[] = {
        {U"ハ", U"バ"}, {U"ハ", U"パ"}, {U"バ", U"パ"}, {U"ﾊ", U"バ"}, {U"ﾊﾞ", U"ハ"},
        {U"ﾊﾞ", U"ﾊﾟ"}, {U"か", U"が"}, {U"つ", U"っ"}, {U"ー", U"-"}, {U"ー", U"一"},
        {U"ｰ", U"-"},   {U"ﾜﾞ", U"ワ"}, {U"―", U"ー"},
    };
    ExpectFoldedAlike(apart, false);
}

TEST(FoldForSearch, ReadsBytesAsTheDecoderDoes)
{
    struct Case {
        std::string_view bytes;
        std::u16string_view folded;
    };
    const Case cases[] = {
        {"\x82\xa0Z\x81", u"あz\uFFFD"}, // あZ and a lead byte at the end
        {"\x81\x20", u"\uFFFD "},        // a lead byte before a byte that ends no pair
        {"\x85\x40", u"\uFFFD@"},        // a pair the code page leaves undefined
        {"\xb6\xde\xde", u"が゛"},       // ｶﾞﾞ: one mark joins
        {"\xb1\x81\x4a", u"あ゛"},       // ｱ゛: a full-width mark never joins
        {"\xde\xb6", u"゛か"},           // ﾞｶ: a mark joins the letter before it only
    };
    for (const Case& c : cases)
        EXPECT_EQ(FoldForSearch(c.bytes), c.folded) << HexBytes(c.bytes);
}

TEST(IsNumberWord, TakesDigitsWithHyphensAndNothingElse)
{
    struct Case {
        std::u32string_view word;
        bool number;
    };
    const Case cases[] = {
        {U"031234", true},  {U"03-1234", true},   {U"０３－１２３４", true},
        {U"03‐1234", true}, {U"03―1234", true},   {U"-1", true},
        {U"-", false},      {U"03ー1234", false}, {U"03 1234", false},
        {U"a1", false},     {U"", false},         {U"〒1", false},
    };
    for (const Case& c : cases) {
        const std::string bytes = Sjis(c.word);
        EXPECT_EQ(IsNumberWord(FoldForSearch(bytes)), c.number) << HexBytes(bytes);
    }
}

TEST(WithoutHyphens, DropsHyphenLikeMarksOnly)
{
    EXPECT_EQ(WithoutHyphens(FoldForSearch(Sjis(U"〒163-8001 ０３－５３２１‐1―1 スーパー"))),
              u"〒1638001 03532111 すーぱー");
}

TEST(ContainsUnits, FindsAPartWhereverItStarts)
{
    // Every start in a text longer than two blocks of eight, with the first unit of the
    // part also just before and after it.
    const std::u16string part = u"あい";
    for (std::size_t at = 0; at + part.size() <= 21; ++at) {
        std::u16string text(21, u'あ');
        text.replace(at, part.size(), part);
        EXPECT_TRUE(ContainsUnits(text, part)) << "at " << at;
        text[at + 1] = u'う';
        EXPECT_FALSE(ContainsUnits(text, part)) << "at " << at;
    }
    EXPECT_TRUE(ContainsUnits(u"", u""));
    EXPECT_FALSE(ContainsUnits(u"あ", u"あい"));
    EXPECT_TRUE(ContainsUnits(u"ab", u"ab"));
}

} // namespace
} // namespace velm
