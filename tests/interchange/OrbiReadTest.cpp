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
#include <variant>
#include <vector>

namespace velm
{
namespace
{

using test::HexBytes;
using test::kOrbiTagLine;
using test::MakeCard;
using test::Repeated;
using test::SameBytes;
using test::StoreHolding;
using test::StoreWith;

constexpr std::string_view kHeader = "\"ORBI\",\"1.0\",\"XN\",\"other 2.0\"\r\n";

// Shift-JIS texts used below.
constexpr std::string_view kTokyo = "\x93\x8c\x8b\x9e\x93\x73";           // 東京都
constexpr std::string_view kChiyoda = "\x90\xe7\x91\xe3\x93\x63\x8b\xe6"; // 千代田区
constexpr std::string_view kYamada = "\x8e\x52\x93\x63";                  // 山田
constexpr std::string_view kFullWidthSpace = "\x81\x40";                  // 　

std::vector<CardRecord> ReadCards(std::string_view file)
{
    auto result = ParseOrbi(file);
    if (!std::holds_alternative<std::vector<CardRecord>>(result)) {
        ADD_FAILURE() << "file refused: " << HexBytes(file.substr(0, 120));
        return {};
    }
    return std::get<std::vector<CardRecord>>(std::move(result));
}

TEST(OrbiRead, NextValue)
{
    const struct {
        std::string_view line;
        std::string_view value;
        std::string_view rest;
    } cases[] = {
        {"\"abc\",\"d\",", "abc", "\"d\","},
        {",\"d\",", "", "\"d\","},
        {"\"\",x", "", "x"},
        {"\"a,b\",\"c\",", "a,b", "\"c\","}, // a quoted value keeps its comma
        {"\"a\"b\",c", "a\"b", "c"},         // a quote not followed by a comma is data
        {"\",x\",y", ",x", "y"},             // the opening quote is not the end
        {"abc,x", "b", "x"},                 // unquoted: first byte and last two dropped
        {"abcd,", "bc", ""},
        {"ab,x", "", "x"},
        {"\"abc\"", "", "\"abc\""},        // no comma: empty, nothing taken
        {"\"abc,def", "ab", "def"},        // no quote-comma: the unquoted rule
        {"\"\x81\x40\",", "\x81\x40", ""}, // 　
    };
    for (const auto& c : cases) {
        std::string_view line = c.line;
        const std::string value = NextValue(line);
        EXPECT_PRED_FORMAT2(SameBytes, value, c.value) << "line " << HexBytes(c.line);
        EXPECT_PRED_FORMAT2(SameBytes, line, c.rest) << "line " << HexBytes(c.line);
    }
}

// The 50 slots' tags, "-" for an empty one, separated by spaces.
std::string SlotTags(const InterchangeTags& tags)
{
    std::string listed;
    for (std::size_t slot = 0; slot < kOrbiColumns; ++slot) {
        const std::string_view tag = tags.tag(slot);
        listed += (slot == 0 ? "" : " ") + std::string(tag.empty() ? "-" : tag);
    }
    return listed;
}

TEST(OrbiRead, TagLineSetsEverySlotAnew)
{
    struct TagLineCase {
        const char* what;
        std::string before; // the tag line read first
    };
    const TagLineCase cases[] = {
        {"after a line of fifty tags", Repeated("\"NAME\",", 50)},
        {"after a line of three tags", Repeated("\"NAME\",", 3)},
        {"after a line of sixty tags", Repeated("\"NAME\",", 60)},
        {"after a line of ten tags and forty others",
         Repeated("\"NAME\",", 10) + Repeated("\"X\",", 40)},
        {"first", ""},
    };
    const std::string expected = "NAPR - - - PADR - PSTN" + Repeated(" -", 43);
    for (const TagLineCase& c : cases) {
        InterchangeTags tags;
        ORBIkaiseki(c.before, tags);
        ORBIkaiseki("\"NAPR\",\"XXXX\",\"NAHO\",\"name\",\"PADR\",,\"PSTN\",", tags);
        EXPECT_EQ(SlotTags(tags), expected) << c.what;
    }
}

TEST(OrbiRead, TagLineReadsOnlyFiftyValues)
{
    InterchangeTags tags;
    ORBIkaiseki(Repeated("\"NAME\",", 49) + "\"PTEL\",\"NAPR\",", tags);
    EXPECT_EQ(SlotTags(tags), Repeated("NAME ", 49) + "PTEL");
}

TEST(OrbiRead, AddressSplit)
{
    const std::string full(300, 'x');
    const struct {
        std::string value;
        std::string jusyo1;
        std::string jusyo2;
    } cases[] = {
        {"A\\nB", "A", "B"},
        {"A B\\nC D", "A B", "C D"}, // backslash n wins over an earlier space
        {"\\n", "", ""},
        {"A\\n", "A", ""},
        {"A B C", "A", " B C"},
        {std::string(kTokyo) + " " + std::string(kChiyoda), std::string(kTokyo),
         " " + std::string(kChiyoda)},
        {"A" + std::string(kFullWidthSpace) + "B C", "A", std::string(kFullWidthSpace) + "B C"},
        {"A B" + std::string(kFullWidthSpace) + "C", "A",
         " B" + std::string(kFullWidthSpace) + "C"},
        {" A", "", " A"},
        {"\x90\xe6\x81\x7a\\n\x81\x7a", "\x90\xe6\x81\x6e", "\x81\x6e"}, // 先】 → 先］
        {full + "\\n" + full, full.substr(0, 255), full.substr(0, 255)},
        // Without a separator the value goes whole into Jusyo1 and Jusyo2 stays.
        {std::string(kTokyo) + std::string(kChiyoda), std::string(kTokyo) + std::string(kChiyoda),
         "old2"},
        {"", "", "old2"},
    };
    for (const auto& c : cases) {
        CardRecord card = MakeCard({"", "", "", "", "old1", "old2"});
        PADR2(card, c.value);
        EXPECT_PRED_FORMAT2(SameBytes, card.Jusyo1.view(), c.jusyo1)
            << "value " << HexBytes(c.value);
        EXPECT_PRED_FORMAT2(SameBytes, card.Jusyo2.view(), c.jusyo2)
            << "value " << HexBytes(c.value);
    }
}

TEST(OrbiRead, RoundTripWithAddressLinesJoinedByBackslashN)
{
    const std::vector<CardRecord> cards{
        MakeCard({kYamada, "\x91\xbe\x98\x59", "\x82\xe2\x82\xdc\x82\xbe", "\x90\xe6", kTokyo,
                  std::string(kChiyoda) + " 1-1", "100-0001", "03-1234-5678", "ACME", "Sales",
                  "memo \"quoted\""}), // 山田, 太郎, やまだ, 先
        MakeCard({"B", "", "", "", "", "", "", "", "", "", ""}),
        MakeCard({}),
        MakeCard({"Z", "2", "y", "m", "", "j2", "p", "t", "c", "d", "e"}),
    };
    const std::string file = FormatOrbi(*StoreHolding(cards), false);
    EXPECT_EQ(ReadCards(file), cards);
}

TEST(OrbiRead, RoundTripWithAddressLinesJoinedDirectly)
{
    const struct {
        std::string jusyo1;
        std::string jusyo2;
        std::string read1;
        std::string read2;
    } cases[] = {
        {std::string(kTokyo), std::string(kChiyoda), std::string(kTokyo) + std::string(kChiyoda),
         ""},
        {std::string(kTokyo), " " + std::string(kChiyoda), std::string(kTokyo),
         " " + std::string(kChiyoda)},
        {"1 2", "3 4", "1", " 23 4"},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        const std::string file =
            FormatOrbi(*StoreWith({{"N", "", "", "", c.jusyo1, c.jusyo2}}), true);
        const std::vector<CardRecord> read = ReadCards(file);
        ASSERT_EQ(read.size(), 1u);
        EXPECT_PRED_FORMAT2(SameBytes, read[0].Jusyo1.view(), c.read1) << HexBytes(c.jusyo1);
        EXPECT_PRED_FORMAT2(SameBytes, read[0].Jusyo2.view(), c.read2) << HexBytes(c.jusyo1);
        EXPECT_EQ(read[0].Name1.view(), "N");
    }
}

// Files made by other software, and what each card holds after reading them.
TEST(OrbiRead, FilesFromOtherSoftware)
{
    const std::string fifty = Repeated(",", 49);
    const struct {
        const char* what;
        std::string file;
        std::vector<CardRecord> cards;
    } cases[] = {
        {"header only", std::string(kHeader), {}},
        {"header without line end", "\"ORBI\"", {}},
        {"magic word anywhere in the first line",
         "xxORBIxx\r\n\"I\",\"NAME\",\r\n\"D\",\"A\",\r\n",
         {MakeCard({"A"})}},
        {"own column order",
         std::string(kHeader) +
             "\"I\",\"NAME\",\"PTEL\",\"NAPR\",\"PZIP\",\r\n"
             "\"D\",\"" +
             std::string(kYamada) + "\",\"03\",\"yamada\",\"1\",\r\n",
         {MakeCard({kYamada, "", "yamada", "", "", "", "1", "03"})}},
        {"unknown and lower-case tags drop their columns",
         std::string(kHeader) + "\"I\",\"XXXX\",\"NAME\",\"NAHO\",\"ptel\",\r\n"
                                "\"D\",\"x\",\"A\",\"\x97\x6c\",\"03\",\r\n",
         {MakeCard({"A"})}},
        {"data lines before the tag line are blank cards",
         std::string(kHeader) + "\"D\",\"A\",\"B\",\r\n\"I\",\"NAME\",\r\n\"D\",\"C\",\r\n",
         {MakeCard({}), MakeCard({"C"})}},
        {"an empty line ends the file",
         std::string(kHeader) + std::string(kOrbiTagLine) +
             "\"D\",,\"A\",\r\n\r\n\"D\",,\"B\",\r\n",
         {MakeCard({"A"})}},
        {"the end-of-file mark at a line start ends the file",
         std::string(kHeader) + std::string(kOrbiTagLine) +
             "\"D\",,\"A\",\r\n\x1a\"D\",,\"B\",\r\n",
         {MakeCard({"A"})}},
        {"LF alone ends a line",
         "\"ORBI\"\n\"I\",\"NAME\",\"PTEL\",\n\"D\",\"A\",\"1\",\n\"D\",\"B\",\"2\",",
         {MakeCard({"A", "", "", "", "", "", "", "1"}),
          MakeCard({"B", "", "", "", "", "", "", "2"})}},
        {"other lines are skipped and not counted",
         std::string(kHeader) + "\"I\",\"NAME\",\r\n\"X\",\"A\",\r\nD,\"B\",\r\n \"D\",\"C\",\r\n"
                                "\"D\"\r\n\"D\",\"E\",\r\n",
         {MakeCard({}), MakeCard({"E"})}},
        {"unquoted values",
         std::string(kHeader) + "\"I\",\"NAME\",\"PTEL\",\"NAPR\",\r\n\"D\",abc,12,\"y\",\r\n",
         {MakeCard({"b", "", "y"})}},
        {"a quoted value with a comma stays whole",
         std::string(kHeader) + "\"I\",\"OFCE\",\"PTEL\",\r\n\"D\",\"A, Inc.\",\"03\",\r\n",
         {MakeCard({"", "", "", "", "", "", "", "03", "A, Inc."})}},
        {"a last value without its comma reads as empty",
         std::string(kHeader) + "\"I\",\"NAME\",\"PTEL\",\"NAPR\",\r\n\"D\",\"A\",\"1\",\"y\"\r\n",
         {MakeCard({"A", "", "", "", "", "", "", "1"})}},
        {"values after the fiftieth are not read",
         std::string(kHeader) + "\"I\"," + Repeated("\"XXXX\",", 49) +
             "\"NAME\",\"PTEL\",\r\n"
             "\"D\"," +
             fifty + "\"fifty\",\"51\",\r\n",
         {MakeCard({"fifty"})}},
        {"the later of two columns with the same tag wins",
         std::string(kHeader) + "\"I\",\"NAME\",\"NAME\",\r\n\"D\",\"A\",\"B\",\r\n",
         {MakeCard({"B"})}},
        {"a second tag line replaces the first",
         std::string(kHeader) + "\"I\",\"NAME\",\"PTEL\",\r\n\"D\",\"A\",\"1\",\r\n"
                                "\"I\",\"NAHO\",\"NAME\",\r\n\"D\",\"sama\",\"B\",\r\n",
         {MakeCard({"A", "", "", "", "", "", "", "1"}), MakeCard({"B"})}},
        {"values are made safe for the address-book file",
         std::string(kHeader) + "\"I\",\"NAME\",\"PSTN\",\r\n"
                                "\"D\",\"A\x81\x7a\",\"\x88\x81z\",\r\n", // A】, 0x88 0x81 z
         {MakeCard({"A\x81\x6e", "", "", "\x88\x81\x82\x9a"})}},          // A］, 0x88 0x81 ｚ
        {"a value keeps its first 255 bytes",
         std::string(kHeader) + "\"I\",\"NAME\",\r\n\"D\",\"" + std::string(300, 'n') + "\",\r\n",
         {MakeCard({std::string(255, 'n')})}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadCards(c.file), c.cards) << c.what;
}

TEST(OrbiRead, EachReadStartsWithoutTags)
{
    ReadCards(std::string(kHeader) + std::string(kOrbiTagLine) + "\"D\",,\"A\",\r\n");
    const std::string file = std::string(kHeader) + "\"D\",,\"B\",\r\n";
    EXPECT_EQ(ReadCards(file), std::vector<CardRecord>{MakeCard({})});
}

TEST(OrbiRead, NineHundredNinetyNineCardsAreRead)
{
    const std::string file =
        std::string(kHeader) + "\"I\",\"NAME\",\r\n" + Repeated("\"D\",\"A\",\r\n", 999);
    const std::vector<CardRecord> cards = ReadCards(file);
    ASSERT_EQ(cards.size(), 999u);
    EXPECT_EQ(cards.back(), MakeCard({"A"}));
}

// Files refused as a whole.
TEST(OrbiRead, RefusedFiles)
{
    const struct {
        const char* what;
        std::string file;
        OrbiRefusal refusal;
    } cases[] = {
        {"empty file", "", OrbiRefusal::NotOrbi},
        {"no magic word", "\"ADDR\",\"1.0\"\r\n\"I\",\"NAME\",\r\n", OrbiRefusal::NotOrbi},
        {"lower-case magic word", "\"orbi\",\"1.0\"\r\n", OrbiRefusal::NotOrbi},
        {"magic word on the second line", "\r\n\"ORBI\"\r\n", OrbiRefusal::NotOrbi},
        {"magic word cut by a line break", "\"OR\r\nBI\"\r\n", OrbiRefusal::NotOrbi},
        {"a thousand data lines",
         std::string(kHeader) + "\"I\",\"NAME\",\r\n" + Repeated("\"D\",\"A\",\r\n", 1000),
         OrbiRefusal::TooManyCards},
        {"a thousand data lines, some blank",
         std::string(kHeader) + Repeated("\"D\"\r\n", 1000) + "\r\n", OrbiRefusal::TooManyCards},
    };
    for (const auto& c : cases) {
        const auto result = ParseOrbi(c.file);
        ASSERT_TRUE(std::holds_alternative<OrbiRefusal>(result)) << c.what;
        EXPECT_EQ(std::get<OrbiRefusal>(result), c.refusal) << c.what;
    }
}

} // namespace
} // namespace velm
