#include "sheets/SheetText.h"
#include "sheets/Sheets.h"

#include <array>

namespace velm
{
namespace
{

using sheet::kLineEnd;

// ※ＢＬＥＮＴ書式ファイル　by ＸＮ
constexpr std::string_view kBanner =
    "\x81\xA6\x82\x61\x82\x6B\x82\x64\x82\x6D\x82\x73\x8F\x91\x8E\xAE\x83\x74\x83\x40\x83\x43"
    "\x83\x8B\x81\x40"
    "by \x82\x77\x82\x6D";

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

// One setting line: "value,label". The notebook and the list sheet share the labels and
// differ only in some values.
struct Setting {
    std::string label;
    std::string_view notebookValue;
    std::string_view listValue;
};

using Settings = std::array<Setting, 23>;

const Settings& FormatSettings()
{
    static const Settings settings{{
        // 頁行数
        {"\x95\xC5\x8D\x73\x90\x94", "25", "60"},
        // 行間 (％)
        {"\x8D\x73\x8A\xD4 (\x81\x93)", "15", "3"},
        // 字間 (％)
        {"\x8E\x9A\x8A\xD4 (\x81\x93)", "-5", "-3"},
        // 上余白 (mm)
        {"\x8F\xE3\x97\x5D\x94\x92 (mm)", "4", "4"},
        // 左余白 (mm)
        {"\x8D\xB6\x97\x5D\x94\x92 (mm)", "13", "25"},
        // 頁番号印刷
        {YesNoLabel("\x95\xC5\x94\xD4\x8D\x86\x88\xF3\x8D\xFC"), "1", "1"},
        // ファイル名印刷
        {YesNoLabel("\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\x88\xF3\x8D\xFC"), "0", "1"},
        // 日付印刷
        {YesNoLabel("\x93\xFA\x95\x74\x88\xF3\x8D\xFC"), "1", "1"},
        // 下に頁番号印刷
        {YesNoLabel("\x89\xBA\x82\xC9\x95\xC5\x94\xD4\x8D\x86\x88\xF3\x8D\xFC"), "0", "0"},
        // 行揃えヘッダ
        {YesNoLabel("\x8D\x73\x91\xB5\x82\xA6\x83\x77\x83\x62\x83\x5F"), "0", "0"},
        // 両面印刷
        {YesNoLabel("\x97\xBC\x96\xCA\x88\xF3\x8D\xFC"), "0", "1"},
        // 袋とじ印刷
        {YesNoLabel("\x91\xDC\x82\xC6\x82\xB6\x88\xF3\x8D\xFC"), "1", "0"},
        // 頁左寄せ
        {YesNoLabel("\x95\xC5\x8D\xB6\x8A\xF1\x82\xB9"), "0", "0"},
        // フォントサイズ (ポイント)
        {"\x83\x74\x83\x48\x83\x93\x83\x67\x83\x54\x83\x43\x83\x59 (\x83\x7C\x83\x43\x83\x93\x83"
         "\x67)",
         "10.5", "10.5"},
        // 太文字
        {YesNoLabel("\x91\xBE\x95\xB6\x8E\x9A"), "0", "0"},
        // 等幅印刷
        {YesNoLabel("\x93\x99\x95\x9D\x88\xF3\x8D\xFC"), "0", "0"},
        // 用紙サイズ ( 182 x 257 mm )
        {"\x97\x70\x8E\x86\x83\x54\x83\x43\x83\x59 ( 182 x 257 mm )", "13", "13"},
        // 用紙の向き
        {ChoiceLabel("\x97\x70\x8E\x86\x82\xCC\x8C\xFC\x82\xAB", kOrientationHint), "1", "1"},
        // タブを有効に
        {YesNoLabel("\x83\x5E\x83\x75\x82\xF0\x97\x4C\x8C\xF8\x82\xC9"), "0", "0"},
        // タブ幅 (字数)
        {"\x83\x5E\x83\x75\x95\x9D (\x8E\x9A\x90\x94)", "1", "1"},
        // 右端で折り返す
        {YesNoLabel("\x89\x45\x92\x5B\x82\xC5\x90\xDC\x82\xE8\x95\xD4\x82\xB7"), "0", "0"},
        // ウィンドウ幅 (ピクセル)
        {"\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45\x95\x9D (\x83\x73\x83\x4E\x83\x5A\x83\x8B)",
         "777", "777"},
        // メモ幅 (ピクセル)
        {"\x83\x81\x83\x82\x95\x9D (\x83\x73\x83\x4E\x83\x5A\x83\x8B)", "764", "764"},
    }};
    return settings;
}

std::string BuildFormatFile(std::string_view Setting::*value)
{
    std::string out(kBanner);
    out += kLineEnd;
    for (const Setting& setting : FormatSettings()) {
        out += setting.*value;
        out += ',';
        out += setting.label;
        out += kLineEnd;
    }
    return out;
}

} // namespace

std::string_view Maketetyobpc()
{
    static const std::string file = BuildFormatFile(&Setting::notebookValue);
    return file;
}

std::string_view Makeitiranbpc()
{
    static const std::string file = BuildFormatFile(&Setting::listValue);
    return file;
}

} // namespace velm
