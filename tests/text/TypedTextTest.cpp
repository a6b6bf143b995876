#include "text/TypedText.h"

#include "support/Bytes.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace velm
{
namespace
{

using namespace std::string_view_literals;
using test::HexUnits;

struct SingleLineCase {
    std::u16string_view text;
    std::size_t cursor;
    std::u16string_view line;
    std::size_t lineCursor;
};

TEST(MakeSingleLine, TurnsLineBreaksAndTabsIntoSpacesAndDropsOtherControls)
{
    const SingleLineCase cases[] = {
        {u"", 0, u"", 0},
        {u"\u6771\u4EAC\n\uFF11", 3, u"\u6771\u4EAC \uFF11", 3},
        {u"a\r\nb", 4, u"a b", 3},
        {u"a\r\nb", 2, u"a b", 2},     // between CR and LF: after the space
        {u"a\n\r\rb", 5, u"a   b", 5}, // LF CR is two breaks
        {u"a\u2028b\u2029c\u0085d\te", 8, u"a b c d e", 8},
        {u"\u0001a\u001Fb\u007F\u0000"sv, 6, u"ab", 2},
        {u"a\u001Bb", 2, u"ab", 1},
        {u"a\u001Bb", 1, u"ab", 1},
        {u"\u0080\u009F\u00A0", 3, u"\u0080\u009F\u00A0", 3}, // only U+0085 of C1 breaks
    };
    for (const SingleLineCase& c : cases) {
        std::u16string text(c.text);
        std::size_t cursor = c.cursor;
        MakeSingleLine(text, cursor);
        EXPECT_EQ(HexUnits(text), HexUnits(c.line)) << HexUnits(c.text);
        EXPECT_EQ(cursor, c.lineCursor) << HexUnits(c.text);
    }
}

struct NumberCase {
    std::u16string_view text;
    std::u16string_view digits; // MakeHalfWidthDigits
    std::u16string_view number; // MakeHalfWidthNumber
};

TEST(MakeHalfWidthNumber, TurnsFullWidthDigitsAndHyphensIntoAscii)
{
    const NumberCase cases[] = {
        {u"\uFF10\uFF19\uFF13", u"093", u"093"},
        {u"\uFF11\uFF10\uFF10\u2212\uFF10\uFF10\uFF10\uFF11", u"100\u22120001", u"100-0001"},
        {u"03\uFF0D1\u20102\u20153", u"03\uFF0D1\u20102\u20153", u"03-1-2-3"},
        {u"\uFF10\u30FC\uFF11", u"0\u30FC1", u"0-1"},              // ー between digits
        {u"\u30FC1 1\u30FC 1\u30FCa", u"\u30FC1 1\u30FC 1\u30FCa", // ー elsewhere stays
         u"\u30FC1 1\u30FC 1\u30FCa"},
        {u"\uFF21\uFF1A\uFF0B\u3000x", u"\uFF21\uFF1A\uFF0B\u3000x", u"\uFF21\uFF1A\uFF0B\u3000x"},
        {u"", u"", u""},
    };
    for (const NumberCase& c : cases) {
        std::u16string digits(c.text);
        MakeHalfWidthDigits(digits);
        EXPECT_EQ(HexUnits(digits), HexUnits(c.digits)) << HexUnits(c.text);
        std::u16string number(c.text);
        MakeHalfWidthNumber(number);
        EXPECT_EQ(HexUnits(number), HexUnits(c.number)) << HexUnits(c.text);
    }
}

} // namespace
} // namespace velm
