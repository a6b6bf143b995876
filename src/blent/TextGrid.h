#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace velm::blent
{

// The grid of half-width cells that a text lies on: a single-byte character takes one
// cell, a double-byte character (a lead byte and its second byte) two.
struct GridOptions {
    bool tabsExpand = true; // a tab moves to the next multiple of tabWidth; else one cell
    int tabWidth = 8;
    int wrapColumns = 0; // a line longer than this many cells continues on the next; 0: never
};

// The bytes of the text that print as one line of the grid: a whole text line, or a part
// of one that wrapping moves to a line of its own.
struct GridLine {
    std::size_t offset = 0;
    std::size_t length = 0;
    bool continued = false; // a later part of a wrapped text line

    friend bool operator==(const GridLine&, const GridLine&) = default;
};

// Cuts a Shift-JIS text into grid lines: a text line ends at LF (a CR before it is not
// part of it; reading stops at a 0x1A mark at the start of a line), and with wrapping a
// character that would cross the wrap column starts a line of its own. A double-byte
// character is never split. Takes time in proportion to the text and keeps no characters.
std::vector<GridLine> SplitIntoGridLines(std::string_view text, const GridOptions& options);

// One character of a grid line and the cells it takes. Bytes that form no printable
// character show as U+FFFD, one per byte, so that the columns after them stay where the
// bytes put them. Blanks and control bytes take their cells but are not listed.
struct PlacedChar {
    int column = 0;
    int cells = 1;
    char32_t ch = 0;

    friend bool operator==(const PlacedChar&, const PlacedChar&) = default;
};

// The characters of one grid line's bytes that lie wholly within its first `columns`
// cells.
std::vector<PlacedChar> PlaceCharacters(std::string_view bytes, const GridOptions& options,
                                        int columns);

} // namespace velm::blent
