#include "ForeignReads.h"
#include "interchange/Csv.h"
#include "support/Bytes.h"
#include "support/SameBytes.h"
#include "text/Utf.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace velm::test
{
namespace
{

// UTF-16 little endian with its byte-order mark, as spreadsheets save "Unicode text".
std::string Utf16LittleEndian(std::string_view utf8)
{
    std::string bytes = "\xFF\xFE";
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Character character = DecodeUtf8At(utf8, at);
        at += character.length;
        char32_t c = character.codePoint;
        const auto unit = [&bytes](char32_t u) {
            bytes += static_cast<char>(u & 0xFF);
            bytes += static_cast<char>(u >> 8);
        };
        if (c >= 0x10000) {
            c -= 0x10000;
            unit(0xD800 + (c >> 10));
            unit(0xDC00 + (c & 0x3FF));
        } else {
            unit(c);
        }
    }
    return bytes;
}

// A web contact service's export: more columns than fields, labels beside values, an
// address given whole and in parts.
constexpr std::string_view kWebContacts =
    "First Name,Middle Name,Last Name,Phonetic First Name,Phonetic Last Name,Labels,"
    "E-mail 1 - Label,E-mail 1 - Value,Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,"
    "Phone 2 - Value,Address 1 - Label,Address 1 - Formatted,Address 1 - Street,"
    "Address 1 - City,Address 1 - Region,Address 1 - Postal Code,Address 1 - Country,"
    "Address 1 - Extended Address,Organization Name,Organization Department,Notes\r\n"
    "太郎,,山田,たろう,やまだ,* myContacts,* Home,taro@example.jp,Mobile,090-1111-2222,"
    "Home,03-3333-4444,Home,\"東京都千代田区丸の内1-1\nビル5F\",丸の内1-1,千代田区,東京都,"
    "100-0005,日本,ビル5F,山田商事,総務部,\"メモ, その1\"\r\n";

// The same service's older layout.
constexpr std::string_view kOldWebContacts =
    "Name,Given Name,Family Name,Given Name Yomi,Family Name Yomi,Phone 1 - Type,"
    "Phone 1 - Value,Organization 1 - Name,Organization 1 - Department\r\n"
    "伊藤 四郎,四郎,伊藤,しろう,いとう,Home,011-000-0000,伊藤工業,製造\r\n";

// What a spreadsheet saves as CSV on Windows: Shift-JIS, the reading in half-width kana.
std::string ExcelShiftJis()
{
    return Sjis(
        "姓,名,フリガナ,郵便番号,都道府県,市区町村,番地,建物名,電話番号,携帯電話,会社名,部署,"
        "備考\r\n"
        "佐藤,一郎,ｻﾄｳ ｲﾁﾛｳ,530-0001,大阪府,大阪市北区,梅田1-1,梅田ビル,06-1111-2222,"
        "090-3333-4444,ABC商事,経理,\r\n"
        ",,,,,,,,,,,,\r\n"
        "\r\n"
        "鈴木,,,,,,,,,090-5555-6666,,,\r\n");
}

TEST(CsvRead, ReadsTheShapesOtherProgramsWrite)
{
    const std::vector<ReadCase> cases{
        {"web contacts",
         std::string(kWebContacts),
         {{"山田　太郎", "", "やまだ　たろう", "", "東京都千代田区丸の内1-1", "ビル5F", "100-0005",
           "090-1111-2222", "山田商事", "総務部",
           "メモ, その1 / Labels: * myContacts / E-mail 1 (* Home): taro@example.jp / Phone 2 "
           "(Home): 03-3333-4444"}}},
        {"older web contacts",
         std::string(kOldWebContacts),
         {{"伊藤 四郎", "", "いとう　しろう", "", "", "", "", "011-000-0000", "伊藤工業", "製造",
           ""}}},
        {"Excel Shift-JIS",
         ExcelShiftJis(),
         {{"佐藤　一郎", "", "サトウ イチロウ", "", "大阪府大阪市北区梅田1-1", "梅田ビル",
           "530-0001", "06-1111-2222", "ABC商事", "経理", "携帯電話: 090-3333-4444"},
          {"鈴木", "", "", "", "", "", "", "090-5555-6666", "", "", ""}}},
        {"UTF-16 tab-separated",
         Utf16LittleEndian(
             "氏名\tふりがな\t郵便番号\t住所\t国\tメモ\r\n"
             "高橋 三郎\tたかはし　さぶろう\t060-0001\t北海道札幌市\t\t\"tab\there\"\r\n"),
         {{"高橋 三郎", "", "たかはし　さぶろう", "", "北海道札幌市", "", "060-0001", "", "", "",
           "tab\there"}}},
        {"this program's own columns with quoted commas, quotes and line breaks",
         "\xEF\xBB\xBF名前１,名前２,読み,印,〒,住所１,住所２,電話,会社,所属,メモ\r\n"
         "\"山田, 太郎\",\"He said \"\"hi\"\"\",ﾔﾏﾀﾞ,◎,,\"1行目\r\n2行目\",,,,,\r\n",
         {{"山田, 太郎", "He said \"hi\"", "ﾔﾏﾀﾞ", "◎", "1行目 2行目", "", "", "", "", "", ""}}},
        {"a second column of a field, a country, rows ended by CR alone",
         "名前,電話,電話,Address 1 - Country,Address 1 - Street\r"
         "A,1,2,USA,1 Main St\r",
         {{"A", "", "", "", "1 Main St", "USA", "", "1", "", "", "電話: 2"}}},
        {"a header after blank lines, a value beyond the header, a quote left open",
         "\r\n,,\r\n名前,メモ\r\nA,,extra\r\nB,\"open\r\nto the end",
         {{"A", "", "", "", "", "", "", "", "", "", "extra"},
          {"B", "", "", "", "", "", "", "", "", "", "open to the end"}}},
    };
    ExpectCardsRead(cases, &ParseCsv);
}

TEST(CsvRead, RefusesFilesWithoutKnownColumnsOrWithTooManyRows)
{
    const std::vector<RefusedCase> cases{
        {"empty", "", ImportRefusal::NoKnownColumn},
        {"unknown headers", "a,b,c\r\n1,2,3\r\n", ImportRefusal::NoKnownColumn},
        {"1000 rows", "Name\r\n" + Repeated("x\r\n", 1000), ImportRefusal::TooManyCards},
    };
    ExpectRefused(cases, &ParseCsv);
    const std::string full = "Name\r\n" + Repeated("x\r\n", 999);
    EXPECT_EQ(Imported(ParseCsv(full), full).cards.size(), 999u);
}

TEST(CsvRead, CountsCharactersThatBecameQuestionMarks)
{
    const std::string file = "名前,メモ\n😀,Ω\n🍣🍺,x\n";
    const ImportedCards imported = Imported(ParseCsv(file), file);
    ASSERT_EQ(imported.cards.size(), 2u);
    EXPECT_PRED_FORMAT2(SameBytes, imported.cards[1].Name1.view(), "??");
    EXPECT_EQ(imported.report.cardsWithReplacements, 2u);
    EXPECT_EQ(imported.report.replacedCharacters, 3u);
    EXPECT_EQ(imported.report.cardsNotFitting, 0u);
}

} // namespace
} // namespace velm::test
