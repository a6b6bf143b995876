#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace velm
{

enum class Orientation { Portrait = 1, Landscape = 2 };

// The layout that a format file gives the print tool. The defaults are what the tool uses
// for a text without a format file, and for a setting whose value it cannot use.
struct PrintFormat {
    int linesPerPage = 0; // 0: as many lines as fit between the margins
    double lineSpacingPercent = 0;
    double charSpacingPercent = 0;
    double topMarginMm = 15;
    double leftMarginMm = 15;
    bool pageNumbers = true;
    bool fileNameInHeader = true;
    bool dateInHeader = true;
    bool pageNumberAtBottom = false;
    bool headerOnTextGrid = false; // the header takes two whole text lines
    bool twoSided = false;         // the printer's duplex mode
    bool twoPagesPerSheet = false; // fold-bound: two pages on the halves of a sheet
    bool pageNumberAtLeft = false; // else the page number is centred
    double fontSizePt = 10.5;
    bool bold = false;
    bool glyphsCentredInCells = false; // else a glyph starts at its first cell's left edge
    int paperCode = 9;                 // Windows paper code; 9 is A4
    Orientation orientation = Orientation::Portrait;
    bool tabsExpand = true;
    int tabWidth = 8; // in half-width cells
    bool wrapAtRightEdge = false;
    int windowWidthPx = 777; // the preview window's initial width
    int memoWidthPx = 764;   // the least initial width of the preview window

    friend bool operator==(const PrintFormat&, const PrintFormat&) = default;
};

// One setting line of a format file, "value,label": its label, its values in the notebook's
// and the list's format files, the field of PrintFormat it sets and the range of values the
// print tool accepts for it. A yes/no setting accepts 0 and 1.
struct FormatSetting {
    using Field = std::variant<int PrintFormat::*, double PrintFormat::*, bool PrintFormat::*,
                               Orientation PrintFormat::*>;

    std::string label;
    std::string_view notebookValue;
    std::string_view listValue;
    Field field;
    double min = 0;
    double max = 1;
};

// A format file's first line is its banner; the settings follow it, one a line.
inline constexpr int kFirstSettingLine = 2;
inline constexpr std::size_t kFormatSettingCount = 23;

// The settings in the order of their lines.
const std::array<FormatSetting, kFormatSettingCount>& FormatSettings();

} // namespace velm
