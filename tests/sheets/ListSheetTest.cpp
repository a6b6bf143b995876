#include "SampleTexts.h"
#include "sheets/Sheets.h"
#include "support/Bytes.h"
#include "support/Cards.h"
#include "support/SameBytes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velm
{
namespace
{

using test::CardText;
using test::HexDump;
using test::SameBytes;
using test::StoreWith;
namespace sample = test::sample;

// ┌─────────┬────────────────────────────┐
const std::string kTopRule =
    "\x84\xA1\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\xA6"
    "\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F"
    "\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F"
    "\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\xA2";
// │　　氏　　　名　　│　〒　・　電　　　　　　　　住　　　　　　所　　　　　　│
const std::string kTitle =
    "\x84\xA0\x81\x40\x81\x40\x8E\x81\x81\x40\x81\x40\x81\x40\x96\xBC\x81\x40\x81\x40\x84\xA0"
    "\x81\x40\x81\xA7\x81\x40\x81\x45\x81\x40\x93\x64\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40"
    "\x81\x40\x81\x40\x81\x40\x8F\x5A\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x8F\x8A"
    "\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x84\xA0";
// ├─────────┼────────────────────────────┤
const std::string kSeparator =
    "\x84\xA5\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\xA9"
    "\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F"
    "\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F"
    "\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\x9F\x84\xA7";
const std::string kBar = "\x84\xA0";    // │
const std::string kPostal = "\x81\xA7"; // 〒
const std::string kCrLf = "\r\n";
const std::string kHeading = kTopRule + kCrLf + kTitle + kCrLf + kSeparator + kCrLf;

std::string Spaces(std::size_t n)
{
    return std::string(n, ' ');
}

const std::string kTwoAddresses = sample::kAddress1 + sample::kAddress1;
const std::string kNineWithTail = sample::kNine + "xy";
const std::string kLongAddress2 = "x" + sample::kNine + sample::kNine + sample::kNine;

TEST(ListSheet, WritesACardAsTwoLinesAndASeparatorAfterTheHeading)
{
    struct Case {
        const char* what;
        CardText card;
        std::string firstLine;
        std::string secondLine;
    };
    const Case cases[] = {
        {"all fields empty",
         {},
         kBar + Spaces(18) + kBar + kPostal + Spaces(54) + kBar,
         kBar + Spaces(18) + kBar + Spaces(56) + kBar},
        {"a full card shows both names, PostNo, Tel and the addresses", sample::kFullCard,
         kBar + sample::kName + Spaces(10) + kBar + kPostal + "100-0005" + Spaces(6) +
             sample::kAddress1 + Spaces(14) + kBar,
         kBar + "Taro" + Spaces(14) + kBar + "03-1234-5678" + Spaces(4) + sample::kAddress2 +
             Spaces(26) + kBar},
        {"fields that exactly fill their columns",
         {.Name1 = sample::kNine,
          .Name2 = sample::kNine,
          .Jusyo1 = "0123456789012345678901234567890123456789",
          .Jusyo2 = "abcdefghijabcdefghijabcdefghijabcdefghij",
          .PostNo = "12345678901234",
          .Tel = "0123456789012345"},
         kBar + sample::kNine + kBar + kPostal + "12345678901234" +
             "0123456789012345678901234567890123456789" + kBar,
         kBar + sample::kNine + kBar + "0123456789012345" +
             "abcdefghijabcdefghijabcdefghijabcdefghij" + kBar},
        {"overlong fields are cut to their columns; a lead byte the cut leaves alone is a space",
         {.Name1 = sample::kNineteen,
          .Name2 = kNineWithTail,
          .Jusyo1 = kTwoAddresses,
          .Jusyo2 = kLongAddress2,
          .PostNo = "1234567890123456",
          .Tel = "0123456789012345678"},
         // 東京都千代田区丸の内１－１ and 東京都千代田区
         kBar + sample::kNineteenInNameColumn + kBar + kPostal + "12345678901234" +
             sample::kAddress1 + "\x93\x8C\x8B\x9E\x93\x73\x90\xE7\x91\xE3\x93\x63\x8B\xE6" + kBar,
         // "x", twice あいうえおかきくけ, あ and a space for the lead byte of い
         kBar + sample::kNine + kBar + "0123456789012345" + "x" + sample::kNine + sample::kNine +
             "\x82\xA0 " + kBar},
    };
    for (const Case& c : cases) {
        const auto store = StoreWith({c.card});
        const std::string expected =
            kHeading + c.firstLine + kCrLf + c.secondLine + kCrLf + kSeparator + kCrLf;
        EXPECT_PRED_FORMAT2(SameBytes, Makeitiran(*store), expected) << c.what;
    }
}

TEST(ListSheet, EmptyStoreGivesOnlyTheHeading)
{
    const auto store = StoreWith({});
    const std::string sheet = Makeitiran(*store);
    EXPECT_PRED_FORMAT2(SameBytes, sheet, kHeading);
    EXPECT_EQ(sheet.size(), 3u * 82u);
}

TEST(ListSheet, WritesCardsOneToCountInOrderAndEndsWithASeparator)
{
    auto store = StoreWith({{.Name1 = "one"}, {}, {.Name1 = "three"}});
    // A filled slot above the count (the new-card slot) is not part of the sheet.
    store->card(4).Name1.assign("four");
    const auto entry = [](const std::string& name) {
        return kBar + name + Spaces(18 - name.size()) + kBar + kPostal + Spaces(54) + kBar + kCrLf +
               kBar + Spaces(18) + kBar + Spaces(56) + kBar + kCrLf + kSeparator + kCrLf;
    };
    EXPECT_PRED_FORMAT2(SameBytes, Makeitiran(*store),
                        kHeading + entry("one") + entry("") + entry("three"));
}

TEST(ListSheet, EveryLineIsEightyBytesWhateverTheCardsHold)
{
    std::string fullWidth;
    while (fullWidth.size() < 255)
        fullWidth += "\x82\xA0"; // あ
    fullWidth.resize(255);
    const std::vector<CardText> cards{
        {.Name1 = fullWidth,
         .Name2 = fullWidth,
         .Jusyo1 = fullWidth,
         .Jusyo2 = fullWidth,
         .PostNo = fullWidth,
         .Tel = fullWidth},
        {.Name1 = "a", .Jusyo2 = "b", .PostNo = "c"},
        {},
    };
    const auto store = StoreWith(cards);
    const std::string sheet = Makeitiran(*store);

    std::size_t lines = 0;
    for (std::size_t start = 0; start < sheet.size(); ++lines) {
        const std::size_t end = sheet.find(kCrLf, start);
        ASSERT_NE(end, std::string::npos) << "line " << lines + 1 << " has no CR LF";
        EXPECT_EQ(end - start, 80u) << "line " << lines + 1 << ":\n"
                                    << HexDump(sheet.substr(start, end - start));
        start = end + kCrLf.size();
    }
    EXPECT_EQ(lines, 3u + 3u * cards.size());
}

} // namespace
} // namespace velm
