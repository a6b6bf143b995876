#pragma once

#include "support/Cards.h"

#include <string>

// Shift-JIS card values for the sheet tests, sized against the sheets' columns, and a card
// that fills every field.
namespace velm::test::sample
{

inline const std::string kName = "\x8E\x52\x93\x63\x91\xBE\x98\x59"; // 山田太郎
// 東京都千代田区丸の内１－１, 26 bytes
inline const std::string kAddress1 =
    "\x93\x8C\x8B\x9E\x93\x73\x90\xE7\x91\xE3\x93\x63\x8B\xE6\x8A\xDB\x82\xCC\x93\xE0"
    "\x82\x50\x81\x7C\x82\x50";
// 丸の内ビル３階, 14 bytes
inline const std::string kAddress2 = "\x8A\xDB\x82\xCC\x93\xE0\x83\x72\x83\x8B\x82\x52\x8A\x4B";
// あいうえおかきくけ, 18 bytes: as wide as a sheet's name column.
inline const std::string kNine =
    "\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9\x82\xAB\x82\xAD\x82\xAF";
// "a" and あいうえおかきくけ, 19 bytes; its first 18 bytes end in the lead byte of け.
inline const std::string kNineteen =
    "a\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9\x82\xAB\x82\xAD\x82\xAF";
// kNineteen in a name column of 18 bytes: the lead byte the cut leaves alone is a space.
inline const std::string kNineteenInNameColumn = kNineteen.substr(0, 17) + " ";

// Every field filled, the names and addresses from the texts above.
inline const CardText kFullCard{.Name1 = kName,
                                .Name2 = "Taro",
                                .Yomi = "yamada",
                                .Mark = "A",
                                .Jusyo1 = kAddress1,
                                .Jusyo2 = kAddress2,
                                .PostNo = "100-0005",
                                .Tel = "03-1234-5678",
                                .biko1 = "company",
                                .biko2 = "section",
                                .biko3 = "memo"};

} // namespace velm::test::sample
