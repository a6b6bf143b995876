#include "blent/Pagination.h"

#include <algorithm>

namespace velm::blent
{
namespace
{

constexpr std::string_view kAddressBookTag = "\x96\xBC\x81\x79"; // 名【
constexpr std::string_view kBoxTopLeft = "\x84\xAC";             // ┏
constexpr std::string_view kTableTopLeft = "\x84\xA1";           // ┌
constexpr std::string_view kRuleLeftTee = "\x84\xA5";            // ├

std::string_view TextOf(std::string_view text, const GridLine& line)
{
    return text.substr(line.offset, line.length);
}

bool IsSeparator(std::string_view line)
{
    return !line.empty() && line.find_first_not_of('*') == std::string_view::npos;
}

// True when grid line `i` may be the first of a page.
bool MayOpenPage(std::string_view text, const std::vector<GridLine>& lines, PageBreaks breaks,
                 std::size_t i)
{
    if (breaks == PageBreaks::AnyLine)
        return true;
    if (lines[i].continued)
        return false;
    switch (breaks) {
    case PageBreaks::AfterSeparator:
        return i == 0 || IsSeparator(TextOf(text, lines[i - 1]));
    case PageBreaks::BeforeBox:
        return TextOf(text, lines[i]).starts_with(kBoxTopLeft);
    case PageBreaks::AfterRule:
        return i == 0 || TextOf(text, lines[i - 1]).starts_with(kRuleLeftTee);
    case PageBreaks::AnyLine:
        break;
    }
    return true;
}

} // namespace

PageBreaks PageBreaksFor(std::string_view text)
{
    if (text.starts_with(kAddressBookTag))
        return PageBreaks::AfterSeparator;
    if (text.starts_with(kBoxTopLeft))
        return PageBreaks::BeforeBox;
    if (text.starts_with(kTableTopLeft))
        return PageBreaks::AfterRule;
    return PageBreaks::AnyLine;
}

std::vector<TextPage> Paginate(std::string_view text, const std::vector<GridLine>& lines,
                               PageBreaks breaks, int linesPerPage, int maxPages)
{
    const int count = static_cast<int>(lines.size());
    const int perPage = std::max(1, linesPerPage);
    std::vector<TextPage> pages;
    int first = 0;
    while (first < count && static_cast<int>(pages.size()) <= maxPages) {
        int end = std::min(count, first + perPage);
        if (end < count) {
            int opening = end;
            while (opening > first && !MayOpenPage(text, lines, breaks, opening))
                --opening;
            if (opening > first)
                end = opening;
        }
        pages.push_back({first, end - first});
        first = end;
    }
    if (pages.empty())
        pages.push_back({0, 0});
    return pages;
}

} // namespace velm::blent
