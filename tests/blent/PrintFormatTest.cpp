#include "blent/PrintFormat.h"

#include "sheets/Sheets.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velm::blent
{
namespace
{

using test::HexBytes;

// A format file whose line `line` holds `value` and whose other lines hold no value.
std::string FormatWithLine(int line, const std::string& value)
{
    std::string file;
    for (int i = 1; i <= 24; ++i)
        file += (i == line ? value : std::string(",label")) + "\r\n";
    return file;
}

TEST(PrintFormat, ReadsTheNotebookFormatFile)
{
    const PrintFormat format = ParsePrintFormat(Maketetyobpc());
    EXPECT_EQ(format.linesPerPage, 25);
    EXPECT_DOUBLE_EQ(format.lineSpacingPercent, 15);
    EXPECT_DOUBLE_EQ(format.charSpacingPercent, -5);
    EXPECT_DOUBLE_EQ(format.topMarginMm, 4);
    EXPECT_DOUBLE_EQ(format.leftMarginMm, 13);
    EXPECT_TRUE(format.pageNumbers);
    EXPECT_FALSE(format.fileNameInHeader);
    EXPECT_TRUE(format.dateInHeader);
    EXPECT_FALSE(format.pageNumberAtBottom);
    EXPECT_FALSE(format.headerOnTextGrid);
    EXPECT_FALSE(format.twoSided);
    EXPECT_TRUE(format.twoPagesPerSheet);
    EXPECT_FALSE(format.pageNumberAtLeft);
    EXPECT_DOUBLE_EQ(format.fontSizePt, 10.5);
    EXPECT_FALSE(format.bold);
    EXPECT_FALSE(format.glyphsCentredInCells);
    EXPECT_EQ(format.paperCode, 13);
    EXPECT_EQ(format.orientation, Orientation::Portrait);
    EXPECT_FALSE(format.tabsExpand);
    EXPECT_EQ(format.tabWidth, 1);
    EXPECT_FALSE(format.wrapAtRightEdge);
    EXPECT_EQ(format.windowWidthPx, 777);
    EXPECT_EQ(format.memoWidthPx, 764);
}

TEST(PrintFormat, ListFormatFileDiffersFromTheNotebookInItsSevenValues)
{
    PrintFormat expected = ParsePrintFormat(Maketetyobpc());
    expected.linesPerPage = 60;
    expected.lineSpacingPercent = 3;
    expected.charSpacingPercent = -3;
    expected.leftMarginMm = 25;
    expected.fileNameInHeader = true;
    expected.twoSided = true;
    expected.twoPagesPerSheet = false;
    EXPECT_EQ(ParsePrintFormat(Makeitiranbpc()), expected);
}

// Values in a usable form are read whatever the label says, or with no label at all.
TEST(PrintFormat, ReadsValuesByLineNumberIgnoringLabels)
{
    struct Case {
        int line;
        std::string text;
        PrintFormat expected;
    };
    const std::vector<Case> cases{
        {2, "40", PrintFormat{.linesPerPage = 40}},
        {2, "40,\x95\xC5\x8D\x73\x90\x94", // 頁行数
         PrintFormat{.linesPerPage = 40}},
        {2, " 40 ,anything", PrintFormat{.linesPerPage = 40}},
        {3, "-20,x", PrintFormat{.lineSpacingPercent = -20}},
        {4, "12.5,x", PrintFormat{.charSpacingPercent = 12.5}},
        {7, "0,x", PrintFormat{.pageNumbers = false}},
        {10, "1,x", PrintFormat{.pageNumberAtBottom = true}},
        {15, "9,x", PrintFormat{.fontSizePt = 9}},
        {18, "12,x", PrintFormat{.paperCode = 12}},
        {19, "2,x", PrintFormat{.orientation = Orientation::Landscape}},
        {21, "4,x", PrintFormat{.tabWidth = 4}},
        {24, "500,x", PrintFormat{.memoWidthPx = 500}},
    };
    for (const Case& c : cases) {
        const std::string file = FormatWithLine(c.line, c.text);
        EXPECT_EQ(ParsePrintFormat(file), c.expected)
            << "line " << c.line << ": " << HexBytes(c.text);
    }
}

// A value that cannot be used leaves the default of its setting.
TEST(PrintFormat, UnusableValuesKeepTheirDefaults)
{
    struct Case {
        int line;
        std::string text;
    };
    const std::vector<Case> cases{
        {2, ""},       {2, "abc,x"}, {2, "0,x"},    {2, "-5,x"},
        {2, "1.5,x"},  {2, "25x,x"}, {2, "1e2,x"},  {2, "0x10,x"},
        {2, "+25,x"},  {2, "-,x"},   {2, ".,x"},    {2, "2.5.1,x"},
        {3, "-100,x"}, {5, "-1,x"},  {7, "2,x"},    {7, "-1,x"},
        {7, "0.5,x"},  {15, "0,x"},  {15, "999,x"}, {19, "0,x"},
        {19, "3,x"},   {21, "0,x"},  {23, "10,x"},  {2, "\x82\x50\x82\x4F,x"}, // １０
    };
    for (const Case& c : cases) {
        const std::string file = FormatWithLine(c.line, c.text);
        EXPECT_EQ(ParsePrintFormat(file), PrintFormat{})
            << "line " << c.line << ": " << HexBytes(c.text);
    }
}

TEST(PrintFormat, MissingLinesKeepTheirDefaults)
{
    EXPECT_EQ(ParsePrintFormat(""), PrintFormat{});
    // Only the banner and lines per page: everything after stays as it was.
    PrintFormat expected;
    expected.linesPerPage = 33;
    EXPECT_EQ(ParsePrintFormat("banner\r\n33,x\r\n"), expected);
    // LF-only line ends and a file without its last line end read the same.
    EXPECT_EQ(ParsePrintFormat("banner\n33,x"), expected);
}

} // namespace
} // namespace velm::blent
