#include "sheets/FormatSettings.h"

#include "sheets/SheetText.h"

namespace velm
{
namespace
{

constexpr std::string_view kYesNoHint =
    "1.\x82\xB7\x82\xE9  0.\x82\xB5\x82\xC8\x82\xA2"; // 1.する  0.しない
constexpr std::string_view kOrientationHint = "1.\x8F\x63\x81\x40  2.\x89\xA1"; // 1.縦　  2.横

// The name of a choice setting fills 16 bytes, padded with full-width spaces.
constexpr std::size_t kChoiceNameWidth = 16;

std::string ChoiceLabel(std::string_view name, std::string_view hint)
{
    std::string label(name);
    while (label.size() < kChoiceNameWidth)
        label += sheet::kFullWidthSpace;
    label += hint;
    return label;
}

std::string YesNoLabel(std::string_view name)
{
    return ChoiceLabel(name, kYesNoHint);
}

using Settings = std::array<FormatSetting, kFormatSettingCount>;

} // namespace

const Settings& FormatSettings()
{
    using F = PrintFormat;
    static const Settings settings{{
        // 頁行数
        {"\x95\xC5\x8D\x73\x90\x94", "25", "60", &F::linesPerPage, 1, 1000},
        // 行間 (％)
        {"\x8D\x73\x8A\xD4 (\x81\x93)", "15", "3", &F::lineSpacingPercent, -90, 900},
        // 字間 (％)
        {"\x8E\x9A\x8A\xD4 (\x81\x93)", "-5", "-3", &F::charSpacingPercent, -90, 900},
        // 上余白 (mm)
        {"\x8F\xE3\x97\x5D\x94\x92 (mm)", "4", "4", &F::topMarginMm, 0, 200},
        // 左余白 (mm)
        {"\x8D\xB6\x97\x5D\x94\x92 (mm)", "13", "25", &F::leftMarginMm, 0, 200},
        // 頁番号印刷
        {YesNoLabel("\x95\xC5\x94\xD4\x8D\x86\x88\xF3\x8D\xFC"), "1", "1", &F::pageNumbers},
        // ファイル名印刷
        {YesNoLabel("\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\x88\xF3\x8D\xFC"), "0", "1",
         &F::fileNameInHeader},
        // 日付印刷
        {YesNoLabel("\x93\xFA\x95\x74\x88\xF3\x8D\xFC"), "1", "1", &F::dateInHeader},
        // 下に頁番号印刷
        {YesNoLabel("\x89\xBA\x82\xC9\x95\xC5\x94\xD4\x8D\x86\x88\xF3\x8D\xFC"), "0", "0",
         &F::pageNumberAtBottom},
        // 行揃えヘッダ
        {YesNoLabel("\x8D\x73\x91\xB5\x82\xA6\x83\x77\x83\x62\x83\x5F"), "0", "0",
         &F::headerOnTextGrid},
        // 両面印刷
        {YesNoLabel("\x97\xBC\x96\xCA\x88\xF3\x8D\xFC"), "0", "1", &F::twoSided},
        // 袋とじ印刷
        {YesNoLabel("\x91\xDC\x82\xC6\x82\xB6\x88\xF3\x8D\xFC"), "1", "0", &F::twoPagesPerSheet},
        // 頁左寄せ
        {YesNoLabel("\x95\xC5\x8D\xB6\x8A\xF1\x82\xB9"), "0", "0", &F::pageNumberAtLeft},
        // フォントサイズ (ポイント)
        {"\x83\x74\x83\x48\x83\x93\x83\x67\x83\x54\x83\x43\x83\x59 (\x83\x7C\x83\x43\x83\x93\x83"
         "\x67)",
         "10.5", "10.5", &F::fontSizePt, 1, 200},
        // 太文字
        {YesNoLabel("\x91\xBE\x95\xB6\x8E\x9A"), "0", "0", &F::bold},
        // 等幅印刷
        {YesNoLabel("\x93\x99\x95\x9D\x88\xF3\x8D\xFC"), "0", "0", &F::glyphsCentredInCells},
        // 用紙サイズ ( 182 x 257 mm )
        {"\x97\x70\x8E\x86\x83\x54\x83\x43\x83\x59 ( 182 x 257 mm )", "13", "13", &F::paperCode, 1,
         1000},
        // 用紙の向き
        {ChoiceLabel("\x97\x70\x8E\x86\x82\xCC\x8C\xFC\x82\xAB", kOrientationHint), "1", "1",
         &F::orientation, 1, 2},
        // タブを有効に
        {YesNoLabel("\x83\x5E\x83\x75\x82\xF0\x97\x4C\x8C\xF8\x82\xC9"), "0", "0", &F::tabsExpand},
        // タブ幅 (字数)
        {"\x83\x5E\x83\x75\x95\x9D (\x8E\x9A\x90\x94)", "1", "1", &F::tabWidth, 1, 64},
        // 右端で折り返す
        {YesNoLabel("\x89\x45\x92\x5B\x82\xC5\x90\xDC\x82\xE8\x95\xD4\x82\xB7"), "0", "0",
         &F::wrapAtRightEdge},
        // ウィンドウ幅 (ピクセル)
        {"\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45\x95\x9D (\x83\x73\x83\x4E\x83\x5A\x83\x8B)",
         "777", "777", &F::windowWidthPx, 100, 10000},
        // メモ幅 (ピクセル)
        {"\x83\x81\x83\x82\x95\x9D (\x83\x73\x83\x4E\x83\x5A\x83\x8B)", "764", "764",
         &F::memoWidthPx, 100, 10000},
    }};
    return settings;
}

} // namespace velm
