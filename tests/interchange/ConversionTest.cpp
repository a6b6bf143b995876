#include "interchange/FileText.h"
#include "interchange/ForeignCard.h"
#include "support/Bytes.h"
#include "support/SameBytes.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{
namespace
{

using namespace std::string_view_literals;
using test::HexBytes;
using test::SameBytes;
using test::Sjis;

TEST(FileText, TakesOffTheMarkAndTurnsUtf16IntoUtf8)
{
    const struct {
        std::string_view bytes;
        std::string_view text;
    } cases[] = {
        {"\xEF\xBB\xBF"
         "a\xE3\x81\x82",
         "a\xE3\x81\x82"},
        {"\xFF\xFE"
         "a\0\x42\x30"sv,
         "a\xE3\x81\x82"},
        {"\xFE\xFF\0a\x30\x42"sv, "a\xE3\x81\x82"},
        {"a\x82\xa0", "a\x82\xa0"},
    };
    for (const auto& c : cases)
        EXPECT_PRED_FORMAT2(SameBytes, FileText(c.bytes).text(), c.text);
}

TEST(FileText, ReadsValuesAsUtf8UntilOneIsNot)
{
    // Each value of a file in turn: the bytes, the encoding it names, if any, the Shift-JIS
    // it becomes and how many characters became "?".
    struct Value {
        std::string_view bytes;
        std::optional<TextEncoding> named;
        std::string_view shiftJis;
        std::size_t replaced;
    };
    const std::string_view kA = "\xE3\x81\x82"; // あ in UTF-8
    const std::string_view kSjisA = "\x82\xa0"; // あ in Shift-JIS
    const struct {
        const char* what;
        std::string_view file;
        std::vector<Value> values;
    } cases[] = {
        {
            "no mark: UTF-8, then Shift-JIS from the first value that is not UTF-8",
            "",
            {{"x", {}, "x", 0},
             {kA, {}, kSjisA, 0},
             {"\xF0\x9F\x98\x80", {}, "?", 1},
             {kSjisA, {}, kSjisA, 0},
             {kA, {}, kA, 0},
             {kA, TextEncoding::Utf8, kSjisA, 0}},
        },
        {"a UTF-8 mark: bytes that are no UTF-8 become question marks",
         "\xEF\xBB\xBF",
         {{kSjisA, {}, "??", 2}, {kSjisA, TextEncoding::ShiftJis, kSjisA, 0}}},
        {"UTF-16: UTF-8 whatever a value names",
         "\xFF\xFE",
         {{kA, TextEncoding::ShiftJis, kSjisA, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FileText file(c.file);
        for (const Value& value : c.values) {
            std::size_t replaced = 0;
            const std::string shiftJis = value.named
                                             ? file.shiftJis(value.bytes, *value.named, replaced)
                                             : file.shiftJis(value.bytes, replaced);
            EXPECT_PRED_FORMAT2(SameBytes, shiftJis, value.shiftJis) << HexBytes(value.bytes);
            EXPECT_EQ(replaced, value.replaced) << HexBytes(value.bytes);
        }
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
    EXPECT_PRED_FORMAT2(SameBytes, card.Name1.view(), "x y");
    EXPECT_PRED_FORMAT2(SameBytes, card.biko3.view(), std::string(230, 'm') + " / TEL: 03 / u");
    EXPECT_EQ(report.cardsNotFitting, 1u);

    ForeignCard overlong;
    overlong.addMemoItem("Notes", std::string(300, 'n'));
    const CardRecord cut = TakeForeignCard(overlong, report);
    EXPECT_PRED_FORMAT2(SameBytes, cut.biko3.view(), "Notes: " + std::string(248, 'n'));
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
