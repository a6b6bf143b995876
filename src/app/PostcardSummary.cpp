#include "app/PostcardSummary.h"

#include "app/Texts.h"

#include <QStringList>
#include <algorithm>
#include <string_view>
#include <vector>

namespace velm
{

namespace
{

// A list names this many cards and counts the rest.
constexpr std::size_t kNumbersShown = 20;

QString NumberList(const std::vector<int>& numbers)
{
    QStringList shown;
    const std::size_t count = std::min(numbers.size(), kNumbersShown);
    for (std::size_t i = 0; i < count; ++i)
        shown.append(QString::number(numbers[i]));
    QString list = shown.join(QString::fromUtf8(texts::kCardNumberSeparator));
    if (numbers.size() > count)
        list += QString::fromUtf8(texts::kMoreCardsBeforeCount) +
                QString::number(numbers.size() - count) +
                QString::fromUtf8(texts::kMoreCardsAfterCount);
    return list;
}

} // namespace

QString PostcardSummary(const PostcardRun& run)
{
    QStringList lines{QString::number(run.pages.size()) +
                      QString::fromUtf8(texts::kPostcardsMadeAfterCount)};
    const std::pair<std::string_view, const std::vector<int>&> kinds[] = {
        {texts::kPostcardsSkippedBeforeCards, run.skippedWithoutName},
        {texts::kPostcardsPostalCodeBeforeCards, run.postalCodeNotSevenDigits},
        {texts::kPostcardsNoPostalCodeBeforeCards, run.withoutPostalCode},
        {texts::kPostcardsTextCutBeforeCards, run.textCut},
    };
    for (const auto& [text, numbers] : kinds) {
        if (!numbers.empty())
            lines.append(QString::fromUtf8(text) + NumberList(numbers));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace velm
