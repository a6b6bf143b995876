#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{

class CardStore;

// Finds cards by what a user types. The query is split into words at ASCII and full-width
// spaces; a card is found when each word is found in at least one of its eleven fields,
// different words in different fields as may be. Words and fields are compared folded
// (FoldForSearch), so width, case and the kind of kana do not count while voicing does. A
// word of digits and hyphen-like marks also ignores those marks on both sides, so that
// 03-1234, ０３－１２３４ and 031234 find the same telephone numbers.
class CardFinder
{
  public:
    CardFinder() = default;

    // Folds cards 1..CardCount of the store once; later changes of the store need a new
    // finder.
    explicit CardFinder(const CardStore& store);

    // The numbers of the cards found for the Shift-JIS query, in store order; every card
    // for a query without words.
    std::vector<int> find(std::string_view query) const;

  private:
    struct Word {
        std::u16string text;
        bool number = false;
    };

    // The eleven fields of a card folded, one after the other with a space between them,
    // so that no word, which holds no space, is found across two fields.
    struct FoldedCard {
        std::u16string text;
        // The text without hyphen-like marks, kept only for a card that has any.
        std::optional<std::u16string> withoutHyphens;
    };

    static std::vector<Word> splitWords(std::string_view query);
    static bool holds(const FoldedCard& card, const Word& word);

    std::vector<FoldedCard> m_cards;
};

} // namespace velm
