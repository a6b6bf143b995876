#include "store/AddressBookFile.h"
#include "store/CardStore.h"
#include "support/Bytes.h"
#include "support/Cards.h"

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

using test::CardText;
using test::DescribeCard;
using test::HexBytes;
using test::MakeCard;

// The five lines of a card with unpadded values, as a file with other column widths
// holds them.
std::string LooseCard(const CardText& v, std::string_view separator = "*****\r\n")
{
    std::string text;
    const auto add = [&text](std::initializer_list<std::string_view> parts) {
        for (const std::string_view part : parts)
            text += part;
        text += "\r\n";
    };
    add({"\x96\xBC\x81\x79", v.Name1, "\x81\x7A\x81\x79", v.Name2, "\x81\x7A\x93\xC7\x81\x79",
         v.Yomi, "\x81\x7A\x81\x79", v.Mark, "\x81\x7A"}); // 名【 】【 】読【 】【 】
    add({"\x8F\x5A\x81\x79", v.Jusyo1, "\x81\x7A\x94\xF5\x81\x79", v.biko1,
         "\x81\x7A"}); // 住【 】備【 】
    add({"\x8F\x8A\x81\x79", v.Jusyo2, "\x81\x7A\x8D\x6C\x81\x79", v.biko2,
         "\x81\x7A"}); // 所【 】考【 】
    add({"\x81\xA7\x81\x79", v.PostNo, "\x81\x7A\x93\x64\x81\x79", v.Tel, "\x81\x7A\x81\x79",
         v.biko3, "\x81\x7A"}); // 〒【 】電【 】【 】
    text += separator;
    return text;
}

std::string FirstLines(const std::string& card, int count)
{
    std::size_t end = 0;
    for (int i = 0; i < count; ++i)
        end = card.find('\n', end) + 1;
    return card.substr(0, end);
}

std::string WithoutCarriageReturns(std::string text)
{
    std::erase(text, '\r');
    return text;
}

const CardText kA = {"Aoki",     "Ken",     "aoki", "\x81\x9D", "Tokyo", "Chiyoda",
                     "100-0001", "03-1111", "ACME", "Sales",    "memo a"};
const CardText kB = {"\x96\xBC\x91\x4F", "", "", "", "Osaka", "",
                     "530-0001",         "", "", "", ""}; // 名前

void ExpectCards(std::string_view what, std::string_view file,
                 const std::vector<CardText>& expected)
{
    const auto parsed = ParseAddressBook(file);
    ASSERT_TRUE(std::holds_alternative<std::vector<CardRecord>>(parsed))
        << what << ": refused " << HexBytes(file);
    const auto& cards = std::get<std::vector<CardRecord>>(parsed);
    ASSERT_EQ(cards.size(), expected.size()) << what;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const CardRecord wanted = MakeCard(expected[i]);
        EXPECT_EQ(cards[i], wanted) << what << ", card " << i + 1 << " got\n"
                                    << DescribeCard(cards[i]) << "wanted\n"
                                    << DescribeCard(wanted);
    }
}

struct ParseCase {
    const char* what;
    std::string file;
    std::vector<CardText> cards;
};

TEST(ParseAddressBook, ReadsCardsUntilALineWithoutANameTag)
{
    CardText aWithoutLine2 = kA;
    aWithoutLine2.Jusyo1 = aWithoutLine2.biko1 = "";
    CardText bFirstTwoLines = kB;
    bFirstTwoLines.PostNo = "";
    CardText bFirstLine = bFirstTwoLines;
    bFirstLine.Jusyo1 = "";
    const std::string a = LooseCard(kA);
    const std::string b = LooseCard(kB);
    const std::string aLines = FirstLines(a, 4);
    const ParseCase cases[] = {
        {"two cards", a + b, {kA, kB}},
        {"lines ended by LF alone", WithoutCarriageReturns(a + b), {kA, kB}},
        {"trailing blank lines", a + b + "\r\n\r\n", {kA, kB}},
        {"blank line between cards", a + "\r\n" + b, {kA}},
        {"text line between cards", a + "page 2\r\n" + b, {kA}},
        {"end-of-file mark after the last card", a + "\x1A" + b, {kA}},
        {"end-of-file mark inside a value is data", LooseCard({"x\x1Ay"}), {{"x\x1Ay"}}},
        {"cards without separator lines", aLines + FirstLines(b, 4), {kA, kB}},
        {"several separator lines", a + "*****\r\n*****xyz\r\n" + b, {kA, kB}},
        {"a card line is never taken for a separator",
         FirstLines(a, 1) + "*****\r\n" + a.substr(FirstLines(a, 2).size()) + b,
         {aWithoutLine2, kB}},
        {"card cut after its second line", a + FirstLines(b, 2), {kA, bFirstTwoLines}},
        {"card cut after its first line without a line end",
         a + FirstLines(b, 1).substr(0, FirstLines(b, 1).size() - 2),
         {kA, bFirstLine}},
        {"name tag anywhere in the first line", "x" + a, {kA}},
    };
    for (const ParseCase& c : cases)
        ExpectCards(c.what, c.file, c.cards);
}

TEST(ParseAddressBook, TakesEachValueUpToTheFirstClosingBracketAndTrimsIt)
{
    const std::string n300(300, 'n');
    const ParseCase cases[] = {
        {"trailing blanks dropped, leading kept",
         LooseCard({"  A \t\x01", "B   "}),
         {{"  A", "B"}}},
        {"values longer than a field holds",
         LooseCard({n300, "x"}),
         {{std::string_view(n300).substr(0, 255), "x"}}},
        {"no closing bracket on the first line",
         "\x96\xBC\x81\x79"
         "Abc\x81\x79"
         "def\r\n",
         {{}}}, // 名【Abc【def
        {"value cut to a lone lead byte",
         LooseCard({"ab\x82", "\x81", "c"}),
         {{"ab\x82", "\x81", "c"}}},
        {"full-width brackets of another kind stay",
         LooseCard({"\x81\x6E\x81\x79"}),
         {{"\x81\x6E\x81\x79"}}}, // ］【
    };
    for (const ParseCase& c : cases)
        ExpectCards(c.what, c.file, c.cards);
}

TEST(ParseAddressBook, NormalisesFullWidthPostalCodes)
{
    struct PostCase {
        std::string_view stored;
        std::string_view loaded;
    };
    const PostCase cases[] = {
        {"\x82\x50\x82\x51\x82\x52\x82\x53\x82\x54\x82\x55\x82\x56", "123-4567"}, // １２３４５６７
        {"\x82\x50\x82\x51\x82\x52\x82\x53", "123-4"},                            // １２３４
        {"\x82\x4F", "0-"},                                                       // ０
        {"123-4567", "123-4567"},
        {"1\x82\x50", "1\x82\x50"}, // a half-width start leaves the rest alone
        {"", ""},
        {"\x81\xA7\x82\x50\x82\x4F\x82\x4F\x81\x7C\x82\x4F\x82\x4F\x82\x4F\x82\x50",
         "\x81\xA7"
         "100-0001"},                                          // 〒１００－０００１
        {"\x82\x50\x82\x51\x82\x52\x81\x5D\x82\x53", "123-4"}, // １２３‐４
        {"\x82\x50\x82\x51\x82\x52\x82", "123\x82"},           // a lone lead byte at the end stays
        {"\x88\x9F", "\x88\x9F"},                              // 亜
    };
    for (const PostCase& c : cases) {
        const std::string normalised = NormalisePostNo(c.stored);
        EXPECT_EQ(normalised, c.loaded) << HexBytes(c.stored) << " gave " << HexBytes(normalised);
        ExpectCards(HexBytes(c.stored),
                    LooseCard({"n", "", "", "", "", "", c.stored, "tel", "", "", "m"}),
                    {{"n", "", "", "", "", "", c.loaded, "tel", "", "", "m"}});
    }
}

TEST(PostNoHankaku, ReadsSevenPairsAroundAFixedHyphen)
{
    struct HankakuCase {
        std::string_view postNo;
        std::string_view result;
    };
    const HankakuCase cases[] = {
        {"", "-"},
        {"\x82\x50\x82\x51\x82\x52\x82\x53\x82\x54\x82\x55\x82\x56\x82\x57", "123-4567"},
        {"\x82\x50"
         "ab\x82\x58",
         "19-"},
        {"\x82\x50\x82", "1-"},
        {"\x82\x4F\x82\x58\x82\x59", "09-"}, // 0x82 0x59 is not a digit
    };
    for (const HankakuCase& c : cases)
        EXPECT_EQ(PostNoHankaku(c.postNo), c.result) << HexBytes(c.postNo);
    EXPECT_EQ(HankakuDigit("\x82\x4F"), "0");
    EXPECT_EQ(HankakuDigit("\x82\x58"), "9");
    EXPECT_EQ(HankakuDigit("\x82\x4E"), "");
    EXPECT_EQ(HankakuDigit("\x82"), "");
    EXPECT_EQ(HankakuDigit("5"), "");
}

std::string ManyCards(int count)
{
    std::string file;
    for (int i = 0; i < count; ++i)
        file += LooseCard({std::to_string(i + 1)});
    return file;
}

TEST(ParseAddressBook, RefusesFilesWithoutACardFirstOrWithTooManyCards)
{
    struct RefusalCase {
        const char* what;
        std::string file;
        AddressBookRefusal refusal;
    };
    const std::string a = LooseCard(kA);
    const RefusalCase cases[] = {
        {"empty file", "", AddressBookRefusal::NoCards},
        {"separator line first", std::string(78, '*') + "\r\n" + a, AddressBookRefusal::NoCards},
        {"blank line first", "\r\n" + a, AddressBookRefusal::NoCards},
        {"text line first", "VELM\r\n" + a, AddressBookRefusal::NoCards},
        {"end-of-file mark first", "\x1A" + a, AddressBookRefusal::NoCards},
        {"tag cut in the first line", "\x96\xBC\x81\r\n" + a, AddressBookRefusal::NoCards},
        {"1000 cards", ManyCards(1000), AddressBookRefusal::TooManyCards},
    };
    for (const RefusalCase& c : cases) {
        const auto parsed = ParseAddressBook(c.file);
        ASSERT_TRUE(std::holds_alternative<AddressBookRefusal>(parsed)) << c.what;
        EXPECT_EQ(std::get<AddressBookRefusal>(parsed), c.refusal) << c.what;
    }
}

TEST(ParseAddressBook, AcceptsAFullStoreAndIgnoresWhatFollowsTheCards)
{
    const auto parsed = ParseAddressBook(ManyCards(999) + "\r\n" + ManyCards(5));
    ASSERT_TRUE(std::holds_alternative<std::vector<CardRecord>>(parsed));
    const auto& cards = std::get<std::vector<CardRecord>>(parsed);
    ASSERT_EQ(cards.size(), 999u);
    EXPECT_EQ(cards.back().Name1.view(), "999");
}

TEST(AddressBookRoundTrip, SavedCardsLoadAsTheirCutAndTrimmedValues)
{
    std::string longAddress(39, 'x');
    longAddress += "\x82\xa0"; // あ, cut after its lead byte
    const std::string longMemo(60, 'm');
    const std::vector<CardRecord> saved = {
        MakeCard(kA), MakeCard(kB),
        MakeCard({"A\x81\x7A"
                  "B",
                  "\x82\x81"
                  "z",
                  "", "mark", longAddress, "",
                  "\x82\x50\x82\x51\x82\x52\x82\x53\x82\x54\x82\x55\x82\x56", "", "co", "",
                  longMemo}),
        MakeCard({}), // a counted card with an empty name is still written
    };
    const std::vector<CardText> loaded = {
        kA,
        kB,
        {"A\x81\x6E"
         "B",
         "\x82\x81\x82\x9A", "", "ma", std::string_view(longAddress).substr(0, 40), "", "123-4", "",
         "co", "", std::string_view(longMemo).substr(0, 38)},
        {},
    };
    auto store = std::make_unique<CardStore>();
    store->replaceCards(saved);
    ExpectCards("round trip", FormatAddressBook(*store), loaded);
}

// Lines of the width this program writes are read by position only when they are laid out
// exactly as it writes them; any other such line is read by its tags, which may shift the
// values. Bytes are overwritten in a written card, so that its lines keep their width.
TEST(ParseAddressBook, ReadsLinesOfTheWrittenWidthByTheirTagsWhenTheyDifferFromTheLayout)
{
    auto store = std::make_unique<CardStore>();
    store->replaceCards({MakeCard(kA)});
    const std::string written = FormatAddressBook(*store);
    const std::size_t line2 = FirstLines(written, 1).size();
    const auto overwritten = [&written](std::size_t at, std::string_view bytes) {
        return std::string(written).replace(at, bytes.size(), bytes);
    };

    // "】" inside Name1 ends it; the next tags are then found after the "】" that close
    // them, and the mark takes the reading.
    CardText closeInName = kA;
    closeInName.Name1 = "Ao";
    closeInName.Name2 = closeInName.Yomi = "";
    closeInName.Mark = "aoki";
    // A line that lacks its tag is read from the fourth byte on.
    CardText noAddressTag = kA;
    noAddressTag.Jusyo1 = "yTokyo";
    // "】" across the end of a column and the bracket after it is no "】" of the line.
    CardText leadByteAtColumnEnd = kA;
    leadByteAtColumnEnd.Name1 = "Aoki             \x81";

    const ParseCase cases[] = {
        {"as written", written, {kA}},
        {"closing bracket inside a column", overwritten(6, "\x81\x7A"), {closeInName}},
        {"tag replaced", overwritten(line2, "xx"), {noAddressTag}},
        {"lead byte before a closing bracket", overwritten(21, "\x81"), {leadByteAtColumnEnd}},
    };
    for (const ParseCase& c : cases)
        ExpectCards(c.what, c.file, c.cards);
}

// A space after a line's last "】" changes nothing a line holds, but it makes the line one
// byte wider than this program writes it, so it is read by its tags and not by position. The
// two readings must agree, whatever byte of a written card is changed.
TEST(ParseAddressBook, ReadsAWrittenLineByPositionAsItsTagsWouldRead)
{
    auto store = std::make_unique<CardStore>();
    store->replaceCards({MakeCard(kA), MakeCard({"\x8E\x52\x93\x63", "\x81\x40x", "", "z",
                                                 std::string(40, 'a'), "b", "", "", "c", "", ""})});
    const std::string written = FormatAddressBook(*store);
    const auto widened = [](const std::string& file) {
        std::string wide;
        for (std::size_t start = 0; start < file.size();) {
            const std::size_t end = file.find("\r\n", start);
            wide += file.substr(start, end - start) + " \r\n";
            start = end + 2;
        }
        return wide;
    };
    constexpr std::string_view kBytes = "\x81\x7A\x79\x96\xBC\x20\x00\x0Ax";
    for (std::size_t at = 0; at < written.size(); ++at) {
        if (written[at] == '\r' || written[at] == '\n')
            continue;
        for (const char byte : kBytes) {
            std::string changed = written;
            changed[at] = byte;
            const auto byPosition = ParseAddressBook(changed);
            const auto byTags = ParseAddressBook(widened(changed));
            ASSERT_EQ(byPosition, byTags) << "byte " << at << " made " << HexBytes({&byte, 1});
        }
    }
}

} // namespace
} // namespace velm
