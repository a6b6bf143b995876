#pragma once

#include <string_view>
#include <vector>

namespace velm::blent
{

// One character placed on the grid of half-width cells: a single-byte character takes
// one cell, a double-byte character two. Blanks and control bytes take their cells but
// are not listed, since nothing is drawn for them.
struct PlacedChar {
    int column = 0;
    int cells = 1;
    char32_t ch = 0;

    friend bool operator==(const PlacedChar&, const PlacedChar&) = default;
};

// One printed line: its characters from left to right.
struct GridLine {
    std::vector<PlacedChar> chars;

    friend bool operator==(const GridLine&, const GridLine&) = default;
};

struct GridOptions {
    bool tabsExpand = true; // a tab moves to the next multiple of tabWidth; else one cell
    int tabWidth = 8;
    int wrapColumns = 0; // a line longer than this many cells continues on the next; 0: never
};

// Lays a Shift-JIS text out on the cell grid, one line per text line (CR LF or LF ends a
// line; reading stops at a 0x1A mark at the start of a line) plus the continuation lines
// that wrapping makes. A double-byte character is never split by a wrap. Bytes that form
// no character show as U+FFFD, one per byte, each in its own cell, so the columns after
// them stay where the bytes put them.
std::vector<GridLine> LayOutText(std::string_view text, const GridOptions& options);

} // namespace velm::blent
