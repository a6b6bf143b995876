#include "sheets/VerticalText.h"

#include "sheets/PostcardLayout.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace velm
{
namespace
{

TEST(VerticalForm, TurnsDashesAndBracketsAndMovesPunctuationAndSmallKana)
{
    const struct {
        std::u32string_view chars;
        VerticalForm form;
    } kCases[] = {
        {U"ー－―‐〜～…‥（）「」『』【】〔〕［］", VerticalForm::Rotated},
        {U"、。，．", VerticalForm::UpperRight},
        {U"ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ", VerticalForm::SmallKana},
        {U"あア山１Ａ｜〇一様", VerticalForm::Upright},
    };
    for (const auto& c : kCases) {
        for (const char32_t ch : c.chars)
            EXPECT_EQ(VerticalFormOf(ch), c.form) << static_cast<unsigned>(ch);
    }
}

TEST(ColumnText, MakesCharactersFullWidthAndDigitsKanjiWhenAsked)
{
    const struct {
        std::u32string_view text;
        bool kanji;
        std::u32string_view expected;
    } kCases[] = {
        {U"1-2-3", true, U"一｜二｜三"},     {U"１－２ー３", true, U"一｜二｜三"},
        {U"10番地", true, U"一〇番地"},      {U"1-2-3", false, U"１｜２｜３"},
        {U"Ａ-1", true, U"Ａ－一"},          {U"3-", true, U"三－"},
        {U"ABC(x)", false, U"ＡＢＣ（ｘ）"}, {U"  山田 \u3000 太郎  ", false, U"山田\u3000太郎"},
        {U"a\uFFFD", false, U"ａ"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ColumnText(c.text, c.kanji), c.expected);
}

TEST(PostalDigits, TakesSevenDigitsOfEitherWidthAndIgnoresTheRest)
{
    const struct {
        std::u32string_view postNo;
        std::optional<std::u32string> expected;
    } kCases[] = {
        {U"〒100-0005", U"1000005"},    {U"１００－０００５", U"1000005"},
        {U"123 ４５６ー7", U"1234567"}, {U"100-000", std::nullopt},
        {U"100-00051", std::nullopt},   {U"", std::nullopt},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(PostalDigits(c.postNo), c.expected);
}

} // namespace
} // namespace velm
