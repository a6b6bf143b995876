// Reads any bytes as CSV or tab-separated text. The reader either refuses the file or gives
// at most 999 cards, none of them blank, that the address-book file can hold, and counts
// each of them in its summary. The cards written in this program's columns and read again
// come back the same: all of them from Shift-JIS, each whose text survives the trip through
// Unicode from UTF-8. The columns of web contacts keep the number of cards.

#include "FuzzCheck.h"
#include "interchange/Csv.h"
#include "store/CardStore.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <variant>

using namespace velm;
using namespace velm::fuzz;

namespace
{

bool AnyBytes(std::string_view)
{
    return true;
}

std::vector<CardRecord> ReadExport(CsvLayout layout, TextEncoding encoding)
{
    return ReadExportAgain(FormatCsv(ScratchStore(), layout, encoding).bytes, &ParseCsv);
}

bool IsBlank(const CardRecord& card)
{
    const auto fields = card.fields();
    return std::all_of(fields.begin(), fields.end(),
                       [](const ShortString* field) { return field->empty(); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ImportResult result = ParseCsv(AsBytes(data, size));
    const auto* imported = std::get_if<ImportedCards>(&result);
    if (imported == nullptr)
        return 0;
    const std::vector<CardRecord>& cards = imported->cards;
    Check(std::none_of(cards.begin(), cards.end(), &IsBlank), "no card is blank");
    CheckImportedAndStore(*imported);
    CheckReadBack(cards, ReadExport(CsvLayout::Velm, TextEncoding::ShiftJis), "Shift-JIS",
                  &AnyBytes);
    CheckReadBack(cards, ReadExport(CsvLayout::Velm, TextEncoding::Utf8), "UTF-8",
                  &IsWholeShiftJisText);
    Check(ReadExport(CsvLayout::Contacts, TextEncoding::Utf8).size() == cards.size(),
          "web contacts keep the number of cards");
    return 0;
}
