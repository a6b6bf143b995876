#include "interchange/FileText.h"
#include "interchange/ForeignCard.h"
#include "interchange/ForeignTestSupport.h"
#include "text/RepeatedBytes.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace velm
{
namespace
{

using namespace std::string_view_literals;
using testing::Repeated;

TEST(FileText, FindsTheEncodingFromTheMarkOrTheBytes)
{
    const struct {
        std::string_view bytes;
        std::string_view text;
        TextEncoding encoding;
    } cases[] = {
        {"\xEF\xBB\xBF"
         "a\xE3\x81\x82",
         "a\xE3\x81\x82", TextEncoding::Utf8},
        {"\xFF\xFE"
         "a\0\x42\x30"sv,
         "a\xE3\x81\x82", TextEncoding::Utf8},
        {"\xFE\xFF\0a\x30\x42"sv, "a\xE3\x81\x82", TextEncoding::Utf8},
        {"a\xE3\x81\x82", "a\xE3\x81\x82", TextEncoding::Utf8},
        {"plain", "plain", TextEncoding::Utf8},
        {"a\x82\xa0", "a\x82\xa0", TextEncoding::ShiftJis},
        // Shift-JIS that starts like UTF-8 and then is not.
        {"\xE3\x81\x82\x82\xa0", "\xE3\x81\x82\x82\xa0", TextEncoding::ShiftJis},
    };
    for (const auto& c : cases) {
        const FileText file(c.bytes);
        EXPECT_TRUE(SameBytes(file.text(), c.text));
        EXPECT_EQ(file.encoding(), c.encoding) << HexDump(c.bytes);
    }
}

TEST(ForeignCard, MemoItemsFollowTheMemoWholeAsFarAsTheyFit)
{
    ForeignCard foreign;
    foreign.name1 = "x\r\ny";
    foreign.memo = std::string(230, 'm');
    foreign.addMemoItem("TEL", "03");
    foreign.addMemoItem("EMAIL", "someone@example.jp");
    foreign.addMemoItem("URL", "");
    foreign.addMemoItem("", "u");
    ConversionReport report;
    const CardRecord card = TakeForeignCard(foreign, report);
    EXPECT_TRUE(SameBytes(card.Name1.view(), "x y"));
    EXPECT_TRUE(SameBytes(card.biko3.view(), std::string(230, 'm') + " / TEL: 03 / u"));
    EXPECT_EQ(report.cardsNotFitting, 1u);

    ForeignCard overlong;
    overlong.addMemoItem("Notes", std::string(300, 'n'));
    const CardRecord cut = TakeForeignCard(overlong, report);
    EXPECT_TRUE(SameBytes(cut.biko3.view(), "Notes: " + std::string(248, 'n')));
    EXPECT_EQ(report.cardsNotFitting, 2u);
}

TEST(ForeignCard, JoinsNamesAndAddressesWithoutStraySpaces)
{
    EXPECT_EQ(JoinName({"", Sjis("太郎"), ""}), Sjis("太郎"));
    EXPECT_EQ(JoinName({Sjis("山田"), "Taro"}), Sjis("山田　") + "Taro");
    EXPECT_EQ(JoinAddress({Sjis("東京都"), "", Sjis("千代田区1-1")}), Sjis("東京都千代田区1-1"));
    EXPECT_EQ(JoinAddress({"IL", "Springfield", "1 Main"}), "IL Springfield 1 Main");
    // ア ends with the byte "A" but is no ASCII letter.
    EXPECT_EQ(JoinAddress({Sjis("ア"), "1"}), Sjis("ア1"));
    EXPECT_EQ(JoinWithSpace({"", "a", "", "b"}), "a b");
    for (const std::string_view japan : {"JAPAN", "jp", "\x93\xfa\x96\x7b"})
        EXPECT_TRUE(IsJapan(japan)) << japan;
    EXPECT_FALSE(IsJapan("USA"));
}

TEST(Conversion, SummariesNameEveryChange)
{
    ConversionReport report;
    report.countCard(0, false);
    report.countCard(3, true);
    report.countCard(2, false);
    EXPECT_EQ(DescribeImport(report), "3件のカードを読み込みました\n"
                                      "2件のカードで5文字を「?」にしました\n"
                                      "1件のカードで255バイトに入りきらない内容を省きました");
    EXPECT_EQ(DescribeExport(ConversionReport{}), "0件のカードを書き出しました");
}

} // namespace
} // namespace velm
