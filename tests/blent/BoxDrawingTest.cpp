#include "blent/BoxDrawing.h"

#include <gtest/gtest.h>
#include <vector>

namespace velm::blent
{
namespace
{

// A cell of two half-width cells at 10 pt, its rules through the middle at y 5.
constexpr RectPt kCell{100, 50, 10, 12};
constexpr double kMiddle = 55;
constexpr double kFontSize = 10;
constexpr double kLight = 0.6;
constexpr double kHeavy = 1.2;

struct Extent {
    double left;
    double top;
    double right;
    double bottom;
};

std::vector<Extent> Extents(char32_t ch)
{
    std::vector<Extent> extents;
    for (const RectPt& r : BoxStrokes(*BoxArmsOf(ch), kCell, kMiddle, kFontSize))
        extents.push_back({r.left, r.top, r.right(), r.bottom()});
    return extents;
}

// Vertical arms reach the cell's top and bottom, horizontal ones its left and right edge,
// so that neighbouring cells and lines join; arms overlap in the middle, so a straight line
// has no seam there and a corner is square.
TEST(BoxStrokes, ReachTheCellEdgesAndMeetInTheMiddle)
{
    struct Case {
        char32_t ch;
        std::vector<Extent> expected;
    };
    const double heavyHalf = kHeavy / 2;
    const double lightHalf = kLight / 2;
    const std::vector<Case> cases{
        // ┃: up and down, each past the middle by half its own thickness.
        {U'┃',
         {{105 - heavyHalf, 50, 105 + heavyHalf, 55 + heavyHalf},
          {105 - heavyHalf, 55 - heavyHalf, 105 + heavyHalf, 62}}},
        // ┏: right and down, the corner filled exactly.
        {U'┏',
         {{105 - heavyHalf, 55 - heavyHalf, 105 + heavyHalf, 62},
          {105 - heavyHalf, 55 - heavyHalf, 110, 55 + heavyHalf}}},
        // ┠: a light arm to the right starts inside the heavy vertical.
        {U'┠',
         {{105 - heavyHalf, 50, 105 + heavyHalf, 55 + lightHalf},
          {105 - heavyHalf, 55 - lightHalf, 105 + heavyHalf, 62},
          {105 - heavyHalf, 55 - lightHalf, 110, 55 + lightHalf}}},
    };
    for (const Case& c : cases) {
        const std::vector<Extent> actual = Extents(c.ch);
        ASSERT_EQ(actual.size(), c.expected.size()) << static_cast<unsigned>(c.ch);
        for (std::size_t i = 0; i < actual.size(); ++i) {
            EXPECT_NEAR(actual[i].left, c.expected[i].left, 1e-9) << int(c.ch) << " arm " << i;
            EXPECT_NEAR(actual[i].top, c.expected[i].top, 1e-9) << int(c.ch) << " arm " << i;
            EXPECT_NEAR(actual[i].right, c.expected[i].right, 1e-9) << int(c.ch) << " arm " << i;
            EXPECT_NEAR(actual[i].bottom, c.expected[i].bottom, 1e-9) << int(c.ch) << " arm " << i;
        }
    }
}

// Every box-drawing character of the code page is drawn; nothing else is.
TEST(BoxArmsOf, KnowsTheCodePagesBoxDrawingCharacters)
{
    int known = 0;
    for (char32_t ch = 0x2500; ch <= 0x257F; ++ch)
        known += BoxArmsOf(ch) ? 1 : 0;
    EXPECT_EQ(known, 32);
    for (const char32_t ch : {U'a', U'あ', U'〒', U'\u2504', U'\u254C'})
        EXPECT_FALSE(BoxArmsOf(ch)) << static_cast<unsigned>(ch);
}

} // namespace
} // namespace velm::blent
