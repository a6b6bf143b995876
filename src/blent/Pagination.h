#pragma once

#include "blent/TextGrid.h"

#include <string_view>
#include <vector>

namespace velm::blent
{

// Where a page may begin, so that no card is split across two pages.
enum class PageBreaks {
    AnyLine,
    AfterSeparator, // the address book: a card's lines end with a line of asterisks
    BeforeBox,      // the notebook sheet: each card begins with its box's top line
    AfterRule,      // the list sheet: each card's rows end with a rule
};

// Recognises the program's files by their first line: the address book begins with "名【",
// the notebook sheet with "┏", the list sheet with "┌".
PageBreaks PageBreaksFor(std::string_view text);

// One page of text: a run of consecutive grid lines.
struct TextPage {
    int firstLine = 0;
    int lineCount = 0;

    friend bool operator==(const TextPage&, const TextPage&) = default;
};

// Cuts the grid lines of `text` into pages of at most `linesPerPage` lines, each page
// ending where the next may begin; a run longer than a page is cut where the page is
// full. An empty text gives one empty page, so that printing it shows something. Stops
// after `maxPages` + 1 pages, since a caller that refuses more needs no more.
std::vector<TextPage> Paginate(std::string_view text, const std::vector<GridLine>& lines,
                               PageBreaks breaks, int linesPerPage, int maxPages);

} // namespace velm::blent
