#include "blent/TextGrid.h"

#include "support/Bytes.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace velm::blent
{
namespace
{

using test::HexBytes;

std::string Describe(const std::vector<PlacedChar>& chars)
{
    std::ostringstream out;
    out << "[";
    for (const PlacedChar& c : chars)
        out << " " << c.column << ":" << std::hex << "U+" << static_cast<unsigned>(c.ch) << std::dec
            << "/" << c.cells;
    out << " ]";
    return out.str();
}

struct PlaceCase {
    const char* name;
    std::string bytes;
    GridOptions options;
    int columns;
    std::vector<PlacedChar> expected;
};

void CheckPlacing(const std::vector<PlaceCase>& cases)
{
    for (const PlaceCase& c : cases) {
        const std::vector<PlacedChar> actual = PlaceCharacters(c.bytes, c.options, c.columns);
        EXPECT_EQ(actual, c.expected)
            << c.name << "\n  bytes: " << HexBytes(c.bytes) << "\n  actual:   " << Describe(actual)
            << "\n  expected: " << Describe(c.expected);
    }
}

const GridOptions kPlain{false, 8, 0};
constexpr int kWide = 100;

// One cell per byte: a double-byte character starts at its first byte's column and takes
// two cells; blanks take their cells and draw nothing.
TEST(PlaceCharacters, PutsEachCharacterAtTheColumnOfItsFirstByte)
{
    CheckPlacing({
        {"ascii", "ab", kPlain, kWide, {{0, 1, U'a'}, {1, 1, U'b'}}},
        {"spaces take cells", " a  b", kPlain, kWide, {{1, 1, U'a'}, {4, 1, U'b'}}},
        {"box rule of the list sheet",
         "\x84\xA0"
         "ab\x84\xA0", // │ab│
         kPlain,
         kWide,
         {{0, 2, U'\u2502'}, {2, 1, U'a'}, {3, 1, U'b'}, {4, 2, U'\u2502'}}},
        {"full-width space is blank", "\x81\x40\x82\xA0", kPlain, kWide, {{2, 2, U'\u3042'}}},
        {"half-width katakana is one cell",
         "\xB1"
         "a",
         kPlain,
         kWide,
         {{0, 1, U'\uFF71'}, {1, 1, U'a'}}},
        {"control bytes are blank cells",
         "\x01"
         "a\x7F"
         "b",
         kPlain,
         kWide,
         {{1, 1, U'a'}, {3, 1, U'b'}}},
        {"tab to the next stop",
         "a\tb\tc",
         {true, 4, 0},
         kWide,
         {{0, 1, U'a'}, {4, 1, U'b'}, {8, 1, U'c'}}},
        {"tab at a stop moves a whole stop",
         "abcd\te",
         {true, 4, 0},
         kWide,
         {{0, 1, U'a'}, {1, 1, U'b'}, {2, 1, U'c'}, {3, 1, U'd'}, {8, 1, U'e'}}},
        {"tab as one blank cell", "a\tb", kPlain, kWide, {{0, 1, U'a'}, {2, 1, U'b'}}},
    });
}

// Bytes that form no printable character show as U+FFFD, each in its one cell, and the
// text after them keeps the columns its bytes give it.
TEST(PlaceCharacters, UndecodableBytesTakeOneCellEach)
{
    CheckPlacing({
        {"lone lead byte at the end",
         "ab\x82",
         kPlain,
         kWide,
         {{0, 1, U'a'}, {1, 1, U'b'}, {2, 1, U'\uFFFD'}}},
        {"lead byte before a space", "\x82 a", kPlain, kWide, {{0, 1, U'\uFFFD'}, {2, 1, U'a'}}},
        {"lead byte before a byte that is no trail",
         "\x82\x7F"
         "a",
         kPlain,
         kWide,
         {{0, 1, U'\uFFFD'}, {2, 1, U'a'}}},
        {"pair the code page leaves undefined",
         "\x85\x40"
         "a",
         kPlain,
         kWide,
         {{0, 2, U'\uFFFD'}, {2, 1, U'a'}}},
        {"0xA0 has no glyph",
         "\xA0"
         "a",
         kPlain,
         kWide,
         {{0, 1, U'\uFFFD'}, {1, 1, U'a'}}},
        {"user-defined character", "\xF0\x40", kPlain, kWide, {{0, 2, U'\uFFFD'}}},
        {"C1 control byte is a blank cell",
         "\x80"
         "a",
         kPlain,
         kWide,
         {{1, 1, U'a'}}},
    });
}

// Nothing is placed past the last column that fits on the paper, and a double-byte
// character that would cross it is left out whole.
TEST(PlaceCharacters, StopsAtTheColumnsThatFit)
{
    CheckPlacing({
        {"cut after three", "abcde", kPlain, 3, {{0, 1, U'a'}, {1, 1, U'b'}, {2, 1, U'c'}}},
        {"a double-byte character across the edge",
         "ab\x82\xA0",
         kPlain,
         3,
         {{0, 1, U'a'}, {1, 1, U'b'}}},
        {"exact fit", "a\x82\xA0", kPlain, 3, {{0, 1, U'a'}, {1, 2, U'\u3042'}}},
        {"no room", "a", kPlain, 0, {}},
    });
}

// Grid lines are spans of the text, the parts after a wrap marked as continued.
TEST(SplitIntoGridLines, CutsAtLineEndsAndWrapsWithoutSplittingACharacter)
{
    struct Case {
        const char* name;
        std::string text;
        GridOptions options;
        std::vector<GridLine> expected;
    };
    const std::vector<Case> cases{
        {"CR LF", "a\r\nbc\r\n", kPlain, {{0, 1}, {3, 2}}},
        {"LF and a last line without end", "a\nb", kPlain, {{0, 1}, {2, 1}}},
        {"empty lines count", "\r\n\r\na\r\n", kPlain, {{0, 0}, {2, 0}, {4, 1}}},
        {"empty text has no line", "", kPlain, {}},
        {"end mark 0x1A",
         "a\r\n\x1A"
         "b\r\n",
         kPlain,
         {{0, 1}}},
        {"wraps at the edge", "abcde", {false, 8, 3}, {{0, 3}, {3, 2, true}}},
        {"double-byte character moves whole", "ab\x82\xA0", {false, 8, 3}, {{0, 2}, {2, 2, true}}},
        {"exact fit does not wrap", "a\x82\xA0", {false, 8, 3}, {{0, 3}}},
        {"long line wraps twice",
         "abcdefg\r\nh",
         {false, 8, 3},
         {{0, 3}, {3, 3, true}, {6, 1, true}, {9, 1}}},
        {"no wrap keeps long lines", "abcde", kPlain, {{0, 5}}},
        {"a tab stops at the edge", "ab\tc", {true, 4, 3}, {{0, 3}, {3, 1, true}}},
        {"tabs at the edge stay on their line", "a\t\t\tb", {true, 4, 3}, {{0, 4}, {4, 1, true}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitIntoGridLines(c.text, c.options), c.expected)
            << c.name << "\n  bytes: " << HexBytes(c.text);
    }
}

} // namespace
} // namespace velm::blent
