#include "store/AddressBookFile.h"
#include "store/CardStore.h"
#include "support/Bytes.h"
#include "support/Cards.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{
namespace
{

using test::HexBytes;
using test::MakeCard;
using test::StoreWith;

std::string Spaces(std::size_t n)
{
    return std::string(n, ' ');
}

// Splits the file at CR LF and checks every line is 78 bytes and ends with CR LF.
std::vector<std::string> CheckedLines(const std::string& file)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t end = file.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "unterminated line at byte " << start;
        if (end == std::string::npos)
            break;
        lines.push_back(file.substr(start, end - start));
        EXPECT_EQ(lines.back().size(), 78u)
            << "line " << lines.size() << ": " << HexBytes(lines.back());
        start = end + 2;
    }
    return lines;
}

TEST(FormatAddressBook, WritesFourTaggedLinesAndASeparatorPerCard)
{
    const auto store = StoreWith({{"Yamada", "", "yamada", "A", "Tokyo", "1-2-3", "100-0001",
                                   "03-1234-5678", "ACME", "Dev", "memo"}});
    const std::string expected = "\x96\xBC\x81\x79"
                                 "Yamada" +
                                 Spaces(12) +                      // 名【
                                 "\x81\x7A\x81\x79" + Spaces(18) + // 】【
                                 "\x81\x7A\x93\xC7\x81\x79"
                                 "yamada" +
                                 Spaces(14) + // 】読【
                                 "\x81\x7A\x81\x79"
                                 "A "
                                 "\x81\x7A"
                                 "\r\n" // 】【 】
                                 "\x8F\x5A\x81\x79"
                                 "Tokyo" +
                                 Spaces(35) + // 住【
                                 "\x81\x7A\x94\xF5\x81\x79"
                                 "ACME" +
                                 Spaces(22) + // 】備【
                                 "\x81\x7A"
                                 "\r\n" // 】
                                 "\x8F\x8A\x81\x79"
                                 "1-2-3" +
                                 Spaces(35) + // 所【
                                 "\x81\x7A\x8D\x6C\x81\x79"
                                 "Dev" +
                                 Spaces(23) + // 】考【
                                 "\x81\x7A"
                                 "\r\n" // 】
                                 "\x81\xA7\x81\x79"
                                 "100-0001" + // 〒【
                                 "\x81\x7A\x93\x64\x81\x79"
                                 "03-1234-5678" +
                                 Spaces(4) + // 】電【
                                 "\x81\x7A\x81\x79"
                                 "memo" +
                                 Spaces(34) + // 】【
                                 "\x81\x7A"
                                 "\r\n" + // 】
                                 std::string(78, '*') +
                                 "\r\n";
    const std::string file = FormatAddressBook(*store);
    EXPECT_EQ(file, expected) << "got\n" << HexBytes(file) << "\nwanted\n" << HexBytes(expected);
    CheckedLines(file);
}

TEST(FormatAddressBook, AnEmptyStoreGivesAnEmptyFile)
{
    auto store = StoreWith({});
    store->card(1) = MakeCard({"never written"});
    EXPECT_EQ(FormatAddressBook(*store), "");
}

TEST(FormatAddressBook, LongValuesAreCutToTheirColumnsEvenInsideACharacter)
{
    std::string longAddress(39, 'x');
    longAddress += "\x82\xa0"
                   "tail"; // あ: the column ends after its lead byte
    const std::string fullWidthName = "\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8\x82\xa9"
                                      "\x82\xab\x82\xad\x82\xaf\x82\xb1"; // あいうえおかきくけこ
    const auto store =
        StoreWith({{fullWidthName, std::string(300, 'n'), "", "\x81\x9D", longAddress, "",
                    "\x82\x50\x82\x51\x82\x52\x82\x53"
                    "\x82\x54",
                    "", std::string(30, 'c')},
                   {"second"}});
    const std::string file = FormatAddressBook(*store);
    const std::vector<std::string> lines = CheckedLines(file);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0].substr(4, 18), fullWidthName.substr(0, 18)) << HexBytes(lines[0]);
    EXPECT_EQ(lines[0].substr(26, 18), std::string(18, 'n'));
    EXPECT_EQ(lines[0].substr(74, 2), "\x81\x9D") << HexBytes(lines[0]); // ◎ fills the mark
    EXPECT_EQ(lines[1].substr(4, 41), std::string(39, 'x') + "\x82\x81")
        << "the lone lead byte is followed by the closing bracket: " << HexBytes(lines[1]);
    EXPECT_EQ(lines[1].substr(50, 26), std::string(26, 'c'));
    EXPECT_EQ(lines[3].substr(4, 8), "\x82\x50\x82\x51\x82\x52\x82\x53") << HexBytes(lines[3]);
    EXPECT_EQ(lines[4], std::string(78, '*'));
    EXPECT_EQ(lines[5].substr(0, 10), "\x96\xBC\x81\x79"
                                      "second");
}

TEST(FormatAddressBook, ValuesThatWouldCloseEarlyAreWrittenSafely)
{
    // A value holding 】 or "ａz" would end at that pair when read back, and one holding LF
    // would end its line there. A lone CR ends nothing and stays.
    const auto store = StoreWith({{.Name1 = "A\x81\x7A"
                                            "B",
                                   .Name2 = "\x82\x81"
                                            "z",
                                   .Yomi = "1\n2\r3\r\n4",
                                   .biko3 = "\n\n"}});
    const std::vector<std::string> lines = CheckedLines(FormatAddressBook(*store));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].substr(4, 4), "A\x81\x6E"
                                     "B")
        << HexBytes(lines[0]);
    EXPECT_EQ(lines[0].substr(26, 4), "\x82\x81\x82\x9A") << HexBytes(lines[0]);
    EXPECT_EQ(lines[0].substr(50, 8), "1 2\r3\r 4") << HexBytes(lines[0]);
    EXPECT_EQ(lines[3].substr(38, 2), "  ") << HexBytes(lines[3]);
}

} // namespace
} // namespace velm
