#include "blent/PageLayout.h"

#include "blent/BlentTexts.h"
#include "blent/PrintFormat.h"
#include "sheets/Sheets.h"

#include <gtest/gtest.h>
#include <vector>

namespace velm::blent
{
namespace
{

constexpr SizePt kA4{595.28, 841.89};
constexpr SizePt kJisB5{515.91, 728.50};
constexpr double kHalfAdvance = 5.25; // IPAGothic at 10.5 pt
constexpr double kTolerance = 0.01;

// The list sheet on JIS B5: 25 mm left margin, cells narrowed by 3 %. The bars of every
// line start at bytes 0, 20 and 78, so their x must depend only on the byte position.
TEST(PageLayout, ListSheetColumnsLieOnTheCellGrid)
{
    const PageLayout layout(ParsePrintFormat(Makeitiranbpc()), kJisB5, kHalfAdvance);
    const double left = 25 * 72 / 25.4;
    const double cell = 5.25 * 0.97;
    EXPECT_NEAR(layout.cellWidth(), cell, 1e-9);
    EXPECT_NEAR(layout.linePitch(), 10.5 * 1.03, 1e-9);
    for (const int column : {0, 2, 20, 22, 38, 78})
        EXPECT_NEAR(layout.columnX(0, column), left + column * cell, kTolerance) << column;
    EXPECT_EQ(layout.linesPerPage(), 60);
    EXPECT_EQ(layout.pagesPerSheet(), 1);
    EXPECT_EQ(layout.wrapColumns(), 0);
    // The whole 80-cell line fits on the paper.
    EXPECT_LT(layout.columnX(0, 80), kJisB5.width);
}

// The notebook sheet goes two pages to a B5 sheet: top half, then bottom half, each with
// its own margins, and its 25 lines fit in a half.
TEST(PageLayout, TwoPagesPerSheetUseTheHalvesOfThePaper)
{
    const PageLayout layout(ParsePrintFormat(Maketetyobpc()), kJisB5, kHalfAdvance);
    ASSERT_EQ(layout.pagesPerSheet(), 2);
    EXPECT_EQ(layout.linesPerPage(), 25);
    const double half = kJisB5.height / 2;
    const double top = 4 * 72 / 25.4;
    EXPECT_NEAR(layout.pageArea(1).top, half, kTolerance);
    EXPECT_NEAR(layout.headerTop(0), top, kTolerance);
    EXPECT_NEAR(layout.headerTop(1), half + top, kTolerance);
    EXPECT_NEAR(layout.lineTop(1, 0) - layout.lineTop(0, 0), half, kTolerance);
    EXPECT_NEAR(layout.columnX(1, 11), layout.columnX(0, 11), kTolerance);
    // The last line of the top page ends above the bottom half.
    EXPECT_LT(layout.lineTop(0, 24) + layout.fontSize(), half);

    PrintFormat landscape = ParsePrintFormat(Maketetyobpc());
    landscape.orientation = Orientation::Landscape;
    const PageLayout across(landscape, {kJisB5.height, kJisB5.width}, kHalfAdvance);
    EXPECT_NEAR(across.pageArea(1).left, kJisB5.height / 2, kTolerance);
    EXPECT_NEAR(across.columnX(1, 0) - across.columnX(0, 0), kJisB5.height / 2, kTolerance);
}

// Lines that would run off the paper go to the next page instead.
TEST(PageLayout, LinesPerPageNeverExceedWhatFits)
{
    struct Case {
        const char* name;
        PrintFormat format;
        int expected;
    };
    // A4 with the defaults: the header band takes 1.5 lines, 5 mm stay blank at the bottom.
    // (841.89 - 14.17 - 42.52 - 15.75 - 10.5) / 10.5 = 72.3, plus the first line.
    const std::vector<Case> cases{
        {"defaults fill the page", PrintFormat{}, 73},
        {"a smaller count is kept", PrintFormat{.linesPerPage = 40}, 40},
        {"a larger count is cut", PrintFormat{.linesPerPage = 200}, 73},
        {"double spacing", PrintFormat{.lineSpacingPercent = 100}, 37},
        {"page number at the bottom takes a band",
         PrintFormat{.fileNameInHeader = false, .dateInHeader = false, .pageNumberAtBottom = true},
         73},
        {"header on the grid takes two lines", PrintFormat{.headerOnTextGrid = true}, 72},
        {"a top margin and font that leave no room fit none",
         PrintFormat{.topMarginMm = 200, .fontSizePt = 200}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageLayout(c.format, kA4, kHalfAdvance).linesPerPage(), c.expected) << c.name;
}

// A4 is 210 mm wide and the text ends 5 mm before the edge: 15 mm of left margin leave
// 190 mm, 205 mm none.
TEST(PageLayout, ColumnsThatFitAreTheCellsBeforeTheRightEdge)
{
    struct Case {
        double leftMarginMm;
        double charSpacingPercent;
        int expected;
    };
    const std::vector<Case> cases{
        {15, 0, static_cast<int>(190 * 72 / 25.4 / kHalfAdvance)},
        {15, 100, static_cast<int>(190 * 72 / 25.4 / (2 * kHalfAdvance))},
        {200, 0, static_cast<int>(5 * 72 / 25.4 / kHalfAdvance)},
        {205, 0, 0},
    };
    for (const Case& c : cases) {
        PrintFormat format;
        format.leftMarginMm = c.leftMarginMm;
        format.charSpacingPercent = c.charSpacingPercent;
        const PageLayout layout(format, kA4, kHalfAdvance);
        EXPECT_EQ(layout.columnsThatFit(), c.expected) << c.leftMarginMm;
        EXPECT_EQ(layout.wrapColumns(), 0) << "wrapping is off";
    }
}

TEST(PageLayout, WrapColumnsAreTheCellsBetweenLeftMarginAndRightEdge)
{
    PrintFormat format;
    format.wrapAtRightEdge = true;
    // The text runs from 15 mm to 5 mm before the edge: 190 mm.
    const double width = 190 * 72 / 25.4;
    EXPECT_EQ(PageLayout(format, kA4, kHalfAdvance).wrapColumns(),
              static_cast<int>(width / kHalfAdvance));
    format.charSpacingPercent = 100;
    EXPECT_EQ(PageLayout(format, kA4, kHalfAdvance).wrapColumns(),
              static_cast<int>(width / (2 * kHalfAdvance)));
}

TEST(PageLayout, HeaderAndFooterFollowThePageNumberSettings)
{
    PrintFormat format;
    format.fileNameInHeader = false;
    format.dateInHeader = false;
    EXPECT_TRUE(PageLayout(format, kA4, kHalfAdvance).hasHeader());
    EXPECT_FALSE(PageLayout(format, kA4, kHalfAdvance).hasFooter());
    format.pageNumberAtBottom = true;
    EXPECT_FALSE(PageLayout(format, kA4, kHalfAdvance).hasHeader());
    EXPECT_TRUE(PageLayout(format, kA4, kHalfAdvance).hasFooter());
    // Without a header the text starts at the top margin.
    const PageLayout bare(format, kA4, kHalfAdvance);
    EXPECT_NEAR(bare.lineTop(0, 0), 15 * 72 / 25.4, kTolerance);
    format.pageNumbers = false;
    EXPECT_FALSE(PageLayout(format, kA4, kHalfAdvance).hasFooter());
    EXPECT_EQ(texts::kPageNumber.arg(12), QStringLiteral("- 12 -"));
}

} // namespace
} // namespace velm::blent
