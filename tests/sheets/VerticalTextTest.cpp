#include "sheets/VerticalText.h"

#include "PostcardCards.h"
#include "sheets/ColumnFit.h"
#include "sheets/PostcardLayout.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <string>

namespace velm
{
namespace
{

using test::Repeated;

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

TEST(FitColumns, SetsCloserThenSmallerThenInASecondColumnThenCuts)
{
    constexpr ColumnStyle kStyle{5.0, 6.0};
    constexpr double kLength = 60.0; // ten cells at the nominal pitch
    const struct {
        std::size_t characters;
        int maxColumns;
        double size; // expected
        double pitchAtLeast;
        double pitchAtMost;
        int columns;
        bool cut;
    } kCases[] = {
        {10, 2, 5.0, 6.0, 6.0, 1, false},  {11, 2, 5.0, 5.0, 5.46, 1, false},
        {15, 2, 4.0, 3.88, 4.0, 1, false}, {20, 2, 3.0, 3.0, 3.0, 1, false},
        {21, 2, 5.0, 5.0, 5.46, 2, false}, {21, 1, 3.0, 3.0, 3.0, 1, true},
        {45, 2, 3.0, 3.0, 3.0, 2, true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.characters);
        const std::u32string text = Repeated(U'あ', c.characters);
        const ColumnFit fit = FitColumns(text, kStyle, kLength, c.maxColumns);
        EXPECT_LE(fit.style.size, c.size);
        EXPECT_GE(fit.style.size, c.size * 0.97);
        EXPECT_GE(fit.style.pitch, c.pitchAtLeast - 1e-9);
        EXPECT_LE(fit.style.pitch, c.pitchAtMost + 1e-9);
        EXPECT_EQ(fit.columns, c.columns);
        EXPECT_EQ(fit.cut, c.cut);
        if (c.cut) {
            EXPECT_EQ(fit.text.back(), U'…');
            EXPECT_EQ(fit.text.size(), 20u * static_cast<std::size_t>(c.maxColumns));
        } else {
            EXPECT_EQ(fit.text, text);
        }
        const auto cells = PlaceCells(fit.text, fit.style.pitch, kLength, fit.columns);
        ASSERT_EQ(cells.size(), fit.text.size());
        for (const CellPosition& cell : cells)
            EXPECT_LE(cell.offset + fit.style.pitch, kLength + 1e-9);
    }
}

TEST(PlaceCells, GivesGapsHalfACellExceptAtTheHeadOfALaterColumn)
{
    const auto cells = PlaceCells(U"あ\u3000い\u3000う", 10.0, 25.0, 2);
    ASSERT_EQ(cells.size(), 5u);
    const double expected[][2] = {{0, 0}, {0, 10}, {0, 15}, {1, 0}, {1, 0}};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(cells[i].column, expected[i][0]) << i;
        EXPECT_DOUBLE_EQ(cells[i].offset, expected[i][1]) << i;
    }
}

} // namespace
} // namespace velm
