// Loads any bytes as an address-book file. A load either refuses the file or gives at
// most 999 cards whose fields the file can hold again; after one save, saving and loading
// again changes no card, and a value that fits its column survives the save unchanged.

#include "FuzzCheck.h"
#include "store/AddressBookFile.h"
#include "store/CardStore.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

using namespace velm;
using namespace velm::fuzz;

namespace
{

// The column width of each field in record order.
constexpr std::array<std::size_t, CardRecord::kFieldCount> kColumnWidths{18, 18, 20, 2,  40, 40,
                                                                         8,  16, 26, 26, 38};
constexpr std::size_t kCardBytes = 5 * (78 + 2);

std::string Format(const std::vector<CardRecord>& cards)
{
    CardStore& store = ScratchStore();
    store.replaceCards(cards);
    return FormatAddressBook(store);
}

const std::vector<CardRecord>&
LoadedCards(const std::variant<std::vector<CardRecord>, AddressBookRefusal>& loaded,
            std::string_view file)
{
    const auto* cards = std::get_if<std::vector<CardRecord>>(&loaded);
    if (cards == nullptr)
        Fail("a saved store loads again", "file: " + HexBytes(file));
    return *cards;
}

// A value that fits its column comes back from a save and load as it was.
void CheckFittingValuesKept(const CardRecord& before, const CardRecord& after)
{
    const auto beforeFields = before.fields();
    const auto afterFields = after.fields();
    for (std::size_t i = 0; i < CardRecord::kFieldCount; ++i) {
        if (beforeFields[i]->size() <= kColumnWidths[i])
            Check(*beforeFields[i] == *afterFields[i], "a value that fits its column is kept", [&] {
                return "field " + std::to_string(i) + "\nbefore:\n" + DescribeCard(before) +
                       "after:\n" + DescribeCard(after);
            });
    }
}

void CheckSameCards(const std::vector<CardRecord>& a, const std::vector<CardRecord>& b,
                    std::string_view invariant)
{
    Check(a.size() == b.size(), invariant, [] { return "card counts differ"; });
    for (std::size_t k = 0; k < a.size(); ++k)
        Check(a[k] == b[k], invariant, [&] {
            return "card " + std::to_string(k + 1) + "\nfirst:\n" + DescribeCard(a[k]) +
                   "second:\n" + DescribeCard(b[k]);
        });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto loaded = ParseAddressBook(AsBytes(data, size));
    const auto* cards = std::get_if<std::vector<CardRecord>>(&loaded);
    if (cards == nullptr)
        return 0;
    CheckStorable(*cards);

    const std::string saved = Format(*cards);
    Check(saved.size() == cards->size() * kCardBytes, "every saved line is 78 bytes",
          [&] { return "file: " + HexBytes(saved); });
    // A first line that holds the name tag but begins like a separator line loads no card.
    if (cards->empty())
        return 0;

    const std::vector<CardRecord> reloaded = LoadedCards(ParseAddressBook(saved), saved);
    Check(reloaded.size() == cards->size(), "a save keeps the card count");
    for (std::size_t k = 0; k < cards->size(); ++k)
        CheckFittingValuesKept((*cards)[k], reloaded[k]);

    const std::string savedAgain = Format(reloaded);
    CheckSameCards(reloaded, LoadedCards(ParseAddressBook(savedAgain), savedAgain),
                   "saving and loading a loaded file again changes no card");
    return 0;
}
