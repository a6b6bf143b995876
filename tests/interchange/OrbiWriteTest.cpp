#include "OrbiTagLine.h"
#include "interchange/Orbi.h"
#include "store/CardStore.h"
#include "support/Bytes.h"
#include "support/Cards.h"
#include "support/SameBytes.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{
namespace
{

using test::CardText;
using test::HexBytes;
using test::kOrbiTagLine;
using test::MakeCard;
using test::SameBytes;
using test::StoreHolding;
using test::StoreWith;

// "ORBI","1.0","ＸＮ","VELM v0.29" CR LF
constexpr std::string_view kHeaderLine = "\"ORBI\",\"1.0\",\"\x82\x77\x82\x6d\",\"VELM v0.29\"\r\n";

// The file for one card without its header and tag lines.
std::string ExportedDataLine(const CardRecord& card, bool mameJoin)
{
    const std::string file = FormatOrbi(*StoreHolding({card}), mameJoin);
    const std::string prefix = std::string(kHeaderLine) + std::string(kOrbiTagLine);
    EXPECT_PRED_FORMAT2(SameBytes, std::string_view(file).substr(0, prefix.size()), prefix);
    return file.substr(prefix.size());
}

TEST(OrbiWrite, EmptyStoreGivesHeaderAndTagLineOnly)
{
    ASSERT_EQ(kHeaderLine.size(), 21u + 10u + 3u);
    ASSERT_EQ(kOrbiTagLine.size(), 81u + 2u);
    const std::string file = FormatOrbi(*StoreWith({}), true);
    EXPECT_PRED_FORMAT2(SameBytes, file, std::string(kHeaderLine) + std::string(kOrbiTagLine));
}

TEST(OrbiWrite, QuoteValue)
{
    const struct {
        std::string_view value;
        std::string_view encoded;
    } cases[] = {
        {"", ","},
        {"a", "\"a\","},
        {"  ", "\"  \","},
        {"a,\"b", "\"a,\"b\","},
        {"\x90\xe6", "\"\x90\xe6\","}, // 先
    };
    for (const auto& c : cases)
        EXPECT_PRED_FORMAT2(SameBytes, QuoteValue(c.value), c.encoded) << HexBytes(c.value);
}

TEST(OrbiWrite, DataLines)
{
    const struct {
        const char* what;
        CardText fields;
        bool mameJoin;
        std::string_view line;
    } cases[] = {
        {"all empty, joined directly", {}, true, "\"D\",,,,,,,,,,,\"\x97\x6c\",\r\n"}, // 様
        {"all empty, joined by backslash n", {}, false, "\"D\",,,,,\"\\n\",,,,,,\"\x97\x6c\",\r\n"},
        {"every field, backslash n",
         {"Name1", "Name2", "Yomi", "MK", "Jusyo1", "Jusyo2", "PostNo", "Tel", "biko1", "biko2",
          "biko3"},
         false,
         "\"D\",\"Yomi\",\"Name1\",\"Name2\",\"PostNo\",\"Jusyo1\\nJusyo2\",\"Tel\",\"biko1\","
         "\"biko2\",\"biko3\",\"MK\",\"\x97\x6c\",\r\n"},
        {"address lines joined directly",
         {"", "", "", "", "\x93\x8c\x8b\x9e\x93\x73", "\x90\xe7\x91\xe3\x93\x63\x8b\xe6"},
         true,
         "\"D\",,,,,\"\x93\x8c\x8b\x9e\x93\x73\x90\xe7\x91\xe3\x93\x63\x8b\xe6\",,,,,,\"\x97\x6c\","
         "\r\n"}, // 東京都千代田区
        {"only the second address line, backslash n",
         {"", "", "", "", "", "B"},
         false,
         "\"D\",,,,,\"\\nB\",,,,,,\"\x97\x6c\",\r\n"},
        {"mark sen gives sensei",
         {"", "", "", "\x90\xe6"},
         true,
         "\"D\",,,,,,,,,,\"\x90\xe6\",\"\x90\xe6\x90\xb6\",\r\n"}, // 先, 先生
        {"mark sensei gives sama",
         {"", "", "", "\x90\xe6\x90\xb6"},
         true,
         "\"D\",,,,,,,,,,\"\x90\xe6\x90\xb6\",\"\x97\x6c\",\r\n"},
        {"mark sen with a trailing space gives sama",
         {"", "", "", "\x90\xe6 "},
         true,
         "\"D\",,,,,,,,,,\"\x90\xe6 \",\"\x97\x6c\",\r\n"},
        {"comma and double quote written unchanged",
         {"", "", "", "", "", "", "", "", "A,B \"C\""},
         true,
         "\"D\",,,,,,,\"A,B \"C\"\",,,,\"\x97\x6c\",\r\n"},
        {"spaces are a value", {" "}, true, "\"D\",,\" \",,,,,,,,,\"\x97\x6c\",\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_PRED_FORMAT2(SameBytes, ExportedDataLine(MakeCard(c.fields), c.mameJoin), c.line)
            << c.what;
}

TEST(OrbiWrite, WritesCardsOneToCountInOrder)
{
    auto store = StoreWith({{"A"}, {"B"}});
    store->card(3) = MakeCard({"not counted"});
    const std::string expected = std::string(kHeaderLine) + std::string(kOrbiTagLine) +
                                 "\"D\",,\"A\",,,,,,,,,\"\x97\x6c\",\r\n"
                                 "\"D\",,\"B\",,,,,,,,,\"\x97\x6c\",\r\n";
    EXPECT_PRED_FORMAT2(SameBytes, FormatOrbi(*store, true), expected);
}

TEST(OrbiWrite, LongestValuesAreWrittenWhole)
{
    const std::string full(255, 'x');
    const std::string line = ExportedDataLine(MakeCard({"", "", "", "", full, full}), false);
    const std::string address = "\"" + full + "\\n" + full + "\",";
    EXPECT_NE(line.find(address), std::string::npos) << line.size();
}

} // namespace
} // namespace velm
