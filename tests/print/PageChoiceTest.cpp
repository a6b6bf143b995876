#include "print/PageChoice.h"

#include "print/PreviewWindow.h"

#include <gtest/gtest.h>
#include <vector>

namespace velm::print
{
namespace
{

// Pages of one printed page each, and sheets that hold two printed pages each (the last
// holding one).
const std::vector<PrintedPages> kSingle{{1, 1}, {2, 2}, {3, 3}, {4, 4}};
const std::vector<PrintedPages> kTwoUp{{1, 2}, {3, 4}, {5, 5}};

TEST(PagesToSend, FollowsRangeCopiesCollationAndOrder)
{
    struct Case {
        const char* name;
        const std::vector<PrintedPages>& pages;
        PageChoice choice;
        std::vector<int> expected;
    };
    const std::vector<Case> cases{
        {"every page", kSingle, {}, {0, 1, 2, 3}},
        {"one page", kSingle, {{{2, 2}}}, {1}},
        {"two ranges", kSingle, {{{1, 1}, {3, 4}}}, {0, 2, 3}},
        {"a range past the end", kSingle, {{{4, 9}}}, {3}},
        {"collated copies", kSingle, {{{2, 3}}, 2, true}, {1, 2, 1, 2}},
        {"uncollated copies", kSingle, {{{2, 3}}, 2, false}, {1, 1, 2, 2}},
        {"last page first", kSingle, {{{2, 4}}, 1, true, true}, {3, 2, 1}},
        {"no copies count as one", kSingle, {{{1, 1}}, 0}, {0}},
        {"a printed page picks its sheet", kTwoUp, {{{4, 4}}}, {1}},
        {"a range across sheets", kTwoUp, {{{2, 3}}}, {0, 1}},
        {"the last sheet's lone page", kTwoUp, {{{5, 5}}}, {2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PagesToSend(c.pages, c.choice), c.expected) << c.name;
}

TEST(CounterText, ShowsThePrintedPagesOnScreen)
{
    EXPECT_EQ(CounterText({3, 3}, 12), QStringLiteral("3 / 12"));
    EXPECT_EQ(CounterText({5, 6}, 12), QStringLiteral("5-6 / 12"));
}

} // namespace
} // namespace velm::print
