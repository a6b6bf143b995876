#include "interchange/Conversion.h"

#include "store/AddressBookFile.h"

#include <string_view>

namespace velm
{

namespace
{

// The count line, then a line for each kind of change that happened.
std::string Describe(const ConversionReport& report, std::string_view done)
{
    std::string text = std::to_string(report.cards);
    text += done;
    if (report.replacedCharacters != 0) {
        text += '\n';
        text += std::to_string(report.cardsWithReplacements);
        text += kReplacedCardsAfterCount;
        text += std::to_string(report.replacedCharacters);
        text += kReplacedCharactersAfterCount;
    }
    if (report.cardsNotFitting != 0) {
        text += '\n';
        text += std::to_string(report.cardsNotFitting);
        text += kNotFittingCardsAfterCount;
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
    return Describe(report, kCardsImportedAfterCount);
}

std::string DescribeExport(const ConversionReport& report)
{
    return Describe(report, kCardsExportedAfterCount);
}

std::string DescribeRefusal(ImportRefusal refusal)
{
    switch (refusal) {
    case ImportRefusal::NoCards:
        return std::string(kNoVCardsMessage);
    case ImportRefusal::NoKnownColumn:
        return std::string(kNoKnownColumnMessage);
    case ImportRefusal::TooManyCards:
        return std::string(kTooManyCardsMessage);
    case ImportRefusal::TooManyTogether:
        break;
    }
    return std::string(kTooManyTogetherMessage);
}

} // namespace velm
