#include "store/CardFinder.h"

#include "store/CardStore.h"
#include "support/Bytes.h"
#include "support/Cards.h"
#include "text/ShiftJisCodec.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace velm
{
namespace
{

using test::HexBytes;
using test::MakeCard;
using test::StoreHolding;
using test::StoreWith;

std::string Sjis(std::u32string_view text)
{
    return EncodeShiftJis(text);
}

// A card with Name1, Name2, Yomi, Jusyo1, PostNo, Tel and biko1.
CardRecord Card(std::u32string_view name1, std::u32string_view name2, std::u32string_view yomi,
                std::u32string_view jusyo1, std::u32string_view postNo, std::u32string_view tel,
                std::u32string_view biko1)
{
    return MakeCard({.Name1 = Sjis(name1),
                     .Name2 = Sjis(name2),
                     .Yomi = Sjis(yomi),
                     .Jusyo1 = Sjis(jusyo1),
                     .PostNo = Sjis(postNo),
                     .Tel = Sjis(tel),
                     .biko1 = Sjis(biko1)});
}

std::unique_ptr<CardStore> SampleStore()
{
    auto store = StoreHolding({
        Card(U"山田 太郎", U"", U"ﾔﾏﾀﾞ ﾀﾛｳ", U"東京都新宿区西新宿２－８－１", U"163-8001",
             U"03-5321-1111", U"ＡＢＣ商事"),
        Card(U"ハナ", U"", U"はな", U"", U"", U"０３（１２３４）５６７８", U""),
        Card(U"バナナ", U"スーパー", U"ばなな", U"", U"", U"031234", U""),
        Card(U"パン", U"", U"ﾊﾟﾝ", U"", U"", U"03ー1234", U""),
    });
    // A card beyond the count is never found.
    store->card(5) = Card(U"山田", U"", U"", U"", U"", U"", U"");
    return store;
}

TEST(CardFinder, FindsTheCardsThatHoldEveryWord)
{
    struct Case {
        std::u32string_view query;
        std::vector<int> found;
    };
    const Case cases[] = {
        {U"", {1, 2, 3, 4}},
        {U" 　 ", {1, 2, 3, 4}},
        {U"やまだ", {1}},
        {U"ヤマダ", {1}},
        {U"ﾔﾏﾀﾞ", {1}},
        {U"やまた", {}},
        {U"たろう　やまだ", {1}},
        {U"山田 東京", {1}},
        {U"山田 花子", {}},
        {U"abc", {1}},
        {U"ＡＢＣ商事", {1}},
        {U"Abc", {1}},
        {U"03-5321", {1}},
        {U"０３５３２１", {1}},
        {U"1638001", {1}},
        {U"281", {1}},
        {U"03-1234", {3}},
        {U"1234", {2, 3, 4}},
        {U"ハ", {2}},
        {U"ﾊ", {2}},
        {U"バ", {3}},
        {U"ﾊﾞ", {3}},
        {U"パ", {3, 4}},
        {U"ﾊﾟ", {3, 4}},
        {U"すーぱ", {3}},
        {U"す-ぱ", {}},
        {U"スパ", {}},
        {U"ぱん 03", {4}},
    };
    const auto store = SampleStore();
    const CardFinder finder(*store);
    for (const Case& c : cases) {
        const std::string query = Sjis(c.query);
        EXPECT_EQ(finder.find(query), c.found) << HexBytes(query);
    }
}

TEST(CardFinder, FindsNoWordAcrossTwoFields)
{
    const auto store = StoreWith({{.Name1 = "ab", .Name2 = "cd", .biko3 = "ef"}});
    const CardFinder finder(*store);
    EXPECT_EQ(finder.find("bc"), std::vector<int>{});
    EXPECT_EQ(finder.find("ef ab"), std::vector<int>{1});
}

} // namespace
} // namespace velm
