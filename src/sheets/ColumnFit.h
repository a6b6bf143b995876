#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velm
{

// The size of a text's glyphs in a vertical column and the distance from one glyph's
// cell to the next, in mm. The pitch is at least the size.
struct ColumnStyle {
    double size = 0;
    double pitch = 0;
};

// A gap (kColumnGap) takes this share of the pitch.
inline constexpr double kGapShare = 0.5;

// Texts are set no smaller than this share of their size before they are cut.
inline constexpr double kSmallestShare = 0.6;

// Where a character's cell starts: the column (0 the first, on the right) and the distance
// from the column's top in mm.
struct CellPosition {
    int column = 0;
    double offset = 0;
};

// Places the characters of a column text one below the other, moving to the next column
// when a cell would reach below `length`; a gap at the head of a later column takes no
// room. The positions of the characters that fit, in order: fewer than the text holds when
// it runs out of columns.
std::vector<CellPosition> PlaceCells(std::u32string_view text, double pitch, double length,
                                     int columns);

// A text as it is set in its columns.
struct ColumnFit {
    ColumnStyle style;
    int columns = 1;
    std::u32string text; // ends with … when the text was cut
    bool cut = false;
};

// Sets a column text in columns of `length` mm: in one column at the nominal style when it
// fits, else closer (down to a pitch equal to the size) and then smaller (down to
// kSmallestShare of the size); failing that, the same in up to `maxColumns` columns; failing
// that, at the smallest size cut short and ended with "…".
ColumnFit FitColumns(std::u32string_view text, ColumnStyle nominal, double length, int maxColumns);

} // namespace velm
