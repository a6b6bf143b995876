#include "TestCards.h"

namespace velm::test
{

CardRecord MakeCard(const CardText& text)
{
    CardRecord card;
    card.Name1.assign(text.Name1);
    card.Name2.assign(text.Name2);
    card.Yomi.assign(text.Yomi);
    card.Mark.assign(text.Mark);
    card.Jusyo1.assign(text.Jusyo1);
    card.Jusyo2.assign(text.Jusyo2);
    card.PostNo.assign(text.PostNo);
    card.Tel.assign(text.Tel);
    card.biko1.assign(text.biko1);
    card.biko2.assign(text.biko2);
    card.biko3.assign(text.biko3);
    return card;
}

std::unique_ptr<CardStore> StoreWith(const std::vector<CardText>& cards)
{
    std::vector<CardRecord> records;
    for (const CardText& text : cards)
        records.push_back(MakeCard(text));
    auto store = std::make_unique<CardStore>();
    store->replaceCards(records);
    return store;
}

} // namespace velm::test
