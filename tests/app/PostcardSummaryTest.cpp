#include "app/PostcardSummary.h"

#include <QString>
#include <gtest/gtest.h>
#include <numeric>

namespace velm
{
namespace
{

std::vector<int> Numbers(int from, int count)
{
    std::vector<int> numbers(static_cast<std::size_t>(count));
    std::iota(numbers.begin(), numbers.end(), from);
    return numbers;
}

TEST(PostcardSummary, CountsThePagesAndNamesTheCardsThatNeedALook)
{
    const struct {
        std::size_t pages;
        std::vector<int> skipped, postalCode, noPostalCode, cut;
        const char* expected;
    } kCases[] = {
        {3, {}, {}, {}, {}, "3枚の宛名面を作成しました。"},
        {4,
         {2},
         {3, 5},
         {6},
         {7},
         "4枚の宛名面を作成しました。\n"
         "名前１が空欄のため印刷しなかったカード：2\n"
         "郵便番号が7桁でないため住所の先頭に印刷したカード：3、5\n"
         "郵便番号が空欄のカード：6\n"
         "入りきらない文字を「…」で省略したカード：7"},
        {0,
         Numbers(1, 23),
         {},
         {},
         {},
         "0枚の宛名面を作成しました。\n"
         "名前１が空欄のため印刷しなかったカード："
         "1、2、3、4、5、6、7、8、9、10、11、12、13、14、15、16、17、18、19、20 ほか3枚"},
    };
    for (const auto& c : kCases) {
        PostcardRun run;
        run.pages.resize(c.pages);
        run.skippedWithoutName = c.skipped;
        run.postalCodeNotSevenDigits = c.postalCode;
        run.withoutPostalCode = c.noPostalCode;
        run.textCut = c.cut;
        EXPECT_EQ(PostcardSummary(run).toStdString(), c.expected);
    }
}

} // namespace
} // namespace velm
