#include "ForeignReads.h"
#include "interchange/VCard.h"
#include "support/Bytes.h"
#include "support/SameBytes.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace velm::test
{
namespace
{

// Quoted-printable as feature phones write it: control bytes, bytes above 0x7F and "=" as
// =XX.
std::string QuotedPrintable(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x80 && c != '=') {
            encoded += c;
            continue;
        }
        encoded += '=';
        encoded += kDigits[byte >> 4];
        encoded += kDigits[byte & 0x0F];
    }
    return encoded;
}

// A feature phone's vCard 2.1 in Shift-JIS: no FN, the reading in half-width kana in
// SOUND;X-IRMC-N, bare type parameters, a quoted-printable address with a soft line break,
// a second telephone, an e-mail address and a photo.
std::string FeaturePhoneCard()
{
    return "BEGIN:VCARD\r\nVERSION:2.1\r\n"
           "N;CHARSET=SHIFT_JIS:" +
           Sjis("山田;太郎;;;") +
           "\r\n"
           "SOUND;X-IRMC-N;CHARSET=SHIFT_JIS:" +
           Sjis("ﾔﾏﾀﾞ;ﾀﾛｳ;;;") +
           "\r\n"
           "TEL;CELL:090-1234-5678\r\n"
           "TEL;HOME;VOICE:03-1111-2222\r\n"
           "EMAIL;INTERNET:taro@example.jp\r\n"
           "ADR;HOME;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:;;" +
           QuotedPrintable(Sjis("東京都千代田")) + "=\r\n" + QuotedPrintable(Sjis("区丸の内1-1")) +
           ";;;100-0005;\r\n"
           "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=SHIFT_JIS:" +
           QuotedPrintable(Sjis("同窓会\r\n幹事")) +
           "\r\n"
           "PHOTO;ENCODING=BASE64;TYPE=JPEG:\r\n"
           " /9j/4AAQSkZJRgABAQ\r\n"
           " AAAQABAAD\r\n"
           "\r\n"
           "END:VCARD\r\n";
}

// A phone's vCard 3.0 in UTF-8: readings in X-PHONETIC-*, grouped properties, the home
// telephone after the mobile one, a folded note.
constexpr std::string_view kPhoneCard = "BEGIN:VCARD\r\n"
                                        "VERSION:3.0\r\n"
                                        "PRODID:-//Apple Inc.//iPhone OS 17.0//EN\r\n"
                                        "N:鈴木;花子;;;\r\n"
                                        "FN:鈴木 花子\r\n"
                                        "X-PHONETIC-FIRST-NAME:はなこ\r\n"
                                        "X-PHONETIC-LAST-NAME:すずき\r\n"
                                        "ORG:株式会社サンプル;営業部;\r\n"
                                        "TEL;type=CELL;type=VOICE;type=pref:090-0000-1111\r\n"
                                        "TEL;type=HOME;type=VOICE:06-1234-5678\r\n"
                                        "item1.ADR;type=HOME;type=pref:;;梅田1-2-3;大阪市北"
                                        "区;大阪府;530-0001;日本\r\n"
                                        "item1.X-ABADR:jp\r\n"
                                        "item2.URL;type=pref:https://example.jp\r\n"
                                        "item2.X-ABLabel:_$!<HomePage>!$_\r\n"
                                        "BDAY;value=date:1990-04-01\r\n"
                                        "NOTE:一行目\\n二\r\n"
                                        " 行目\r\n"
                                        "UID:8E4F0A12-0000\r\n"
                                        "END:VCARD\r\n";

// A vCard 4.0 with the reading whole in SORT-AS, a foreign work address before the home
// one, a telephone as a URI and categories.
constexpr std::string_view kVersion4Card =
    "BEGIN:VCARD\r\n"
    "VERSION:4.0\r\n"
    "KIND:individual\r\n"
    "FN:John Smith\r\n"
    "N;SORT-AS=\"スミス ジョン\":Smith;John;;;\r\n"
    "ADR;TYPE=work:;Suite 5;1 Main St;Springfield;IL;62701;USA\r\n"
    "ADR;TYPE=home:;;本町1-1;横浜市中区;神奈川県;231-0005;JP\r\n"
    "TEL;VALUE=uri;TYPE=\"voice,home\":tel:+81-45-000-0000\r\n"
    "EMAIL;TYPE=work:john@example.com\r\n"
    "CATEGORIES:友人,仕事\r\n"
    "END:VCARD\r\n";

TEST(VCardRead, ReadsTheShapesOtherProgramsWrite)
{
    const std::vector<ReadCase> cases{
        {"feature phone 2.1",
         FeaturePhoneCard(),
         {{"山田　太郎", "", "ヤマダ　タロウ", "", "東京都千代田区丸の内1-1", "", "100-0005",
           "03-1111-2222", "", "", "同窓会 幹事 / 電話: 090-1234-5678 / メール: taro@example.jp"}}},
        {"phone 3.0",
         std::string(kPhoneCard),
         {{"鈴木 花子", "", "すずき　はなこ", "", "大阪府大阪市北区梅田1-2-3", "", "530-0001",
           "06-1234-5678", "株式会社サンプル", "営業部",
           "一行目 二行目 / 電話: 090-0000-1111 / URL: https://example.jp / 誕生日: 1990-04-01"}}},
        {"4.0 with SORT-AS",
         std::string(kVersion4Card),
         {{"John Smith", "", "スミス ジョン", "友人,仕事", "神奈川県横浜市中区本町1-1", "",
           "231-0005", "+81-45-000-0000", "", "",
           "住所: 62701 IL Springfield 1 Main St Suite 5 USA / メール: john@example.com"}}},
        {"3.0 escapes",
         "BEGIN:VCARD\nVERSION:3.0\nFN:Doe\\, John\\; Jr. \\\\ x\nORG:A\\;B;C\n"
         "NOTE:a\\,b\\Nc\\qd\nEND:VCARD\n",
         {{"Doe, John; Jr. \\ x", "", "", "", "", "", "", "", "A;B", "C", "a,b c\\qd"}}},
        {"2.1 Shift-JIS whose second bytes look like backslashes",
         "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=SHIFT_JIS:" + Sjis("表;ソ;;;") +
             "\r\nORG:" + Sjis("能\\;力") + "\r\nEND:VCARD\r\n",
         {{"表　ソ", "", "", "", "", "", "", "", "能;力", "", ""}}},
        {"several cards, names from N without stray spaces, a UTF-8 mark",
         "\xEF\xBB\xBF"
         "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;太郎;;;\r\nEND:VCARD\r\n"
         "BEGIN:VCARD\r\nVERSION:3.0\r\nN:佐藤;;;;\r\nFN:\r\nEND:VCARD\r\n"
         "begin:vcard\r\nversion:3.0\r\nfn:小林\r\nend:vcard\r\n",
         {{"太郎", "", "", "", "", "", "", "", "", "", ""},
          {"佐藤", "", "", "", "", "", "", "", "", "", ""},
          {"小林", "", "", "", "", "", "", "", "", "", ""}}},
        {"half-width readings made full-width",
         "BEGIN:VCARD\nVERSION:3.0\nFN:x\nX-PHONETIC-LAST-NAME:ﾊﾟｰﾄﾞｳﾞｨﾝ\n"
         "X-PHONETIC-FIRST-NAME:ﾜﾞｶﾞ\nEND:VCARD\n",
         {{"x", "", "パードヴィン　ワ゛ガ", "", "", "", "", "", "", "", ""}}},
        {"an agent's card inside a card is no card of its own",
         "BEGIN:VCARD\nVERSION:2.1\nFN:A\nAGENT:\nBEGIN:VCARD\nFN:B\nTEL:1\nEND:VCARD\n"
         "TEL:2\nEND:VCARD\n",
         {{"A", "", "", "", "", "", "", "2", "", "", ""}}},
        {"a card without its END ends where the next card begins",
         "BEGIN:VCARD\nVERSION:3.0\nFN:A\nTEL:1\nBEGIN:VCARD\nVERSION:3.0\nFN:B\nEND:VCARD\n"
         "BEGIN:VCARD\nVERSION:3.0\nFN:C\nEND:VCARD\n",
         {{"A", "", "", "", "", "", "", "1", "", "", ""},
          {"B", "", "", "", "", "", "", "", "", "", ""},
          {"C", "", "", "", "", "", "", "", "", "", ""}}},
        {"a card the file leaves open",
         "BEGIN:VCARD\nVERSION:3.0\nFN:Open",
         {{"Open", "", "", "", "", "", "", "", "", "", ""}}},
    };
    ExpectCardsRead(cases, &ParseVCard);
}

TEST(VCardRead, RefusesFilesWithoutCardsOrWithTooMany)
{
    const std::string card = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nEND:VCARD\r\n";
    const std::vector<RefusedCase> cases{
        {"empty", "", ImportRefusal::NoCards},
        {"no card", "FN:A\r\nEND:VCARD\r\n", ImportRefusal::NoCards},
        {"1000 cards", Repeated(card, 1000), ImportRefusal::TooManyCards},
    };
    ExpectRefused(cases, &ParseVCard);
    EXPECT_EQ(Imported(ParseVCard(Repeated(card, 999)), card).cards.size(), 999u);
}

TEST(VCardRead, CountsWhatDidNotFitOrBecameQuestionMarks)
{
    const std::string longNote(250, 'n');
    const std::string file = "BEGIN:VCARD\nFN:😀 and 😀\nEND:VCARD\n"
                             "BEGIN:VCARD\nFN:" +
                             std::string(300, 'x') +
                             "\nEND:VCARD\n"
                             "BEGIN:VCARD\nFN:fits\nNOTE:" +
                             longNote +
                             "\nEMAIL:a@example.jp\nEND:VCARD\n"
                             "BEGIN:VCARD\nFN:" +
                             Repeated("漢", 200) + "\nEND:VCARD\n";
    const ImportedCards imported = Imported(ParseVCard(file), file);
    ASSERT_EQ(imported.cards.size(), 4u);
    EXPECT_PRED_FORMAT2(SameBytes, imported.cards[0].Name1.view(), "? and ?");
    EXPECT_EQ(imported.cards[1].Name1.size(), 255u);
    EXPECT_PRED_FORMAT2(SameBytes, imported.cards[2].biko3.view(), longNote);
    // Cut at a character boundary: 127 kanji, not 127 and a half.
    EXPECT_PRED_FORMAT2(SameBytes, imported.cards[3].Name1.view(), Repeated(Sjis("漢"), 127));
    EXPECT_EQ(imported.report.cards, 4u);
    EXPECT_EQ(imported.report.cardsWithReplacements, 1u);
    EXPECT_EQ(imported.report.replacedCharacters, 2u);
    EXPECT_EQ(imported.report.cardsNotFitting, 3u);
}

TEST(VCardRead, LooksLikeVCard)
{
    EXPECT_TRUE(LooksLikeVCard("\r\n  BEGIN:VCARD\r\n"));
    EXPECT_TRUE(LooksLikeVCard("\xEF\xBB\xBF"
                               "begin:vcard\n"));
    EXPECT_TRUE(LooksLikeVCard(std::string("\xFF\xFE"
                                           "B\0E\0G\0I\0N\0:\0V\0C\0A\0R\0D\0",
                                           24)));
    EXPECT_FALSE(LooksLikeVCard("Name,Given Name\r\nBEGIN:VCARD\r\n"));
    EXPECT_FALSE(LooksLikeVCard(""));
}

} // namespace
} // namespace velm::test
