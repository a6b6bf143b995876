#include "convert/ConvertCommand.h"

#include "store/AddressBookFile.h"
#include "store/FileIo.h"
#include "support/Bytes.h"
#include "support/Cards.h"
#include "support/ScratchFolder.h"

#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace velm
{
namespace
{

namespace fs = std::filesystem;

using test::FullStoreCards;
using test::MakeCard;
using test::Sjis;
using test::StoreHolding;
using test::StoreWith;

class ConvertCommand : public ::testing::Test
{
  protected:
    std::string path(const std::string& name) const { return m_folder / name; }

    void put(const std::string& name, const std::string& bytes) const { m_folder.put(name, bytes); }

    std::string get(const std::string& name) const
    {
        const auto read = ReadWholeFile(path(name));
        if (const auto* failure = std::get_if<FileFailure>(&read))
            return "<" + failure->message() + ">";
        return std::get<std::string>(read);
    }

    // Runs the converter with the arguments, names of files (those with a full stop before
    // a letter) standing for their paths in the test's folder; gives the exit status and
    // keeps what it printed.
    int run(std::vector<std::string> arguments)
    {
        for (std::string& argument : arguments) {
            const std::size_t stop = argument.rfind('.');
            if (!argument.starts_with("--") && stop != std::string::npos &&
                std::isalpha(static_cast<unsigned char>(argument[stop + 1])))
                argument = path(argument);
        }
        out.str({});
        err.str({});
        return RunConvert(arguments, out, err);
    }

    std::ostringstream out;
    std::ostringstream err;

  private:
    test::ScratchFolder m_folder;
};

TEST_F(ConvertCommand, RoundTripsAFullStoreThroughEachFormatToTheSameAddressBook)
{
    const std::string book = FormatAddressBook(*StoreHolding(FullStoreCards()));
    put("addr.txt", book);
    const std::vector<std::vector<std::string>> ways{
        {"cards.vcf"},
        {"cards.vcf", "--vcard", "4.0"},
        {"cards.csv"},
        {"cards.csv", "--csv-encoding=utf8"},
    };
    for (const std::vector<std::string>& way : ways) {
        SCOPED_TRACE(way.size() > 1 ? way[1] : way[0]);
        std::vector<std::string> there{"addr.txt"};
        there.insert(there.end(), way.begin(), way.end());
        ASSERT_EQ(run(there), kConverted) << err.str();
        EXPECT_EQ(out.str(), "999件のカードを読み込みました\n999件のカードを書き出しました\n");
        ASSERT_EQ(run({way[0], "back.txt"}), kConverted) << err.str();
        EXPECT_EQ(out.str(), "999件のカードを読み込みました\n999件のカードを書き出しました\n");
        EXPECT_TRUE(get("back.txt") == book) << "the address book changed on the way";
    }
}

TEST_F(ConvertCommand, AppendsCardsAfterTheBooksOwn)
{
    put("book.txt", FormatAddressBook(*StoreWith({{.Name1 = "A"}, {.Name1 = "B"}})));
    put("more.vcf", "BEGIN:VCARD\r\nFN:C\r\nEMAIL:c@example.jp\r\nEND:VCARD\r\n");
    ASSERT_EQ(run({"--append-to", "book.txt", "more.vcf"}), kConverted) << err.str();
    EXPECT_EQ(out.str(), "1件のカードを読み込みました\n3件のカードを書き出しました\n");
    CardRecord added = MakeCard({.Name1 = "C"});
    added.biko3.assign(Sjis("メール: c@example.jp"));
    EXPECT_EQ(get("book.txt"), FormatAddressBook(*StoreHolding(
                                   {MakeCard({.Name1 = "A"}), MakeCard({.Name1 = "B"}), added})));
}

TEST_F(ConvertCommand, TellsWhenTheAddressBooksColumnsCutAValue)
{
    // The memo's column keeps 38 bytes.
    put("long.vcf", "BEGIN:VCARD\r\nFN:A\r\nNOTE:" + std::string(39, 'x') +
                        "\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n");
    ASSERT_EQ(run({"long.vcf", "out.txt"}), kConverted) << err.str();
    EXPECT_EQ(out.str(), "2件のカードを読み込みました\n2件のカードを書き出しました\n"
                         "1件のカードで住所録ファイルの列に入りきらない内容を切りました\n");
    ASSERT_EQ(run({"long.vcf", "out.csv"}), kConverted) << err.str();
    EXPECT_EQ(out.str(), "2件のカードを読み込みました\n2件のカードを書き出しました\n");
}

TEST_F(ConvertCommand, ReadsTabSeparatedTextAndTheInterchangeFile)
{
    put("sheet.txt", Sjis("氏名\t電話番号\r\n田中\t03-1\r\n"));
    put("cards.orb", "\"ORBI\"\r\n\"I\",\"NAME\",\"PTEL\",\r\n\"D\",\"Tanaka\",\"03-2\",\r\n");
    const struct {
        const char* input;
        CardRecord card;
    } cases[] = {
        {"sheet.txt", MakeCard({.Name1 = Sjis("田中"), .Tel = "03-1"})},
        {"cards.orb", MakeCard({.Name1 = "Tanaka", .Tel = "03-2"})},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(run({c.input, "out.txt"}), kConverted) << err.str();
        EXPECT_EQ(get("out.txt"), FormatAddressBook(*StoreHolding({c.card}))) << c.input;
    }
}

TEST_F(ConvertCommand, RefusesBadUsageAndBadInputWithoutWriting)
{
    put("book.txt", FormatAddressBook(*StoreWith({{.Name1 = "A"}})));
    put("unknown.csv", "a,b\r\n1,2\r\n");
    put("no-book.txt", "x\r\n");
    put("no-orbi.orb", "\"VELM\"\r\n");
    std::string rows = "Name\r\n";
    for (int i = 0; i < 999; ++i)
        rows += "x\r\n";
    put("999.csv", rows);
    // Sparse: the size without the disk space.
    for (const char* big : {"big.csv", "big.txt"}) {
        put(big, "Name\r\nx\r\n");
        fs::resize_file(path(big), kDefaultReadLimit + 1);
    }
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string_view message;
    } cases[] = {
        {{}, kUsageError, "give INPUT and OUTPUT"},
        {{"book.txt"}, kUsageError, "give INPUT and OUTPUT"},
        {{"book.txt", "out.vcf", "more.vcf"}, kUsageError, "give INPUT and OUTPUT"},
        {{"--append-to", "book.txt"}, kUsageError, "give one INPUT"},
        {{"--vcard", "2.1", "book.txt", "out.vcf"}, kUsageError, "unknown option or value"},
        {{"--csv-layout"}, kUsageError, "missing value"},
        {{"--quiet=1", "book.txt", "out.vcf"}, kUsageError, "unknown option"},
        {{"book.txt", "out.pdf"}, kUsageError, ".txt, .orb, .vcf or .csv"},
        {{"book.txt", "book.txt"}, kUsageError, "same file"},
        {{"--append-to", "out.vcf", "book.txt"}, kUsageError, "address book"},
        {{"missing.vcf", "out.txt"}, kInputRefused, "File not found"},
        {{"unknown.csv", "out.txt"}, kInputRefused, "見出しに読み込める列がありません"},
        {{"no-orbi.orb", "out.txt"}, kInputRefused, "ＯＲＢＩファイルではありません"},
        {{"--append-to", "no-book.txt", "book.txt"}, kInputRefused, "住所録カードがありません"},
        {{"book.txt", "no-such-folder/out.vcf"}, kInputRefused, "File not found"},
        {{"--append-to", "book.txt", "999.csv"}, kInputRefused, "合わせると999件を超える"},
        {{"big.csv", "out.txt"}, kInputRefused, "big.csv: ファイルが大きすぎます（64MBまで）"},
        {{"--append-to", "big.txt", "book.txt"},
         kInputRefused,
         "big.txt: ファイルが大きすぎます（64MBまで）"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.empty() ? "no arguments" : c.arguments.back());
        EXPECT_EQ(run(c.arguments), c.status);
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
        EXPECT_FALSE(fs::exists(path("out.txt")));
        EXPECT_FALSE(fs::exists(path("out.vcf")));
    }
    EXPECT_EQ(get("book.txt"), FormatAddressBook(*StoreWith({{.Name1 = "A"}})));
    EXPECT_EQ(run({"--help"}), kConverted);
    EXPECT_NE(out.str().find("usage: velm-convert"), std::string::npos);
}

} // namespace
} // namespace velm
