// Address-book files that no program of ours wrote: huge, binary, truncated or over-full.
// Each must end in a clear refusal or in a load of at most 999 cards of at most 255 bytes
// per field, within bounded time and without copying the file.

#include "store/AddressBookFile.h"
#include "store/CardStore.h"
#include "store/FileIo.h"
#include "support/Bytes.h"
#include "support/Cards.h"
#include "support/Timing.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <variant>
#include <vector>

namespace velm
{
namespace
{

using namespace std::literals;
using test::CardText;
using test::DescribeCard;
using test::HexBytes;
using test::kSecondsForHugeInput;
using test::MakeCard;
using test::Repeated;
using test::SecondsFor;

constexpr std::string_view kNameTag = "\x96\xBC\x81\x79"; // 名【
constexpr std::string_view kClose = "\x81\x7A";           // 】

// A card's five lines in the layout the program writes, with each value followed directly
// by its closing bracket.
std::string CardLines(const CardText& v)
{
    return std::string(kNameTag) + std::string(v.Name1) + "\x81\x7A\x81\x79" +
           std::string(v.Name2) + "\x81\x7A\x93\xC7\x81\x79" + std::string(v.Yomi) +
           "\x81\x7A\x81\x79" + std::string(v.Mark) + "\x81\x7A\r\n" // 】【 】読【 】【 】
           + "\x8F\x5A\x81\x79" + std::string(v.Jusyo1) + "\x81\x7A\x94\xF5\x81\x79" +
           std::string(v.biko1) + "\x81\x7A\r\n" // 住【 】備【 】
           + "\x8F\x8A\x81\x79" + std::string(v.Jusyo2) + "\x81\x7A\x8D\x6C\x81\x79" +
           std::string(v.biko2) + "\x81\x7A\r\n" // 所【 】考【 】
           + "\x81\xA7\x81\x79" + std::string(v.PostNo) + "\x81\x7A\x93\x64\x81\x79" +
           std::string(v.Tel) + "\x81\x7A\x81\x79" + std::string(v.biko3) + "\x81\x7A\r\n" +
           std::string(78, '*') + "\r\n"; // 〒【 】電【 】【 】
}

const CardText kPlain = {"Aoki",     "Ken",     "aoki", "A",     "Tokyo", "Chiyoda",
                         "100-0001", "03-1111", "ACME", "Sales", "memo"};

std::vector<CardRecord> LoadedCards(std::string_view file)
{
    auto parsed = ParseAddressBook(file);
    if (auto* cards = std::get_if<std::vector<CardRecord>>(&parsed))
        return std::move(*cards);
    ADD_FAILURE() << "refused: " << HexBytes(file.substr(0, 32));
    return {};
}

void ExpectStorable(const std::vector<CardRecord>& cards, const char* what)
{
    EXPECT_LE(cards.size(), 999u) << what;
    for (const CardRecord& card : cards) {
        for (const ShortString* field : card.fields())
            EXPECT_EQ(field->view().find(kClose), std::string_view::npos) << what << "\n"
                                                                          << DescribeCard(card);
    }
}

long PeakResidentKilobytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(AdversarialLoad, ReaderRefusesAFileOfSeveralHundredMegabytesWithoutReadingIt)
{
    std::string path = (std::filesystem::temp_directory_path() / "velm-huge-XXXXXX").string();
    const int fd = ::mkstemp(path.data());
    ASSERT_GE(fd, 0);
    // A sparse file: it takes no disk space, yet its size is 300 MB of one single line.
    ASSERT_EQ(::ftruncate(fd, off_t(300) << 20), 0);
    ::close(fd);

    std::variant<std::string, FileFailure> read;
    const double seconds = SecondsFor([&] { read = ReadWholeFile(path); });
    ::unlink(path.c_str());

    ASSERT_TRUE(std::holds_alternative<FileFailure>(read));
    EXPECT_EQ(std::get<FileFailure>(read).systemError, EFBIG);
    EXPECT_EQ(std::get<FileFailure>(read).message(), "File too large");
    EXPECT_LT(seconds, 1.0);
}

TEST(AdversarialLoad, A50MegabyteLineLoadsInBoundedTimeAndMemory)
{
    struct HugeCase {
        const char* what;
        std::string file;
        std::size_t cards; // 0: refused
    };
    constexpr std::size_t kSize = std::size_t(50) << 20;
    std::string withTag(kNameTag);
    withTag.resize(kSize, 'x');
    std::string brackets;
    brackets.reserve(kSize);
    while (brackets.size() < kSize)
        brackets += kNameTag;
    std::string withoutTag(kSize, '\x82');
    HugeCase cases[] = {
        {"name tag and 50 MB without a closing bracket", std::move(withTag), 1},
        {"50 MB of name tags", std::move(brackets), 1},
        {"50 MB of lead bytes without a tag", std::move(withoutTag), 0},
    };
    for (const HugeCase& c : cases) {
        const long before = PeakResidentKilobytes();
        std::variant<std::vector<CardRecord>, AddressBookRefusal> parsed;
        const double seconds = SecondsFor([&] { parsed = ParseAddressBook(c.file); });
        EXPECT_LT(seconds, kSecondsForHugeInput) << c.what;
        // The reader works on views of the file; no copy of the line is made.
        EXPECT_LT(PeakResidentKilobytes() - before, 20 * 1024) << c.what;
        if (c.cards == 0) {
            EXPECT_TRUE(std::holds_alternative<AddressBookRefusal>(parsed)) << c.what;
            continue;
        }
        const auto* cards = std::get_if<std::vector<CardRecord>>(&parsed);
        ASSERT_NE(cards, nullptr) << c.what;
        ASSERT_EQ(cards->size(), c.cards) << c.what;
        for (const ShortString* field : cards->front().fields())
            EXPECT_LE(field->size(), 255u) << c.what;
    }
}

TEST(AdversarialLoad, BinaryGarbageLoadsAsStorableCardsOrIsRefused)
{
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string file(kNameTag);
        const std::size_t size = 1000 + static_cast<std::size_t>(round) * 997;
        while (file.size() < size)
            file += static_cast<char>(byte(random));
        // Sprinkle tags and line ends so that many cards and values are found.
        for (std::size_t i = 0; i + 4 < file.size();
             i += 1 + static_cast<std::size_t>(byte(random))) {
            switch (byte(random) % 4) {
            case 0:
                file.replace(i, 4, kNameTag);
                break;
            case 1:
                file.replace(i, 2, kClose);
                break;
            case 2:
                file.replace(i, 2, "\r\n");
                break;
            default:
                break;
            }
        }
        const auto parsed = ParseAddressBook(file);
        if (const auto* cards = std::get_if<std::vector<CardRecord>>(&parsed))
            ExpectStorable(*cards, ("round " + std::to_string(round)).c_str());
    }
}

TEST(AdversarialLoad, NulBytesAreDataInsideAValueAndTrimmedAtItsEnd)
{
    struct NulCase {
        const char* what;
        CardText written;
        CardText loaded;
    };
    const NulCase cases[] = {
        {"inside every value",
         {"a\0b"sv, "\0x"sv, "y\0z"sv, "\0\0m"sv, "T\0k"sv, "C\0d"sv,
          "1\0"
          "2"sv,
          "0\0"
          "3"sv,
          "A\0C"sv, "S\0s"sv, "m\0e"sv},
         {"a\0b"sv, "\0x"sv, "y\0z"sv, "\0\0m"sv, "T\0k"sv, "C\0d"sv,
          "1\0"
          "2"sv,
          "0\0"
          "3"sv,
          "A\0C"sv, "S\0s"sv, "m\0e"sv}},
        {"at the end of every value",
         {"a\0"sv, "\0"sv, "y\0\0"sv, "\0"sv, "T\0"sv, "C\0"sv, "1\0"sv, "0\0"sv, "A\0"sv, "S\0"sv,
          "m\0"sv},
         {"a", "", "y", "", "T", "C", "1", "0", "A", "S", "m"}},
    };
    for (const NulCase& c : cases) {
        const auto cards = LoadedCards(CardLines(c.written));
        ASSERT_EQ(cards.size(), 1u) << c.what;
        EXPECT_EQ(cards[0], MakeCard(c.loaded)) << c.what << "\n" << DescribeCard(cards[0]);
    }

    const std::string nulFiles[] = {std::string(1000, '\0'), "\0\r\n"s + CardLines(kPlain),
                                    "\x96\xBC\0\x81\x79"s + "x\r\n"};
    for (const std::string& file : nulFiles) {
        const auto parsed = ParseAddressBook(file);
        ASSERT_TRUE(std::holds_alternative<AddressBookRefusal>(parsed))
            << HexBytes(file.substr(0, 8));
        EXPECT_EQ(std::get<AddressBookRefusal>(parsed), AddressBookRefusal::NoCards);
    }
}

TEST(AdversarialLoad, ALoneLeadByteEndingEveryValueStaysAndShiftsNothing)
{
    // Every lead-byte range, each value ending in a lead byte right before its "】".
    const CardText written = {"a\x81",        "b\x9F", "c\xE0", "\xFC",  "e\x82", "f\x88",
                              "\x82\x50\x82", "h\x93", "i\x96", "j\xEA", "k\x8F"};
    const auto cards = LoadedCards(CardLines(written) + CardLines(kPlain));
    ASSERT_EQ(cards.size(), 2u);
    // A postal code beginning with a lead byte is normalised: １ and the lone lead byte
    // stay as "1" and the byte.
    CardText expected = written;
    expected.PostNo = "1\x82";
    EXPECT_EQ(cards[0], MakeCard(expected)) << DescribeCard(cards[0]);
    EXPECT_EQ(cards[1], MakeCard(kPlain)) << DescribeCard(cards[1]);
}

TEST(AdversarialLoad, TenThousandCardsAreRefusedWholeAndQuickly)
{
    const std::string file = Repeated(CardLines(kPlain), 10000);
    std::variant<std::vector<CardRecord>, AddressBookRefusal> parsed;
    const double seconds = SecondsFor([&] { parsed = ParseAddressBook(file); });
    ASSERT_TRUE(std::holds_alternative<AddressBookRefusal>(parsed));
    EXPECT_EQ(std::get<AddressBookRefusal>(parsed), AddressBookRefusal::TooManyCards);
    EXPECT_LT(seconds, kSecondsForHugeInput);
}

TEST(AdversarialLoad, TenThousandColumnsOnALineFillOnlyTheFieldsOfTheLayout)
{
    std::string wide(kNameTag);
    wide +=
        "N1\x81\x7A\x81\x79N2\x81\x7A\x93\xC7\x81\x79Yo\x81\x7A\x81\x79Mk\x81\x7A"; // 】【 】読【
                                                                                    // 】【 】
    for (int i = 0; i < 10000; ++i)
        wide += "\x81\x79" + std::to_string(i) + "\x81\x7A"; // 【i】
    wide += "\r\n";
    std::string file = wide + "\x8F\x5A\x81\x79J1\x81\x7A\x94\xF5\x81\x79"
                              "B1\x81\x7A"; // 住【 】備【 】
    for (int i = 0; i < 10000; ++i)
        file += "\x94\xF5\x81\x79" + std::to_string(i) + "\x81\x7A"; // 備【i】
    file += "\r\n\x8F\x8A\x81\x79J2\x81\x7A\r\n\x81\xA7\x81\x79"
            "123\x81\x7A\r\n" +
            wide;

    const auto cards = LoadedCards(file);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0], MakeCard({"N1", "N2", "Yo", "Mk", "J1", "J2", "123", "", "B1", "", ""}))
        << DescribeCard(cards[0]);
    EXPECT_EQ(cards[1].Mark.view(), "Mk");
}

TEST(AdversarialLoad, LinesOfOnlyEndMarksOrCarriageReturns)
{
    struct MarkCase {
        const char* what;
        std::string file;
        std::size_t cards; // 0: refused as holding no cards
    };
    const std::string card = CardLines(kPlain);
    const MarkCase cases[] = {
        {"only end-of-file marks", std::string(100, '\x1A'), 0},
        {"only carriage returns", std::string(100, '\r'), 0},
        {"carriage-return lines", Repeated("\r\r\n", 100), 0},
        {"a line of end-of-file marks after a card", card + "\x1A\x1A\r\n" + card, 1},
        {"a line of carriage returns after a card", card + "\r\r\r\n" + card, 1},
        {"carriage returns and no line feed after a card", card + std::string(1000, '\r'), 1},
        {"end-of-file marks after each card", card + "\x1A" + card + "\x1A", 1},
    };
    for (const MarkCase& c : cases) {
        const auto parsed = ParseAddressBook(c.file);
        if (c.cards == 0) {
            ASSERT_TRUE(std::holds_alternative<AddressBookRefusal>(parsed)) << c.what;
            EXPECT_EQ(std::get<AddressBookRefusal>(parsed), AddressBookRefusal::NoCards) << c.what;
            continue;
        }
        const auto* cards = std::get_if<std::vector<CardRecord>>(&parsed);
        ASSERT_NE(cards, nullptr) << c.what;
        ASSERT_EQ(cards->size(), c.cards) << c.what;
        EXPECT_EQ(cards->front(), MakeCard(kPlain)) << c.what << "\n"
                                                    << DescribeCard(cards->front());
    }

    // A card whose second line is an end-of-file mark keeps its first line's values and
    // leaves the rest empty.
    const auto cut = LoadedCards(card.substr(0, card.find('\n') + 1) + "\x1A" + card);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0], MakeCard({"Aoki", "Ken", "aoki", "A"})) << DescribeCard(cut[0]);
}

} // namespace
} // namespace velm
