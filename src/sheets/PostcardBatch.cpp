#include "sheets/PostcardBatch.h"

#include "text/RightTrim.h"

namespace velm
{

namespace
{

bool IsChosen(const CardRecord& card, int number, const PostcardSelection& selection)
{
    switch (selection.choice) {
    case PostcardChoice::All:
        return true;
    case PostcardChoice::Marked:
        return !card.Mark.empty();
    case PostcardChoice::MarkEquals:
        return card.Mark.view() == RightTrim(selection.mark);
    case PostcardChoice::Current:
        return number == selection.currentCard;
    }
    return false;
}

} // namespace

std::vector<int> ChoosePostcards(std::span<const CardRecord> cards,
                                 const PostcardSelection& selection)
{
    std::vector<int> numbers;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (IsChosen(cards[i], number, selection))
            numbers.push_back(number);
    }
    return numbers;
}

PostcardRun LayOutPostcards(std::span<const CardRecord> cards, std::span<const int> numbers,
                            const PostcardOptions& options)
{
    PostcardRun run;
    run.pages.reserve(numbers.size());
    for (const int number : numbers) {
        std::optional<AddressSide> side =
            LayOutAddressSide(cards[static_cast<std::size_t>(number) - 1], options);
        if (!side) {
            run.skippedWithoutName.push_back(number);
            continue;
        }
        if (side->postalCode == PostalCodePlace::AddressHead)
            run.postalCodeNotSevenDigits.push_back(number);
        if (side->postalCode == PostalCodePlace::None)
            run.withoutPostalCode.push_back(number);
        if (side->textCut)
            run.textCut.push_back(number);
        run.pages.push_back({number, std::move(*side)});
    }
    return run;
}

PostcardRun MakePostcards(std::span<const CardRecord> cards, const PostcardRequest& request)
{
    PostcardOptions options = request.options;
    if (request.senderCard >= 1 && static_cast<std::size_t>(request.senderCard) <= cards.size())
        options.sender = cards[static_cast<std::size_t>(request.senderCard) - 1];
    return LayOutPostcards(cards, ChoosePostcards(cards, request.selection), options);
}

} // namespace velm
