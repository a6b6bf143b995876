#include "support/Cards.h"

#include "support/Bytes.h"
#include "text/ShiftJisCodec.h"

#include <array>

namespace velm::test
{

namespace
{

std::array<std::string_view, CardRecord::kFieldCount> InRecordOrder(const CardText& text)
{
    return {text.Name1,  text.Name2, text.Yomi,  text.Mark,  text.Jusyo1, text.Jusyo2,
            text.PostNo, text.Tel,   text.biko1, text.biko2, text.biko3};
}

} // namespace

CardRecord MakeCard(const CardText& text)
{
    CardRecord card;
    const auto fields = card.fields();
    const auto texts = InRecordOrder(text);
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->assign(texts[i]);
    return card;
}

CardRecord SjisCard(const CardText& utf8)
{
    CardRecord card;
    const auto fields = card.fields();
    const auto texts = InRecordOrder(utf8);
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->assign(Sjis(texts[i]));
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

std::vector<CardRecord> FullStoreCards()
{
    const std::u32string characters = U"山田太郎東京都新宿区丁目あア番地ソ表";
    std::vector<CardRecord> cards(CardStore::kCapacity);
    for (std::size_t k = 0; k < cards.size(); ++k) {
        const auto fields = cards[k].fields();
        for (std::size_t f = 0; f < fields.size(); ++f) {
            std::u32string text;
            for (std::size_t i = 0; i < 127; ++i)
                text += characters[(k * 7 + f * 3 + i) % characters.size()];
            text += static_cast<char32_t>(U'0' + k % 10);
            fields[f]->assign(EncodeShiftJis(text));
        }
    }
    return cards;
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
