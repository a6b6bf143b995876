#include "FuzzCheck.h"

#include "store/CardStore.h"
#include "text/ShiftJisCodec.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <variant>

namespace velm::fuzz
{

namespace
{

std::string& CurrentInputName()
{
    static std::string name;
    return name;
}

} // namespace

CardStore& ScratchStore()
{
    static const auto store = std::make_unique<CardStore>();
    return *store;
}

void SetCurrentInputName(std::string name)
{
    CurrentInputName() = std::move(name);
}

void Fail(std::string_view invariant, std::string_view detail)
{
    std::fprintf(stderr, "invariant broken: %.*s\n", static_cast<int>(invariant.size()),
                 invariant.data());
    if (!CurrentInputName().empty())
        std::fprintf(stderr, "input: %s\n", CurrentInputName().c_str());
    if (!detail.empty())
        std::fprintf(stderr, "%.*s\n", static_cast<int>(detail.size()), detail.data());
    std::abort();
}

void CheckStorable(const std::vector<CardRecord>& cards)
{
    Check(cards.size() <= static_cast<std::size_t>(CardStore::kCapacity), "at most 999 cards");
    for (const CardRecord& card : cards) {
        for (const ShortString* field : card.fields()) {
            Check(field->size() <= ShortString::kCapacity, "no field over 255 bytes");
            Check(field->view().find("\x81\x7A") == std::string_view::npos,
                  "no field holds the closing bracket's bytes", [&] { return DescribeCard(card); });
        }
    }
}

void CheckImportedAndStore(const ImportedCards& imported)
{
    Check(imported.report.cards == imported.cards.size(), "the summary counts every card");
    CheckStorable(imported.cards);
    ScratchStore().replaceCards(imported.cards);
}

std::vector<CardRecord> ReadExportAgain(const std::string& exported,
                                        ImportResult (*parse)(std::string_view bytes))
{
    ImportResult back = parse(exported);
    auto* read = std::get_if<ImportedCards>(&back);
    if (read == nullptr)
        Fail("an export reads again", "file: " + HexBytes(exported));
    return std::move(read->cards);
}

bool IsWholeShiftJisText(std::string_view bytes)
{
    const std::u32string text = DecodeShiftJis(bytes);
    return text.find(kUndecodable) == std::u32string::npos && EncodeShiftJis(text) == bytes;
}

void CheckReadBack(const std::vector<CardRecord>& cards, const std::vector<CardRecord>& back,
                   std::string_view format, bool (*comparable)(std::string_view field))
{
    Check(back.size() == cards.size(), "an export keeps the card count",
          [&] { return std::string(format) + ": " + std::to_string(back.size()) + " cards"; });
    for (std::size_t k = 0; k < cards.size(); ++k) {
        const auto fields = cards[k].fields();
        if (!std::all_of(fields.begin(), fields.end(), [comparable](const ShortString* field) {
                return comparable(field->view());
            }))
            continue;
        Check(cards[k] == back[k], "an exported card reads back", [&] {
            return std::string(format) + " card " + std::to_string(k + 1) + "\nexported:\n" +
                   DescribeCard(cards[k]) + "read back:\n" + DescribeCard(back[k]);
        });
    }
}

} // namespace velm::fuzz
