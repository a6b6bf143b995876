#include "interchange/OtherFormats.h"

#include "ForeignReads.h"
#include "store/CardStore.h"
#include "store/FileSafeValue.h"
#include "support/Bytes.h"
#include "support/Cards.h"
#include "support/SameBytes.h"
#include "text/ShiftJisCodec.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{
namespace
{

using test::FullStoreCards;
using test::Imported;
using test::MakeCard;
using test::Repeated;
using test::SameBytes;
using test::Sjis;
using test::SjisCard;
using test::StoreHolding;

const CardRecord kSample =
    SjisCard({"山田 太郎", "花子", "やまだ　たろう", "◎", "東京都千代田区丸の内1-1", "丸の内ビル5F",
              "100-0005", "03-1111-2222", "山田商事", "総務部", "a,b;c\\d"});

std::string Exported(const std::vector<CardRecord>& cards, OtherFormat format)
{
    return FormatOtherFormat(*StoreHolding(cards), format).bytes;
}

TEST(OtherFormatsWrite, WritesEachFormatAsOtherProgramsReadIt)
{
    const struct {
        OtherFormat format;
        std::string bytes;
    } cases[] = {
        {OtherFormat::VCard30, "BEGIN:VCARD\r\n"
                               "VERSION:3.0\r\n"
                               "PRODID:-//VELM//VELM v0.29//JA\r\n"
                               "FN:山田 太郎\r\n"
                               "N:山田;太郎;;;\r\n"
                               "SORT-STRING:やまだ　たろう\r\n"
                               "X-PHONETIC-LAST-NAME:やまだ\r\n"
                               "X-PHONETIC-FIRST-NAME:たろう\r\n"
                               "X-VELM-NAME2:花子\r\n"
                               "ADR;TYPE=HOME:;丸の内ビル5F;東京都千代田区丸の内1-1;;;100-00\r\n"
                               " 05;\r\n"
                               "TEL;TYPE=HOME:03-1111-2222\r\n"
                               "ORG:山田商事;総務部\r\n"
                               "NOTE:a\\,b\\;c\\\\d\r\n"
                               "CATEGORIES:◎\r\n"
                               "END:VCARD\r\n"},
        {OtherFormat::CsvShiftJis,
         Sjis("名前１,名前２,読み,印,〒,住所１,住所２,電話,会社,所属,メモ\r\n"
              "山田 太郎,花子,やまだ　たろう,◎,100-0005,東京都千代田区丸の内1-1,丸の内ビル5F,"
              "03-1111-2222,山田商事,総務部,\"a,b;c\\d\"\r\n")},
        {OtherFormat::CsvUtf8,
         "\xEF\xBB\xBF名前１,名前２,読み,印,〒,住所１,住所２,電話,会社,所属,メモ\r\n"
         "山田 太郎,花子,やまだ　たろう,◎,100-0005,東京都千代田区丸の内1-1,丸の内ビル5F,"
         "03-1111-2222,山田商事,総務部,\"a,b;c\\d\"\r\n"},
        {OtherFormat::CsvContacts,
         "\xEF\xBB\xBF"
         "First Name,Middle Name,Last Name,Phonetic First Name,Phonetic Last Name,"
         "Phone 1 - Label,Phone 1 - Value,Address 1 - Street,Address 1 - City,"
         "Address 1 - Region,Address 1 - Postal Code,Address 1 - Country,"
         "Address 1 - Extended Address,Organization Name,Organization Department,Notes\r\n"
         "太郎,,山田,たろう,やまだ,Home,03-1111-2222,東京都千代田区丸の内1-1,,,100-0005,,"
         "丸の内ビル5F,山田商事,総務部,\"a,b;c\\d / 名前２: 花子 / 印: ◎\"\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.format));
        EXPECT_PRED_FORMAT2(SameBytes, Exported({kSample}, c.format), c.bytes);
    }
}

TEST(OtherFormatsWrite, Version4GivesTheReadingInSortAs)
{
    CardRecord card = kSample;
    card.Yomi.assign(Sjis("\"やまだ\"^"));
    const std::string file = Exported({card}, OtherFormat::VCard40);
    EXPECT_NE(file.find("\r\nVERSION:4.0\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nN;SORT-AS=\"^'やまだ^'^^\":山田;太郎;;;\r\n"), std::string::npos);
    EXPECT_EQ(file.find("SORT-STRING"), std::string::npos);
}

TEST(OtherFormatsWrite, FoldsLongLinesBetweenCharacters)
{
    CardRecord card;
    card.Name1.assign("a" + Repeated(Sjis("漢"), 100));
    const std::string file = Exported({card}, OtherFormat::VCard30);
    const std::size_t fn = file.find("FN:");
    const std::string expected = "FN:a" + Repeated("漢", 23) + "\r\n " + Repeated("漢", 24) +
                                 "\r\n " + Repeated("漢", 24) + "\r\n " + Repeated("漢", 24) +
                                 "\r\n " + Repeated("漢", 5) + "\r\n";
    EXPECT_PRED_FORMAT2(SameBytes, file.substr(fn, expected.size()), expected);
}

TEST(OtherFormatsWrite, CountsBytesThatFormNoCharacter)
{
    const std::vector<CardRecord> cards{MakeCard({.Name1 = "ab\x82"}),
                                        MakeCard({.Name1 = "\x82\x41x", .Name2 = "\xFD"}),
                                        MakeCard({.Name1 = "ok"})};
    const struct {
        OtherFormat format;
        std::size_t cards;
        std::size_t characters;
    } cases[] = {
        {OtherFormat::VCard30, 2, 2},
        {OtherFormat::CsvUtf8, 2, 2},
        {OtherFormat::CsvShiftJis, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.format));
        const ExportedFile file = FormatOtherFormat(*StoreHolding(cards), c.format);
        EXPECT_EQ(file.report.cards, 3u);
        EXPECT_EQ(file.report.cardsWithReplacements, c.cards);
        EXPECT_EQ(file.report.replacedCharacters, c.characters);
        std::string shiftJis;
        EXPECT_TRUE(AppendShiftJisFromUtf8(shiftJis, file.bytes).wellFormed ||
                    c.format == OtherFormat::CsvShiftJis);
    }
}

// Cards whose values hold what each format must escape or quote, and the largest store.
std::vector<CardRecord> AwkwardCards()
{
    return {
        SjisCard({"a,b", "c;d", "e\\f", "\"", "g\"h", " lead", "ソ表\\", "ﾔﾏﾀﾞ ﾀﾛｳ", "x:y", "=1+2",
                  "\t"}),
        SjisCard({.biko3 = "memo only"}),
        SjisCard({.Name1 = "山田　太郎", .Yomi = "やまだ たろう"}),
        SjisCard({.Name1 = "BEGIN:VCARD", .Name2 = "END:VCARD"}),
        MakeCard({.Name1 = "\x82\x81z\x81\x7a"}), // ａz】, made safe on import as on entry
    };
}

TEST(OtherFormatsRoundTrip, OwnExportsReadBackAsTheSameCards)
{
    const OtherFormat formats[] = {OtherFormat::VCard30, OtherFormat::VCard40,
                                   OtherFormat::CsvShiftJis, OtherFormat::CsvUtf8};
    for (const std::vector<CardRecord>& cards : {AwkwardCards(), FullStoreCards()}) {
        std::vector<CardRecord> expected;
        for (const CardRecord& card : cards) {
            // The values as the store keeps them when they are typed in.
            CardRecord stored;
            const auto fields = stored.fields();
            const auto from = card.fields();
            for (std::size_t i = 0; i < fields.size(); ++i)
                AssignFileSafe(*fields[i], from[i]->view());
            expected.push_back(stored);
        }
        for (const OtherFormat format : formats) {
            SCOPED_TRACE(static_cast<int>(format));
            const std::string file = Exported(expected, format);
            const std::string name = "cards" + std::string(ExtensionOf(format));
            const ImportedCards imported = Imported(ParseOtherFormat(file, name), file);
            EXPECT_EQ(imported.cards, expected);
            EXPECT_EQ(imported.report.cardsNotFitting, 0u);
            EXPECT_EQ(imported.report.replacedCharacters, 0u);
        }
    }
}

TEST(OtherFormats, TheExtensionDecidesTheKindOfFileAndTheChoiceTheRest)
{
    const struct {
        OtherFormat chosen;
        std::string_view name;
        OtherFormat format;
    } cases[] = {
        {OtherFormat::VCard40, "a.vcf", OtherFormat::VCard40},
        {OtherFormat::CsvUtf8, "a.VCF", OtherFormat::VCard30},
        {OtherFormat::VCard40, "a.csv", OtherFormat::CsvShiftJis},
        {OtherFormat::VCard30, "a.txt", OtherFormat::CsvShiftJis},
        {OtherFormat::CsvContacts, "a.csv", OtherFormat::CsvContacts},
        {OtherFormat::CsvContacts, "a", OtherFormat::CsvContacts},
        {OtherFormat::VCard30, "dir.csv/a", OtherFormat::VCard30},
        {OtherFormat::CsvUtf8, "a.orb", OtherFormat::CsvUtf8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatForFile(c.chosen, c.name), c.format) << c.name;
}

} // namespace
} // namespace velm
