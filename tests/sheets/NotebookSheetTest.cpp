#include "SampleTexts.h"
#include "sheets/Sheets.h"
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
using test::SameBytes;
using test::StoreWith;
namespace sample = test::sample;

// ┏━━━━━━━━━┓
const std::string kTop = "\x84\xAC\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84"
                         "\xAA\x84\xAA\x84\xAD";
// ┗━━━━━━━━━┛〒
const std::string kBottom = "\x84\xAF\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA"
                            "\x84\xAA\x84\xAA\x84\xAE\x81\xA7";
const std::string kBar = "\x84\xAB";            // ┃
const std::string kBarTel = "\x84\xAB\x93\x64"; // ┃電
const std::string kCrLf = "\r\n";

std::string Spaces(std::size_t n)
{
    return std::string(n, ' ');
}

TEST(NotebookSheet, WritesACardAsFiveLinesOfExactBytes)
{
    struct Case {
        const char* what;
        CardText card;
        std::string expected;
    };
    const Case cases[] = {
        {"all fields empty",
         {},
         kTop + kCrLf + kBar + Spaces(18) + kBarTel + kCrLf + kBottom + kCrLf + kCrLf + kCrLf},
        {"a full card shows only Name1, Tel, PostNo and the addresses", sample::kFullCard,
         kTop + kCrLf + kBar + sample::kName + Spaces(10) + kBarTel + "03-1234-5678" + kCrLf +
             kBottom + "100-0005" + kCrLf + sample::kAddress1 + kCrLf + sample::kAddress2 + kCrLf},
        {"an 18-byte Name1 fills the box",
         {.Name1 = sample::kNine},
         kTop + kCrLf + kBar + sample::kNine + kBarTel + kCrLf + kBottom + kCrLf + kCrLf + kCrLf},
        {"a 19-byte Name1 is cut after byte 18, and the lead byte that "
         "the cut leaves alone becomes a space",
         {.Name1 = sample::kNineteen},
         kTop + kCrLf + kBar + sample::kNineteenInNameColumn + kBarTel + kCrLf + kBottom + kCrLf +
             kCrLf + kCrLf},
        {"leading and inner spaces of the whole fields are kept",
         {.Jusyo1 = " a  b", .PostNo = " 1", .Tel = "  2"},
         kTop + kCrLf + kBar + Spaces(18) + kBarTel + "  2" + kCrLf + kBottom + " 1" + kCrLf +
             " a  b" + kCrLf + kCrLf},
    };
    for (const Case& c : cases) {
        const auto store = StoreWith({c.card});
        EXPECT_PRED_FORMAT2(SameBytes, Maketetyo(*store), c.expected) << c.what;
    }
}

TEST(NotebookSheet, EmptyStoreGivesNoBytes)
{
    const auto store = StoreWith({});
    EXPECT_EQ(Maketetyo(*store).size(), 0u);
}

TEST(NotebookSheet, LongestFieldsAreWrittenWhole)
{
    const std::string tel(255, '9');
    const std::string postNo(255, '1');
    const std::string address(255, 'x');
    const auto store =
        StoreWith({{.Jusyo1 = address, .Jusyo2 = address, .PostNo = postNo, .Tel = tel}});
    const std::string expected = kTop + kCrLf + kBar + Spaces(18) + kBarTel + tel + kCrLf +
                                 kBottom + postNo + kCrLf + address + kCrLf + address + kCrLf;
    const std::string sheet = Maketetyo(*store);
    EXPECT_PRED_FORMAT2(SameBytes, sheet, expected);
    // The second line is 24 + 255 bytes.
    EXPECT_EQ(sheet.find(kCrLf, kTop.size() + 2), kTop.size() + 2 + 279);
}

TEST(NotebookSheet, WritesCardsOneToCountInOrderAndNothingBeyond)
{
    auto store = StoreWith({{.Name1 = "one", .Tel = "1"}, {}, {.Name1 = "three", .Tel = "3"}});
    // A filled slot above the count (the new-card slot) is not part of the sheet.
    store->card(4).Name1.assign("four");
    const auto entry = [](const std::string& name, const std::string& tel) {
        return kTop + kCrLf + kBar + name + Spaces(18 - name.size()) + kBarTel + tel + kCrLf +
               kBottom + kCrLf + kCrLf + kCrLf;
    };
    EXPECT_PRED_FORMAT2(SameBytes, Maketetyo(*store),
                        entry("one", "1") + entry("", "") + entry("three", "3"));
}

} // namespace
} // namespace velm
