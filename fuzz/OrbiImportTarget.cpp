// Imports any bytes as an ＯＲＢＩ file, and takes values off any line. An import either
// refuses the file or gives at most 999 cards whose fields the address-book file can hold.
// Exporting those cards and importing the export gives the same cards back (with the
// address lines joined directly, every field but the two address lines), unless a value
// holds one of the format's separators.

#include "FuzzCheck.h"
#include "interchange/Orbi.h"
#include "store/CardStore.h"

#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

using namespace velm;
using namespace velm::fuzz;

namespace
{

// The card without its address lines, for comparing cards exported with the address lines
// joined directly, which the import splits elsewhere.
CardRecord WithoutAddress(CardRecord card)
{
    card.Jusyo1.clear();
    card.Jusyo2.clear();
    return card;
}

// True when the export of the card reads back as its own columns. The export writes values
// as they are, so a quote followed by a comma ends a value early; no single value holds
// that pair after an import, but two address lines joined directly may. A backslash-n
// pair in the first address line is where the import splits the two lines.
bool ExportsIntact(const CardRecord& card, bool mameJoin)
{
    if (mameJoin)
        return (card.Jusyo1.str() + card.Jusyo2.str()).find("\",") == std::string::npos;
    return card.Jusyo1.view().find("\\n") == std::string_view::npos;
}

void CheckExportImportsBack(const std::vector<CardRecord>& cards, bool mameJoin)
{
    CardStore& store = ScratchStore();
    store.replaceCards(cards);
    const std::string exported = FormatOrbi(store, mameJoin);
    const auto imported = ParseOrbi(exported);
    const auto* back = std::get_if<std::vector<CardRecord>>(&imported);
    if (back == nullptr)
        Fail("an export imports again", "file: " + HexBytes(exported));
    Check(back->size() == cards.size(), "an export keeps the card count");
    for (std::size_t k = 0; k < cards.size(); ++k) {
        if (!ExportsIntact(cards[k], mameJoin))
            continue;
        const bool same = mameJoin ? WithoutAddress(cards[k]) == WithoutAddress((*back)[k])
                                   : cards[k] == (*back)[k];
        Check(same, "an exported card imports back", [&] {
            return std::string(mameJoin ? "joined" : "split") + " card " + std::to_string(k + 1) +
                   "\nexported:\n" + DescribeCard(cards[k]) + "imported:\n" +
                   DescribeCard((*back)[k]);
        });
    }
}

// Takes values off the line until none is left: each value either shortens the line, or
// is empty and leaves a line without a comma as it was.
void CheckValuesConsumeTheLine(std::string_view line)
{
    while (!line.empty()) {
        const std::size_t before = line.size();
        const std::string value = NextValue(line);
        if (line.size() == before) {
            Check(value.empty() && line.find(',') == std::string_view::npos,
                  "a value that consumes nothing is the empty rest of a line without comma");
            return;
        }
        Check(line.size() < before, "a value never lengthens the line");
        Check(value.size() + 1 <= before - line.size(),
              "a value is shorter than the bytes it consumed");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = AsBytes(data, size);
    CheckValuesConsumeTheLine(bytes);

    InterchangeTags tags;
    ORBIkaiseki(bytes, tags);
    for (std::size_t slot = 0; slot < kOrbiColumns; ++slot) {
        const std::string_view tag = tags.tag(slot);
        Check(tag.empty() || tag.size() == 4, "a tag slot is empty or holds a known tag");
    }

    const auto imported = ParseOrbi(bytes);
    const auto* cards = std::get_if<std::vector<CardRecord>>(&imported);
    if (cards == nullptr)
        return 0;
    CheckStorable(*cards);
    CheckExportImportsBack(*cards, false);
    CheckExportImportsBack(*cards, true);
    return 0;
}
