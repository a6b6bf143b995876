#include "blent/Pagination.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velm::blent
{
namespace
{

const GridOptions kNoWrap{false, 8, 0};

const std::string kBoxTop = "\x84\xAC\x84\xAA\x84\xAD";   // ┏━┓
const std::string kRowRule = "\x84\xA5\x84\x9F\x84\xA7";  // ├─┤
const std::string kAddressTag = "\x96\xBC\x81\x79";       // 名【
const std::string kTableTop = "\x84\xA1\x84\x9F\x84\xA2"; // ┌─┐

// `count` cards of `lines` lines each: the first line of a card is `first`, the last
// `last`, the others "x".
std::string Cards(int count, int lines, const std::string& first, const std::string& last)
{
    std::string text;
    for (int card = 0; card < count; ++card) {
        for (int line = 0; line < lines; ++line)
            text += (line == 0 ? first : line == lines - 1 ? last : std::string("x")) + "\r\n";
    }
    return text;
}

std::vector<TextPage> PagesOf(const std::string& text, int perPage,
                              const GridOptions& options = kNoWrap, int maxPages = 2000)
{
    return Paginate(text, SplitIntoGridLines(text, options), PageBreaksFor(text), perPage,
                    maxPages);
}

TEST(PageBreaksFor, KnowsTheProgramsFilesByTheirFirstLine)
{
    EXPECT_EQ(PageBreaksFor(kAddressTag + "abc"), PageBreaks::AfterSeparator);
    EXPECT_EQ(PageBreaksFor(kBoxTop), PageBreaks::BeforeBox);
    EXPECT_EQ(PageBreaksFor(kTableTop), PageBreaks::AfterRule);
    EXPECT_EQ(PageBreaksFor("abc"), PageBreaks::AnyLine);
    EXPECT_EQ(PageBreaksFor("x\r\n" + kBoxTop), PageBreaks::AnyLine);
    EXPECT_EQ(PageBreaksFor(""), PageBreaks::AnyLine);
}

TEST(Paginate, CutsAnyTextIntoFullPages)
{
    struct Case {
        int lines;
        int perPage;
        std::vector<TextPage> expected;
    };
    const std::vector<Case> cases{
        {0, 25, {{0, 0}}},
        {1, 25, {{0, 1}}},
        {25, 25, {{0, 25}}},
        {26, 25, {{0, 25}, {25, 1}}},
        {60, 25, {{0, 25}, {25, 25}, {50, 10}}},
        {3, 1, {{0, 1}, {1, 1}, {2, 1}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PagesOf(Cards(c.lines, 1, "a", "a"), c.perPage), c.expected)
            << c.lines << " lines, " << c.perPage;
}

// A card is never split: a page ends before the card that would not fit on it whole.
TEST(Paginate, KeepsEachCardOnOnePage)
{
    struct Case {
        const char* name;
        std::string text;
        int perPage;
        GridOptions options;
        std::vector<TextPage> expected;
    };
    const std::string separator(78, '*');
    // A notebook card of six grid lines: its address line wraps at 6 cells.
    const std::string wrapped = kBoxTop + "\r\nx\r\nx\r\nabcdefgh\r\nx\r\n";
    const std::vector<Case> cases{
        // Address-book cards of five lines at 73 lines a page: 14 cards (70 lines) a page.
        {"address book",
         Cards(30, 5, kAddressTag, separator),
         73,
         kNoWrap,
         {{0, 70}, {70, 70}, {140, 10}}},
        {"notebook sheet with wrapping",
         wrapped + wrapped + wrapped,
         13,
         {false, 8, 6},
         {{0, 12}, {12, 6}}},
        {"list sheet",
         kTableTop + "\r\nx\r\n" + kRowRule + "\r\n" + Cards(4, 3, "y", kRowRule),
         8,
         kNoWrap,
         {{0, 6}, {6, 6}, {12, 3}}},
        {"a card longer than a page is cut",
         Cards(2, 5, kAddressTag, separator),
         3,
         kNoWrap,
         {{0, 3}, {3, 2}, {5, 3}, {8, 2}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PagesOf(c.text, c.perPage, c.options), c.expected) << c.name;
}

TEST(Paginate, StopsOnePageAfterTheLimit)
{
    EXPECT_EQ(PagesOf(Cards(100, 1, "a", "a"), 1, kNoWrap, 10).size(), 11u);
    EXPECT_EQ(PagesOf(Cards(10, 1, "a", "a"), 1, kNoWrap, 10).size(), 10u);
}

} // namespace
} // namespace velm::blent
