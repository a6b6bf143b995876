#include "blent/TextGrid.h"

#include "text/HexBytes.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace velm::blent
{
namespace
{

using velm::testing::HexBytes;

std::string Describe(const std::vector<GridLine>& lines)
{
    std::ostringstream out;
    for (const GridLine& line : lines) {
        out << "\n  [";
        for (const PlacedChar& c : line.chars)
            out << " " << c.column << ":" << std::hex << "U+" << static_cast<unsigned>(c.ch)
                << std::dec << "/" << c.cells;
        out << " ]";
    }
    return out.str();
}

struct Case {
    const char* name;
    std::string text;
    GridOptions options;
    std::vector<GridLine> expected;
};

void Check(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        const std::vector<GridLine> actual = LayOutText(c.text, c.options);
        EXPECT_EQ(actual, c.expected)
            << c.name << "\n  bytes: " << HexBytes(c.text) << "\n  actual:" << Describe(actual)
            << "\n  expected:" << Describe(c.expected);
    }
}

const GridOptions kPlain{false, 8, 0};

// One cell per byte: a double-byte character starts at its first byte's column and takes
// two cells; blanks take their cells and draw nothing.
TEST(TextGrid, PlacesEachCharacterAtTheColumnOfItsFirstByte)
{
    Check({
        {"ascii", "ab", kPlain, {{{{0, 1, U'a'}, {1, 1, U'b'}}}}},
        {"spaces take cells", " a  b", kPlain, {{{{1, 1, U'a'}, {4, 1, U'b'}}}}},
        {"box rule of the list sheet",
         "\x84\xA0"
         "ab\x84\xA0", // │ab│
         kPlain,
         {{{{0, 2, U'\u2502'}, {2, 1, U'a'}, {3, 1, U'b'}, {4, 2, U'\u2502'}}}}},
        {"full-width space is blank",
         "\x81\x40\x82\xA0", // 　あ
         kPlain,
         {{{{2, 2, U'\u3042'}}}}},
        {"half-width katakana is one cell",
         "\xB1"
         "a", // ｱa
         kPlain,
         {{{{0, 1, U'\uFF71'}, {1, 1, U'a'}}}}},
        {"control bytes are blank cells",
         "\x01"
         "a\x7F"
         "b",
         kPlain,
         {{{{1, 1, U'a'}, {3, 1, U'b'}}}}},
    });
}

// Bytes that form no character show as U+FFFD, each in one cell, and the text after them
// keeps the columns its bytes give it.
TEST(TextGrid, UndecodableBytesTakeOneCellEach)
{
    Check({
        {"lone lead byte at the end (a cut column)",
         "ab\x82",
         kPlain,
         {{{{0, 1, U'a'}, {1, 1, U'b'}, {2, 1, U'\uFFFD'}}}}},
        {"lead byte before a space", "\x82 a", kPlain, {{{{0, 1, U'\uFFFD'}, {2, 1, U'a'}}}}},
        {"lead byte before a byte that is no trail",
         "\x82\x7F"
         "a",
         kPlain,
         {{{{0, 1, U'\uFFFD'}, {2, 1, U'a'}}}}},
        {"pair the code page leaves undefined",
         "\x85\x40"
         "a",
         kPlain,
         {{{{0, 2, U'\uFFFD'}, {2, 1, U'a'}}}}},
        {"C1 control byte is a blank cell",
         "\x80"
         "a",
         kPlain,
         {{{{1, 1, U'a'}}}}},
    });
}

TEST(TextGrid, SplitsLinesAtLineEnds)
{
    Check({
        {"CR LF", "a\r\nb\r\n", kPlain, {{{{0, 1, U'a'}}}, {{{0, 1, U'b'}}}}},
        {"LF and a last line without end", "a\nb", kPlain, {{{{0, 1, U'a'}}}, {{{0, 1, U'b'}}}}},
        {"empty lines count", "\r\n\r\na\r\n", kPlain, {{}, {}, {{{0, 1, U'a'}}}}},
        {"empty text has no line", "", kPlain, {}},
        {"end mark 0x1A",
         "a\r\n\x1A"
         "b\r\n",
         kPlain,
         {{{{0, 1, U'a'}}}}},
    });
}

TEST(TextGrid, ExpandsTabsOnlyWhenAsked)
{
    Check({
        {"tab to the next stop",
         "a\tb\tc",
         {true, 4, 0},
         {{{{0, 1, U'a'}, {4, 1, U'b'}, {8, 1, U'c'}}}}},
        {"tab at a stop moves a whole stop",
         "abcd\te",
         {true, 4, 0},
         {{{{0, 1, U'a'}, {1, 1, U'b'}, {2, 1, U'c'}, {3, 1, U'd'}, {8, 1, U'e'}}}}},
        {"tab as one blank cell", "a\tb", {false, 4, 0}, {{{{0, 1, U'a'}, {2, 1, U'b'}}}}},
    });
}

TEST(TextGrid, WrapsWithoutSplittingADoubleByteCharacter)
{
    Check({
        {"wraps at the edge",
         "abcde",
         {false, 8, 3},
         {{{{0, 1, U'a'}, {1, 1, U'b'}, {2, 1, U'c'}}}, {{{0, 1, U'd'}, {1, 1, U'e'}}}}},
        {"double-byte character moves whole to the next line",
         "ab\x82\xA0", // abあ
         {false, 8, 3},
         {{{{0, 1, U'a'}, {1, 1, U'b'}}}, {{{0, 2, U'\u3042'}}}}},
        {"exact fit does not wrap",
         "a\x82\xA0",
         {false, 8, 3},
         {{{{0, 1, U'a'}, {1, 2, U'\u3042'}}}}},
        {"no wrap keeps long lines",
         "abcde",
         {false, 8, 0},
         {{{{0, 1, U'a'}, {1, 1, U'b'}, {2, 1, U'c'}, {3, 1, U'd'}, {4, 1, U'e'}}}}},
        {"tab past the edge wraps",
         "ab\tc",
         {true, 4, 3},
         {{{{0, 1, U'a'}, {1, 1, U'b'}}}, {{{0, 1, U'c'}}}}},
    });
}

} // namespace
} // namespace velm::blent
