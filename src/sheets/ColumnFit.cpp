#include "sheets/ColumnFit.h"

#include "sheets/VerticalText.h"

#include <algorithm>

namespace velm
{

namespace
{

// Room for rounding when cells fill a column exactly.
constexpr double kTolerance = 1e-9;

// Each step that sets a text closer or smaller takes this share off the pitch.
constexpr double kPitchStep = 0.97;

constexpr char32_t kEllipsis = U'…';

// Walks the cells of the characters that fit, handing each position to `visit`, and gives
// their number.
template <typename Visit>
std::size_t WalkCells(std::u32string_view text, double pitch, double length, int columns,
                      Visit visit)
{
    CellPosition at;
    std::size_t placed = 0;
    for (const char32_t ch : text) {
        const bool gap = ch == kColumnGap;
        const double height = gap ? pitch * kGapShare : pitch;
        if (at.offset + height > length + kTolerance) {
            ++at.column;
            at.offset = 0;
        }
        if (at.column >= columns)
            break;
        visit(at);
        ++placed;
        if (!(gap && at.column > 0 && at.offset == 0))
            at.offset += height;
    }
    return placed;
}

std::size_t CountFitting(std::u32string_view text, double pitch, double length, int columns)
{
    return WalkCells(text, pitch, length, columns, [](const CellPosition&) {});
}

bool Fits(std::u32string_view text, double pitch, double length, int columns)
{
    return CountFitting(text, pitch, length, columns) == text.size();
}

// The text without its gaps at the end.
std::u32string_view WithoutTrailingGaps(std::u32string_view text)
{
    while (!text.empty() && text.back() == kColumnGap)
        text.remove_suffix(1);
    return text;
}

// The longest head of the text, ended by "…", that fits at the given pitch. It holds fewer
// characters than fit of the text itself, so the search starts there.
std::u32string CutToFit(std::u32string_view text, double pitch, double length, int columns)
{
    for (std::size_t keep = CountFitting(text, pitch, length, columns); keep-- > 0;) {
        std::u32string shortened(WithoutTrailingGaps(text.substr(0, keep)));
        shortened += kEllipsis;
        if (Fits(shortened, pitch, length, columns))
            return shortened;
    }
    return {};
}

} // namespace

std::vector<CellPosition> PlaceCells(std::u32string_view text, double pitch, double length,
                                     int columns)
{
    std::vector<CellPosition> cells;
    cells.reserve(text.size());
    WalkCells(text, pitch, length, columns,
              [&cells](const CellPosition& cell) { cells.push_back(cell); });
    return cells;
}

ColumnFit FitColumns(std::u32string_view text, ColumnStyle nominal, double length, int maxColumns)
{
    const double smallest = nominal.size * kSmallestShare;
    for (int columns = 1; columns <= maxColumns; ++columns) {
        // A text that does not fit at the smallest size needs another column.
        if (!Fits(text, smallest, length, columns))
            continue;
        for (double pitch = nominal.pitch;; pitch = std::max(pitch * kPitchStep, smallest)) {
            if (Fits(text, pitch, length, columns))
                return {
                    {std::min(nominal.size, pitch), pitch}, columns, std::u32string(text), false};
        }
    }
    return {{smallest, smallest}, maxColumns, CutToFit(text, smallest, length, maxColumns), true};
}

} // namespace velm
