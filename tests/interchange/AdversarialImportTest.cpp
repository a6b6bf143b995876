// ＯＲＢＩ files that no program of ours wrote: huge, binary, truncated or over-full. Each
// must end in a clear refusal or in an import of at most 999 cards whose fields the
// address-book file can hold, within bounded time.

#include "interchange/Orbi.h"
#include "support/Bytes.h"
#include "support/Cards.h"
#include "support/Timing.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velm
{
namespace
{

using namespace std::literals;
using test::HexBytes;
using test::kSecondsForHugeInput;
using test::MakeCard;
using test::Repeated;
using test::SecondsFor;

constexpr std::string_view kHeader = "\"ORBI\",\"1.0\",\"XN\",\"other 2.0\"\r\n";
constexpr std::string_view kTags =
    "\"I\",\"NAPR\",\"NAME\",\"NAM2\",\"PZIP\",\"PADR\",\"PTEL\",\"OFCE\",\"SCTN\",\"RMRK\","
    "\"PSTN\",\r\n";
constexpr std::string_view kClose = "\x81\x7A"; // 】

std::vector<CardRecord> ImportedCards(std::string_view file)
{
    auto result = ParseOrbi(file);
    if (auto* cards = std::get_if<std::vector<CardRecord>>(&result))
        return std::move(*cards);
    ADD_FAILURE() << "file refused: " << HexBytes(file.substr(0, 64));
    return {};
}

// AddressSanitizer slows the import down about tenfold.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kSanitizerSlowdown = 10.0;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr double kSanitizerSlowdown = 10.0;
#else
constexpr double kSanitizerSlowdown = 1.0;
#endif
#else
constexpr double kSanitizerSlowdown = 1.0;
#endif
// A file as large as the program reads, in an ordinary build: well under a second is
// expected, a second allows for a busy machine.
constexpr double kSecondsForManyShortLines = 1.0 * kSanitizerSlowdown;

TEST(AdversarialImport, FiftyMegabyteLinesImportInBoundedTime)
{
    struct HugeCase {
        const char* what;
        std::function<std::string()> file; // made one at a time to bound the test's memory
        std::size_t cards;
        std::string name1; // the first card's Name1
    };
    constexpr std::size_t kSize = std::size_t(50) << 20;
    const std::string prefix = std::string(kHeader) + std::string(kTags) + "\"D\",\"yomi\",";
    const HugeCase cases[] = {
        {"one header line without a line end", [] { return "ORBI" + std::string(kSize, 'x'); }, 0,
         ""},
        {"a data line of 50 MB of quotes", [&] { return prefix + std::string(kSize, '"'); }, 1, ""},
        {"a data line of 50 MB of values", [&] { return prefix + Repeated("\"n\",", kSize / 4); },
         1, "n"},
        {"a data line of one 50 MB value",
         [&] { return prefix + "\"" + std::string(kSize, 'a') + "\","; }, 1, std::string(255, 'a')},
        {"a tag line of 50 MB of quotes",
         [] {
             return std::string(kHeader) + "\"I\"," + std::string(kSize, '"') + "\r\n\"D\",\"a\",";
         },
         1, ""},
    };
    for (const HugeCase& c : cases) {
        const std::string file = c.file();
        std::variant<std::vector<CardRecord>, OrbiRefusal> result;
        const double seconds = SecondsFor([&] { result = ParseOrbi(file); });
        EXPECT_LT(seconds, kSecondsForHugeInput) << c.what;
        const auto* cards = std::get_if<std::vector<CardRecord>>(&result);
        ASSERT_NE(cards, nullptr) << c.what;
        ASSERT_EQ(cards->size(), c.cards) << c.what;
        if (c.cards > 0) {
            EXPECT_EQ(cards->front().Name1.view(), c.name1) << c.what;
        }
    }
}

// Millions of short lines of each kind: the work of a line follows its length, so any file
// up to the read limit imports well within a second.
TEST(AdversarialImport, ShortLinesUpToTheReadLimitImportQuickly)
{
    struct ShortLinesCase {
        const char* what;
        std::string line;
    };
    const ShortLinesCase cases[] = {
        {"tag lines of one known tag", "\"I\",\"NAME\",\r\n"},
        {"tag lines of one other tag", "\"I\",\"X\",\r\n"},
        {"tag lines without a value", "\"I\"\r\n"},
        {"a long and a short tag line by turns",
         "\"I\"," + Repeated("\"NAME\",", 50) + "\r\n\"I\",\r\n"},
        {"lines of another record type", "\"X\",\"NAME\",\r\n"},
    };
    constexpr std::size_t kReadLimit = std::size_t(64) << 20;
    constexpr std::string_view kCard = "\"D\",\"y\",\"n\",\r\n";
    for (const ShortLinesCase& c : cases) {
        std::string file(kHeader);
        file.reserve(kReadLimit);
        while (file.size() + c.line.size() + kCard.size() <= kReadLimit)
            file += c.line;
        file += kCard;
        std::variant<std::vector<CardRecord>, OrbiRefusal> result;
        const double seconds = SecondsFor([&] { result = ParseOrbi(file); });
        EXPECT_LT(seconds, kSecondsForManyShortLines) << c.what;
        const auto* cards = std::get_if<std::vector<CardRecord>>(&result);
        ASSERT_NE(cards, nullptr) << c.what;
        EXPECT_EQ(cards->size(), 1u) << c.what;
    }
}

TEST(AdversarialImport, BinaryGarbageImportsAsStorableCardsOrIsRefused)
{
    static constexpr std::string_view kPieces[] = {
        "\"D\",", "\"I\",",   "\"NAME\",", "\"PADR\",", "\"PZIP\",", "\",", ",",   "\r\n",
        "\\n",    "\x81\x40", "\x81\x7A",  "\x81",      "z",         "\"",  "ORBI"};
    std::mt19937 random(20240602);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    for (int round = 0; round < 300; ++round) {
        std::string file = "ORBI\r\n";
        const std::size_t size = 200 + static_cast<std::size_t>(round) * 331;
        while (file.size() < size) {
            if (byte(random) < 96)
                file += kPieces[piece(random)];
            else
                file += static_cast<char>(byte(random));
        }
        const auto result = ParseOrbi(file);
        const auto* cards = std::get_if<std::vector<CardRecord>>(&result);
        ASSERT_NE(cards, nullptr) << "round " << round;
        EXPECT_LE(cards->size(), 999u);
        for (const CardRecord& card : *cards) {
            for (const ShortString* field : card.fields())
                ASSERT_EQ(field->view().find(kClose), std::string_view::npos)
                    << "round " << round << ": " << HexBytes(field->view());
        }
    }
}

TEST(AdversarialImport, NulBytesAreDataAndLinesOfThemAreSkipped)
{
    const std::string file = "\0ORBI\0\r\n"s + std::string(kTags) + "\0\0\0\r\n"s +
                             "\"D\",\"\0\",\"a\0b\",,\"\0\0\",\"x\0\\ny\",\"0\0\",\r\n"s +
                             "\0\"D\",\"skipped\",\r\n"s;
    const auto cards = ImportedCards(file);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0], MakeCard({"a\0b"sv, "", "\0"sv, "", "x\0"sv, "y", "\0\0"sv, "0\0"sv}));
}

TEST(AdversarialImport, ALoneLeadByteEndingEveryValueStaysAndShiftsNothing)
{
    const std::string file = std::string(kHeader) + std::string(kTags) +
                             "\"D\",\"a\x81\",\"b\x9F\",\"c\xE0\",\"d\xFC\",\"e\x82\\nf\x88\","
                             "\"g\x93\",\"h\x96\",\"i\xEA\",\"j\x8F\",\"\x82\",\r\n"
                             "\"D\",\"y\",\"n\",\r\n";
    const auto cards = ImportedCards(file);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0], MakeCard({"b\x9F", "c\xE0", "a\x81", "\x82", "e\x82", "f\x88", "d\xFC",
                                  "g\x93", "h\x96", "i\xEA", "j\x8F"}));
    EXPECT_EQ(cards[1], MakeCard({"n", "", "y"}));
}

TEST(AdversarialImport, TenThousandCardsAreRefusedWholeAndQuickly)
{
    const std::string file =
        std::string(kHeader) + std::string(kTags) + Repeated("\"D\",\"y\",\"n\",\r\n", 10000);
    std::variant<std::vector<CardRecord>, OrbiRefusal> result;
    const double seconds = SecondsFor([&] { result = ParseOrbi(file); });
    ASSERT_TRUE(std::holds_alternative<OrbiRefusal>(result));
    EXPECT_EQ(std::get<OrbiRefusal>(result), OrbiRefusal::TooManyCards);
    EXPECT_LT(seconds, kSecondsForHugeInput);
}

TEST(AdversarialImport, TenThousandColumnsUseOnlyTheFirstFifty)
{
    std::string tags = "\"I\",";
    std::string data = "\"D\",";
    for (int column = 1; column <= 10000; ++column) {
        tags += column == 50 ? "\"NAME\","s : column == 51 ? "\"NAM2\","s : "\"X\","s;
        data += "\"" + std::to_string(column) + "\",";
    }
    const auto cards = ImportedCards(std::string(kHeader) + tags + "\r\n" + data + "\r\n");
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0], MakeCard({"50"}));
}

TEST(AdversarialImport, LinesOfOnlyEndMarksOrCarriageReturns)
{
    struct MarkCase {
        const char* what;
        std::string file;
        std::size_t cards;
    };
    const std::string start = std::string(kHeader) + std::string(kTags);
    const std::string card = "\"D\",\"y\",\"n\",\r\n";
    const MarkCase cases[] = {
        {"an end-of-file mark after the header", start + "\x1A" + card, 0},
        {"a line of end-of-file marks between cards", start + card + "\x1A\x1A\r\n" + card, 1},
        {"a line of carriage returns between cards", start + card + "\r\r\r\n" + card, 2},
        {"carriage returns without a line end", start + card + std::string(1000, '\r'), 1},
        {"an end-of-file mark inside a data line", start + "\"D\",\"y\x1A\",\"n\",\r\n", 1},
    };
    for (const MarkCase& c : cases) {
        const auto cards = ImportedCards(c.file);
        ASSERT_EQ(cards.size(), c.cards) << c.what;
        for (const CardRecord& imported : cards)
            EXPECT_EQ(imported.Name1.view(), "n") << c.what;
    }

    const std::string refused[] = {std::string(1000, '\r'), std::string(1000, '\x1A'),
                                   "\x1AORBI\r\n"s + card, "\r\nORBI\r\n"s + card};
    for (const std::string& file : refused) {
        const auto result = ParseOrbi(file);
        ASSERT_TRUE(std::holds_alternative<OrbiRefusal>(result)) << HexBytes(file.substr(0, 8));
        EXPECT_EQ(std::get<OrbiRefusal>(result), OrbiRefusal::NotOrbi);
    }
}

} // namespace
} // namespace velm
