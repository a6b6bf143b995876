#pragma once

#include "support/Cards.h"

#include <string_view>

namespace velm::test
{

// Shift-JIS sample texts shared by the sheet tests.
namespace sample
{
inline constexpr std::string_view kName = "\x8E\x52\x93\x63\x91\xBE\x98\x59"; // 山田太郎
// 東京都千代田区丸の内１－１, 26 bytes
inline constexpr std::string_view kAddress1 =
    "\x93\x8C\x8B\x9E\x93\x73\x90\xE7\x91\xE3\x93\x63\x8B\xE6\x8A\xDB\x82\xCC\x93\xE0"
    "\x82\x50\x81\x7C\x82\x50";
// 丸の内ビル３階, 14 bytes
inline constexpr std::string_view kAddress2 =
    "\x8A\xDB\x82\xCC\x93\xE0\x83\x72\x83\x8B\x82\x52\x8A\x4B";
// あいうえおかきくけ, 18 bytes
inline constexpr std::string_view kNine =
    "\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9\x82\xAB\x82\xAD\x82\xAF";
// "a" and あいうえおかきくけ, 19 bytes; its first 18 bytes end in the lead byte of け.
inline constexpr std::string_view kNineteen =
    "a\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9\x82\xAB\x82\xAD\x82\xAF";
inline constexpr std::string_view kNineteenCut =
    "a\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9\x82\xAB\x82\xAD\x82";
} // namespace sample

} // namespace velm::test
