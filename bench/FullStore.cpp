#include "FullStore.h"

#include "store/CardStore.h"

#include <array>
#include <memory>
#include <string_view>

namespace velm
{

namespace
{

// Double-byte characters common in addresses, none of them "】", so that every field is
// stored as it is.
constexpr std::array<std::string_view, 16> kCharacters{
    "\x8e\x52", // 山
    "\x93\x63", // 田
    "\x91\xbe", // 太
    "\x98\x59", // 郎
    "\x93\x8c", // 東
    "\x8b\x9e", // 京
    "\x93\x73", // 都
    "\x90\x56", // 新
    "\x8f\x68", // 宿
    "\x8b\xe6", // 区
    "\x92\x9a", // 丁
    "\x96\xda", // 目
    "\x82\xa0", // あ
    "\x83\x41", // ア
    "\x94\xd4", // 番
    "\x92\x6e", // 地
};

std::string FieldText(int card, int field)
{
    std::string text;
    text.reserve(ShortString::kCapacity);
    for (int i = 0; text.size() + 2 <= ShortString::kCapacity - 1; ++i)
        text +=
            kCharacters[static_cast<std::size_t>(card * 7 + field * 3 + i) % kCharacters.size()];
    text += static_cast<char>('0' + card % 10);
    return text;
}

} // namespace

std::vector<CardRecord> FullStoreCards()
{
    std::vector<CardRecord> cards(CardStore::kCapacity);
    for (int k = 0; k < CardStore::kCapacity; ++k) {
        const auto fields = cards[static_cast<std::size_t>(k)].fields();
        for (std::size_t f = 0; f < fields.size(); ++f)
            fields[f]->assign(FieldText(k, static_cast<int>(f)));
    }
    return cards;
}

const CardStore& FullStore()
{
    // The store is large, so it lives on the heap.
    static const std::unique_ptr<CardStore> store = [] {
        auto full = std::make_unique<CardStore>();
        full->replaceCards(FullStoreCards());
        return full;
    }();
    return *store;
}

} // namespace velm
