#include "ByteComparison.h"
#include "TestCards.h"
#include "sheets/Sheets.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace velm
{
namespace
{

using test::CardText;
using test::SameBytes;
using test::StoreWith;

// ┏━━━━━━━━━┓
const std::string kTop = "\x84\xAC\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84"
                         "\xAA\x84\xAA\x84\xAD";
// ┗━━━━━━━━━┛〒
const std::string kBottom = "\x84\xAF\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA"
                            "\x84\xAA\x84\xAA\x84\xAE\x81\xA7";
const std::string kBar = "\x84\xAB";            // ┃
const std::string kBarTel = "\x84\xAB\x93\x64"; // ┃電
const std::string kCrLf = "\r\n";
// The 18-byte column of a 19-byte name: its lone lead byte is a space.
const std::string kNineteenInColumn = std::string(test::sample::kNineteenCut.substr(0, 17)) + " ";

std::string Spaces(std::size_t n)
{
    return std::string(n, ' ');
}

struct EntryCase {
    const char* name; // the test name
    const char* what;
    CardText card;
    std::string expected;
};

void PrintTo(const EntryCase& c, std::ostream* os)
{
    *os << c.what;
}

class NotebookEntry : public ::testing::TestWithParam<EntryCase>
{
};

TEST_P(NotebookEntry, IsFiveLinesOfExactBytes)
{
    const EntryCase& c = GetParam();
    const auto store = StoreWith({c.card});
    EXPECT_PRED_FORMAT2(SameBytes, Maketetyo(*store), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cards, NotebookEntry,
    ::testing::Values(EntryCase{"AllFieldsEmpty",
                                "all fields empty",
                                {},
                                kTop + kCrLf + kBar + Spaces(18) + kBarTel + kCrLf + kBottom +
                                    kCrLf + kCrLf + kCrLf},
                      EntryCase{"FullCard",
                                "a full card shows only Name1, Tel, PostNo and the addresses",
                                {.Name1 = test::sample::kName,
                                 .Name2 = "Taro",
                                 .Yomi = "yamada",
                                 .Mark = "A",
                                 .Jusyo1 = test::sample::kAddress1,
                                 .Jusyo2 = test::sample::kAddress2,
                                 .PostNo = "100-0005",
                                 .Tel = "03-1234-5678",
                                 .biko1 = "company",
                                 .biko2 = "section",
                                 .biko3 = "memo"},
                                kTop + kCrLf + kBar + std::string(test::sample::kName) +
                                    Spaces(10) + kBarTel + "03-1234-5678" + kCrLf + kBottom +
                                    "100-0005" + kCrLf + std::string(test::sample::kAddress1) +
                                    kCrLf + std::string(test::sample::kAddress2) + kCrLf},
                      EntryCase{"Name1Of18Bytes",
                                "an 18-byte Name1 fills the box",
                                {.Name1 = test::sample::kNine},
                                kTop + kCrLf + kBar + std::string(test::sample::kNine) + kBarTel +
                                    kCrLf + kBottom + kCrLf + kCrLf + kCrLf},
                      EntryCase{"Name1Of19Bytes",
                                "a 19-byte Name1 is cut after byte 18, and the lead byte that "
                                "the cut leaves alone becomes a space",
                                {.Name1 = test::sample::kNineteen},
                                kTop + kCrLf + kBar + kNineteenInColumn + kBarTel + kCrLf +
                                    kBottom + kCrLf + kCrLf + kCrLf},
                      EntryCase{"SpacesKept",
                                "leading and inner spaces of the whole fields are kept",
                                {.Jusyo1 = " a  b", .PostNo = " 1", .Tel = "  2"},
                                kTop + kCrLf + kBar + Spaces(18) + kBarTel + "  2" + kCrLf +
                                    kBottom + " 1" + kCrLf + " a  b" + kCrLf + kCrLf}),
    [](const ::testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

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
