#include "store/CardFinder.h"

#include "store/CardStore.h"
#include "text/SearchFold.h"

#include <algorithm>

namespace velm
{

CardFinder::CardFinder(const CardStore& store)
{
    m_cards.reserve(static_cast<std::size_t>(store.CardCount));
    for (int k = 1; k <= store.CardCount; ++k) {
        FoldedCard folded;
        folded.text.reserve(CardRecord::kFieldCount * ShortString::kCapacity / 2);
        for (const ShortString* field : store.card(k).fields()) {
            if (!folded.text.empty())
                folded.text.push_back(u' ');
            AppendFolded(field->view(), folded.text);
        }
        if (std::any_of(folded.text.begin(), folded.text.end(), IsHyphenLike))
            folded.withoutHyphens = WithoutHyphens(folded.text);
        m_cards.push_back(std::move(folded));
    }
}

std::vector<CardFinder::Word> CardFinder::splitWords(std::string_view query)
{
    const std::u16string folded = FoldForSearch(query);
    std::vector<Word> words;
    std::size_t start = 0;
    while (start < folded.size()) {
        const std::size_t end = std::min(folded.find(u' ', start), folded.size());
        if (end > start) {
            Word word{folded.substr(start, end - start)};
            word.number = IsNumberWord(word.text);
            if (word.number)
                word.text = WithoutHyphens(word.text);
            words.push_back(std::move(word));
        }
        start = end + 1;
    }
    return words;
}

bool CardFinder::holds(const FoldedCard& card, const Word& word)
{
    const std::u16string& text =
        word.number && card.withoutHyphens ? *card.withoutHyphens : card.text;
    return ContainsUnits(text, word.text);
}

std::vector<int> CardFinder::find(std::string_view query) const
{
    const std::vector<Word> words = splitWords(query);
    std::vector<int> found;
    found.reserve(m_cards.size());
    for (std::size_t i = 0; i < m_cards.size(); ++i) {
        const FoldedCard& card = m_cards[i];
        if (std::all_of(words.begin(), words.end(),
                        [&card](const Word& word) { return holds(card, word); }))
            found.push_back(static_cast<int>(i) + 1);
    }
    return found;
}

} // namespace velm
