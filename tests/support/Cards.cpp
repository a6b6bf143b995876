#include "support/Cards.h"

#include "support/Bytes.h"

#include <array>

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
    return StoreHolding(std::move(records));
}

std::unique_ptr<CardStore> StoreHolding(std::vector<CardRecord> cards)
{
    auto store = std::make_unique<CardStore>();
    store->replaceCards(std::move(cards));
    return store;
}

std::string DescribeCard(const CardRecord& card)
{
    static constexpr std::array<std::string_view, CardRecord::kFieldCount> kNames{
        "Name1",  "Name2", "Yomi",  "Mark",  "Jusyo1", "Jusyo2",
        "PostNo", "Tel",   "biko1", "biko2", "biko3"};
    const auto fields = card.fields();
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        text += "  ";
        text += kNames[i];
        text += ": " + HexBytes(fields[i]->view()) + "\n";
    }
    return text;
}

} // namespace velm::test

namespace velm
{

void PrintTo(const CardRecord& card, std::ostream* out)
{
    *out << "\n" << test::DescribeCard(card);
}

} // namespace velm
