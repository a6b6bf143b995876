#include "postcard/PostcardSummary.h"

#include "postcard/PostcardTexts.h"

#include <QStringList>
#include <algorithm>
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
    QString list = shown.join(PostcardTexts::kNumberSeparator);
    if (numbers.size() > count)
        list += PostcardTexts::kMoreNumbers.arg(numbers.size() - count);
    return list;
}

} // namespace

QString PostcardSummary(const PostcardRun& run)
{
    QStringList lines{PostcardTexts::kPagesMade.arg(run.pages.size())};
    const std::pair<const QString&, const std::vector<int>&> kinds[] = {
        {PostcardTexts::kSkippedWithoutName, run.skippedWithoutName},
        {PostcardTexts::kPostalCodeNotSevenDigits, run.postalCodeNotSevenDigits},
        {PostcardTexts::kTextCut, run.textCut},
    };
    for (const auto& [text, numbers] : kinds) {
        if (!numbers.empty())
            lines.append(text.arg(NumberList(numbers)));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace velm
