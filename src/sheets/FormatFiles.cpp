#include "sheets/FormatSettings.h"
#include "sheets/SheetText.h"
#include "sheets/Sheets.h"

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

std::string BuildFormatFile(std::string_view FormatSetting::*value)
{
    std::string out(kBanner);
    out += kLineEnd;
    for (const FormatSetting& setting : FormatSettings()) {
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
    static const std::string file = BuildFormatFile(&FormatSetting::notebookValue);
    return file;
}

std::string_view Makeitiranbpc()
{
    static const std::string file = BuildFormatFile(&FormatSetting::listValue);
    return file;
}

} // namespace velm
