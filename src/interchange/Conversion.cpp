#include "interchange/Conversion.h"

#include <string_view>

namespace velm
{

namespace
{

constexpr std::string_view kImported = "件のカードを読み込みました";
constexpr std::string_view kExported = "件のカードを書き出しました";
constexpr std::string_view kReplacedCards = "件のカードで";
constexpr std::string_view kReplacedCharacters = "文字を「?」にしました";
constexpr std::string_view kNotFitting = "件のカードで255バイトに入りきらない内容を省きました";
constexpr std::string_view kNoCards = "vCardのカードがありません";
constexpr std::string_view kNoKnownColumn = "見出しに読み込める列がありません";
constexpr std::string_view kTooManyCards = "カードが999件を超えているため読み込めません";
constexpr std::string_view kTooManyTogether = "合わせると999件を超えるため追加できません";

// The count line, then a line for each kind of change that happened.
std::string Describe(const ConversionReport& report, std::string_view done)
{
    std::string text = std::to_string(report.cards);
    text += done;
    if (report.replacedCharacters != 0) {
        text += '\n';
        text += std::to_string(report.cardsWithReplacements);
        text += kReplacedCards;
        text += std::to_string(report.replacedCharacters);
        text += kReplacedCharacters;
    }
    if (report.cardsNotFitting != 0) {
        text += '\n';
        text += std::to_string(report.cardsNotFitting);
        text += kNotFitting;
    }
    return text;
}

} // namespace

void ConversionReport::countCard(std::size_t replaced, bool notFitting)
{
    ++cards;
    if (replaced != 0)
        ++cardsWithReplacements;
    replacedCharacters += replaced;
    if (notFitting)
        ++cardsNotFitting;
}

std::string DescribeImport(const ConversionReport& report)
{
    return Describe(report, kImported);
}

std::string DescribeExport(const ConversionReport& report)
{
    return Describe(report, kExported);
}

std::string DescribeRefusal(ImportRefusal refusal)
{
    switch (refusal) {
    case ImportRefusal::NoCards:
        return std::string(kNoCards);
    case ImportRefusal::NoKnownColumn:
        return std::string(kNoKnownColumn);
    case ImportRefusal::TooManyCards:
        return std::string(kTooManyCards);
    case ImportRefusal::TooManyTogether:
        break;
    }
    return std::string(kTooManyTogether);
}

} // namespace velm
