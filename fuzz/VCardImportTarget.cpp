// Reads any bytes as a vCard file. The reader either refuses the file or gives at most 999
// cards that the address-book file can hold, and counts each of them in its summary. The
// cards written as vCard 3.0 or 4.0 and read again come back the same, each whose text
// survives the trip through Unicode.

#include "FuzzCheck.h"
#include "interchange/VCard.h"
#include "store/CardStore.h"

#include <cstddef>
#include <cstdint>
#include <variant>

using namespace velm;
using namespace velm::fuzz;

namespace
{

void CheckExportReadsBack(const std::vector<CardRecord>& cards, VCardVersion version)
{
    CheckReadBack(cards, ReadExportAgain(FormatVCard(ScratchStore(), version).bytes, &ParseVCard),
                  version == VCardVersion::V30 ? "3.0" : "4.0", &IsWholeShiftJisText);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ImportResult result = ParseVCard(AsBytes(data, size));
    const auto* imported = std::get_if<ImportedCards>(&result);
    if (imported == nullptr)
        return 0;
    Check(!imported->cards.empty(), "a file that is not refused holds a card");
    CheckImportedAndStore(*imported);
    CheckExportReadsBack(imported->cards, VCardVersion::V30);
    CheckExportReadsBack(imported->cards, VCardVersion::V40);
    return 0;
}
