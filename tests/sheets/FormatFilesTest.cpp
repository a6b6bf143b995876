#include "sheets/Sheets.h"
#include "support/Bytes.h"
#include "support/SameBytes.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{
namespace
{

using test::HexDump;
using test::SameBytes;

// ※ＢＬＥＮＴ書式ファイル　by ＸＮ
constexpr std::string_view kBanner = "\x81\xA6\x82\x61\x82\x6B\x82\x64\x82\x6D\x82\x73\x8F\x91"
                                     "\x8E\xAE\x83\x74\x83\x40\x83\x43\x83\x8B\x81\x40"
                                     "by \x82\x77\x82\x6D";

// Lines 2 to 24 of the notebook's format file.
const std::vector<std::string_view> kNotebookSettings{
    // 25,頁行数
    "25,\x95\xC5\x8D\x73\x90\x94",
    // 15,行間 (％)
    "15,\x8D\x73\x8A\xD4 (\x81\x93)",
    // -5,字間 (％)
    "-5,\x8E\x9A\x8A\xD4 (\x81\x93)",
    // 4,上余白 (mm)
    "4,\x8F\xE3\x97\x5D\x94\x92 (mm)",
    // 13,左余白 (mm)
    "13,\x8D\xB6\x97\x5D\x94\x92 (mm)",
    // 1,頁番号印刷　　　1.する  0.しない
    "1,\x95\xC5\x94\xD4\x8D\x86\x88\xF3\x8D\xFC\x81\x40\x81\x40\x81\x40"
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2",
    // 0,ファイル名印刷　1.する  0.しない
    "0,\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\x88\xF3\x8D\xFC\x81\x40"
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2",
    // 1,日付印刷　　　　1.する  0.しない
    "1,\x93\xFA\x95\x74\x88\xF3\x8D\xFC\x81\x40\x81\x40\x81\x40\x81\x40"
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2",
    // 0,下に頁番号印刷　1.する  0.しない
    "0,\x89\xBA\x82\xC9\x95\xC5\x94\xD4\x8D\x86\x88\xF3\x8D\xFC\x81\x40"
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2",
    // 0,行揃えヘッダ　　1.する  0.しない
    "0,\x8D\x73\x91\xB5\x82\xA6\x83\x77\x83\x62\x83\x5F\x81\x40\x81\x40"
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2",
    // 0,両面印刷　　　　1.する  0.しない
    "0,\x97\xBC\x96\xCA\x88\xF3\x8D\xFC\x81\x40\x81\x40\x81\x40\x81\x40"
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2",
    // 1,袋とじ印刷　　　1.する  0.しない
    "1,\x91\xDC\x82\xC6\x82\xB6\x88\xF3\x8D\xFC\x81\x40\x81\x40\x81\x40"
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2",
    // 0,頁左寄せ　　　　1.する  0.しない
    "0,\x95\xC5\x8D\xB6\x8A\xF1\x82\xB9\x81\x40\x81\x40\x81\x40\x81\x40"
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2",
    // 10.5,フォントサイズ (ポイント)
    "10.5,\x83\x74\x83\x48\x83\x93\x83\x67\x83\x54\x83\x43\x83\x59 "
    "(\x83\x7C\x83\x43\x83\x93\x83\x67)",
    // 0,太文字　　　　　1.する  0.しない
    "0,\x91\xBE\x95\xB6\x8E\x9A\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40"
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2",
    // 0,等幅印刷　　　　1.する  0.しない
    "0,\x93\x99\x95\x9D\x88\xF3\x8D\xFC\x81\x40\x81\x40\x81\x40\x81\x40"
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2",
    // 13,用紙サイズ ( 182 x 257 mm )
    "13,\x97\x70\x8E\x86\x83\x54\x83\x43\x83\x59 ( 182 x 257 mm )",
    // 1,用紙の向き　　　1.縦　  2.横
    "1,\x97\x70\x8E\x86\x82\xCC\x8C\xFC\x82\xAB\x81\x40\x81\x40\x81\x40"
    "1.\x8F\x63\x81\x40  2.\x89\xA1",
    // 0,タブを有効に　　1.する  0.しない
    "0,\x83\x5E\x83\x75\x82\xF0\x97\x4C\x8C\xF8\x82\xC9\x81\x40\x81\x40"
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2",
    // 1,タブ幅 (字数)
    "1,\x83\x5E\x83\x75\x95\x9D (\x8E\x9A\x90\x94)",
    // 0,右端で折り返す　1.する  0.しない
    "0,\x89\x45\x92\x5B\x82\xC5\x90\xDC\x82\xE8\x95\xD4\x82\xB7\x81\x40"
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2",
    // 777,ウィンドウ幅 (ピクセル)
    "777,\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45\x95\x9D (\x83\x73\x83\x4E\x83\x5A\x83\x8B)",
    // 764,メモ幅 (ピクセル)
    "764,\x83\x81\x83\x82\x95\x9D (\x83\x73\x83\x4E\x83\x5A\x83\x8B)",
};

struct ChangedLine {
    std::size_t number; // 1-based line number
    std::string_view text;
};

// The lines in which the list's format file differs from the notebook's.
const std::vector<ChangedLine> kListChanges{
    // 60,頁行数
    {2, "60,\x95\xC5\x8D\x73\x90\x94"},
    // 3,行間 (％)
    {3, "3,\x8D\x73\x8A\xD4 (\x81\x93)"},
    // -3,字間 (％)
    {4, "-3,\x8E\x9A\x8A\xD4 (\x81\x93)"},
    // 25,左余白 (mm)
    {6, "25,\x8D\xB6\x97\x5D\x94\x92 (mm)"},
    // 1,ファイル名印刷　1.する  0.しない
    {8, "1,\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\x88\xF3\x8D\xFC\x81\x40"
        "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2"},
    // 1,両面印刷　　　　1.する  0.しない
    {12, "1,\x97\xBC\x96\xCA\x88\xF3\x8D\xFC\x81\x40\x81\x40\x81\x40\x81\x40"
         "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2"},
    // 0,袋とじ印刷　　　1.する  0.しない
    {13, "0,\x91\xDC\x82\xC6\x82\xB6\x88\xF3\x8D\xFC\x81\x40\x81\x40\x81\x40"
         "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2"},
};

// Splits a file into its lines, each of which must end in CR LF.
std::vector<std::string> CrLfLines(std::string_view file)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t end = file.find("\r\n", start);
        if (end == std::string_view::npos) {
            ADD_FAILURE() << "text after the last CR LF:\n" << HexDump(file.substr(start));
            break;
        }
        lines.emplace_back(file.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string JoinWithCrLf(const std::vector<std::string_view>& lines)
{
    std::string file;
    for (std::string_view line : lines) {
        file += line;
        file += "\r\n";
    }
    return file;
}

std::vector<std::string_view> NotebookLines()
{
    std::vector<std::string_view> lines{kBanner};
    lines.insert(lines.end(), kNotebookSettings.begin(), kNotebookSettings.end());
    return lines;
}

TEST(FormatFiles, NotebookFileIsTheBannerAndTwentyThreeSettings)
{
    ASSERT_EQ(kNotebookSettings.size(), 23u);
    EXPECT_PRED_FORMAT2(SameBytes, Maketetyobpc(), JoinWithCrLf(NotebookLines()));
}

TEST(FormatFiles, ListFileDiffersFromTheNotebookFileOnlyInSomeValues)
{
    std::vector<std::string_view> expected = NotebookLines();
    for (const ChangedLine& change : kListChanges)
        expected[change.number - 1] = change.text;
    EXPECT_PRED_FORMAT2(SameBytes, Makeitiranbpc(), JoinWithCrLf(expected));
}

TEST(FormatFiles, ChoiceLinesHaveTheirFixedLengths)
{
    // Yes/no settings: value, comma and a 32-byte label; line 19 is the orientation.
    constexpr std::array<std::size_t, 12> kYesNoLines{7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 20, 22};
    constexpr std::size_t kOrientationLine = 19;
    for (const std::string_view file : {Maketetyobpc(), Makeitiranbpc()}) {
        const std::vector<std::string> lines = CrLfLines(file);
        ASSERT_EQ(lines.size(), 24u);
        EXPECT_EQ(lines[0].size(), 33u);
        for (std::size_t number : kYesNoLines)
            EXPECT_EQ(lines[number - 1].size(), 34u) << "line " << number << ":\n"
                                                     << HexDump(lines[number - 1]);
        EXPECT_EQ(lines[kOrientationLine - 1].size(), 30u);
    }
}

} // namespace
} // namespace velm
