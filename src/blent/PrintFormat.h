#pragma once

#include <string_view>

namespace velm::blent
{

enum class Orientation { Portrait = 1, Landscape = 2 };

// How a text file is laid out on paper. A format file beside the text sets these; every
// value it lacks, or holds in a form or range that cannot be used, keeps the default
// below, which is also what a text without a format file gets.
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

// Reads a format file: 24 lines, a banner on line 1 and on each of lines 2 to 24 one
// setting as "value,label". Values are found by line number; the labels and the banner
// are not looked at. Never fails.
PrintFormat ParsePrintFormat(std::string_view bytes);

} // namespace velm::blent
