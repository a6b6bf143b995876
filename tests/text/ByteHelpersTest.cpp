#include "support/Bytes.h"
#include "text/ByteSearch.h"
#include "text/FixedColumn.h"
#include "text/RightTrim.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace velm
{
namespace
{

using test::HexBytes;

struct TrimCase {
    std::string_view input;
    std::string_view right;
    std::string_view both;
};

TEST(RightTrim, RemovesTrailingBytesUpTo0x20AndTrimAlsoLeadingOnes)
{
    using namespace std::string_view_literals;
    const TrimCase cases[] = {
        {"", "", ""},
        {"   ", "", ""},
        {"abc", "abc", "abc"},
        {"  abc  ", "  abc", "abc"},
        {"a b\t\r\n", "a b", "a b"},
        {"x\x01\x1F\x20"sv, "x", "x"},
        {"\0x\0"sv, "\0x"sv, "x"},
        // 0x7F and every byte of a double-byte character stay.
        {"a\x7F", "a\x7F", "a\x7F"},
        {"\x82\xa0 ", "\x82\xa0", "\x82\xa0"},                        // あ
        {"\x81\x40\x81\x40", "\x81\x40\x81\x40", "\x81\x40\x81\x40"}, // full-width spaces
    };
    for (const TrimCase& c : cases) {
        EXPECT_EQ(RightTrim(c.input), c.right)
            << "input " << HexBytes(c.input) << " gave " << HexBytes(RightTrim(c.input));
        EXPECT_EQ(Trim(c.input), c.both)
            << "input " << HexBytes(c.input) << " gave " << HexBytes(Trim(c.input));
    }
}

struct ColumnCase {
    std::string_view text;
    std::size_t width;
    std::string_view column;
};

std::string ColumnOf(void (*append)(std::string&, std::string_view, std::size_t),
                     const ColumnCase& c)
{
    std::string column;
    append(column, c.text, c.width);
    return column;
}

TEST(FixedColumn, PadsWithSpacesOrCutsAtTheByteWidth)
{
    const ColumnCase cases[] = {
        {"", 0, ""},
        {"", 3, "   "},
        {"ab", 4, "ab  "},
        {"abcd", 4, "abcd"},
        {"abcdef", 4, "abcd"},
        {"abc", 0, ""},
        // The cut falls inside the second character and keeps its lead byte alone.
        {"\x96\xBC\x91\x4F", 3, "\x96\xBC\x91"}, // 名前
        {"\x96\xBC", 3, "\x96\xBC "},
    };
    for (const ColumnCase& c : cases) {
        const std::string column = ColumnOf(AppendFixedColumn, c);
        EXPECT_EQ(column, c.column)
            << HexBytes(c.text) << " width " << c.width << " gave " << HexBytes(column);
    }
}

TEST(FixedColumn, AppendKeepsWhatIsAlreadyThere)
{
    std::string line = "\x96\xBC\x81\x79"; // 名【
    AppendFixedColumn(line, "ab", 3);
    AppendFixedColumn(line, "xyz", 1);
    AppendWholeCharColumn(line, "\x96\xBC", 1);
    EXPECT_EQ(line, "\x96\xBC\x81\x79"
                    "ab x ")
        << HexBytes(line);
}

// A sheet's column keeps its width and holds whole characters only: a lead byte without
// its second byte in the column becomes a space.
TEST(WholeCharColumn, ReplacesALoneLeadByteWithASpace)
{
    const ColumnCase cases[] = {
        {"abcdef", 4, "abcd"},
        {"\x96\xBC\x91\x4F", 4, "\x96\xBC\x91\x4F"}, // 名前 fits
        {"\x96\xBC\x91\x4F", 3, "\x96\xBC "},        // the cut leaves 0x91 alone
        {"a\x96\xBC\x91\x4F", 4, "a\x96\xBC "},      // one ASCII byte shifts the cut
        {"\xB1\x96\xBC", 2, "\xB1 "},                // ｱ is one byte, 0x96 is cut off
        // 0x96 0x96 is one character; its trail byte is not taken for a lead byte.
        {"\x96\x96\x96", 2, "\x96\x96"},
        {"\x96\x96\x96", 3, "\x96\x96 "},
        // A text that already ends in a lone lead byte (a field cut when stored).
        {"ab\x96", 5, "ab   "},
        {"\x96\x20"
         "b",
         4, "  b "},
        {"\x96\x7F", 2, " \x7F"},
        {"\x96", 0, ""},
    };
    for (const ColumnCase& c : cases) {
        const std::string column = ColumnOf(AppendWholeCharColumn, c);
        EXPECT_EQ(column, c.column)
            << HexBytes(c.text) << " width " << c.width << " gave " << HexBytes(column);
    }
}

struct FindCase {
    std::string_view text;
    std::string_view needle;
    std::size_t position;
};

TEST(FindBytes, GivesTheOneBasedPositionOfTheFirstMatchOrZero)
{
    const FindCase cases[] = {
        {"abcabc", "bc", 2},
        {"abc", "abc", 1},
        {"abc", "abcd", 0},
        {"abc", "x", 0},
        {"", "a", 0},
        {"abc", "", 0},
        // 】 is found after a value cut to a lone lead byte 0x81.
        {"\x81\x81\x7A", "\x81\x7A", 2},
        // The search is not character-aware: ア is 0x83 0x41, so "A" matches its second byte.
        {"\x83\x41", "A", 2},
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(FindBytes(c.text, c.needle), c.position)
            << HexBytes(c.needle) << " in " << HexBytes(c.text);
}

// The pair search tests sixteen places at a time and the last few one by one, so the pair
// is put at every place of texts shorter and longer than a few blocks, among bytes that
// each look like half of it.
TEST(FindBytePair, FindsThePairAtEveryPlaceOfTextsOfEveryLength)
{
    for (std::size_t size = 0; size <= 70; ++size) {
        // All lead bytes, then all second bytes: the pair never appears.
        std::string text(size, '\x81');
        EXPECT_EQ(FindBytePair(text, '\x81', '\x7A'), 0u) << HexBytes(text);
        text.assign(size, '\x7A');
        if (size > 0)
            text.back() = '\x81';
        EXPECT_EQ(FindBytePair(text, '\x81', '\x7A'), 0u) << HexBytes(text);
        // One second byte among lead bytes makes the pair end there; a later one is not
        // the first.
        for (std::size_t second = 1; second < size; ++second) {
            text.assign(size, '\x81');
            text[second] = '\x7A';
            if (second + 2 < size)
                text[size - 1] = '\x7A';
            EXPECT_EQ(FindBytePair(text, '\x81', '\x7A'), second) << HexBytes(text);
            EXPECT_EQ(FindBytes(text, "\x81\x7A"), second) << HexBytes(text);
        }
    }
}

} // namespace
} // namespace velm
