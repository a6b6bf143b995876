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

bool Fits(std::u32string_view text, double pitch, double length, int columns)
{
    return PlaceCells(text, pitch, length, columns).size() == text.size();
}

// The text without its gaps at the end.
std::u32string_view WithoutTrailingGaps(std::u32string_view text)
{
    while (!text.empty() && text.back() == kColumnGap)
        text.remove_suffix(1);
    return text;
}

// The longest head of the text, ended by "…", that fits at the given pitch.
std::u32string CutToFit(std::u32string_view text, double pitch, double length, int columns)
{
    for (std::size_t keep = text.size(); keep-- > 0;) {
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
    CellPosition at;
    for (const char32_t ch : text) {
        const bool gap = ch == kColumnGap;
        const double height = gap ? pitch * kGapShare : pitch;
        if (at.offset + height > length + kTolerance) {
            ++at.column;
            at.offset = 0;
        }
        if (at.column >= columns)
            break;
        cells.push_back(at);
        if (!(gap && at.column > 0 && at.offset == 0))
            at.offset += height;
    }
    return cells;
}

ColumnFit FitColumns(std::u32string_view text, ColumnStyle nominal, double length, int maxColumns)
{
    const double smallest = nominal.size * kSmallestShare;
    for (int columns = 1; columns <= maxColumns; ++columns) {
        for (double pitch = nominal.pitch;; pitch = std::max(pitch * kPitchStep, smallest)) {
            if (Fits(text, pitch, length, columns))
                return {
                    {std::min(nominal.size, pitch), pitch}, columns, std::u32string(text), false};
            if (pitch <= smallest)
                break;
        }
    }
    return {{smallest, smallest}, maxColumns, CutToFit(text, smallest, length, maxColumns), true};
}

} // namespace velm
