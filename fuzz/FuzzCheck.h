#pragma once

#include "interchange/Conversion.h"
#include "store/CardRecord.h"
#include "support/Bytes.h"
#include "support/Cards.h"

#include <string>
#include <string_view>
#include <vector>

namespace velm
{
class CardStore;
}

namespace velm::fuzz
{

// A card store made once for all inputs, since a store is large; each input replaces its
// cards.
CardStore& ScratchStore();

// The name of the input being run, shown when an invariant breaks. The replay driver sets
// it to the corpus file; under libFuzzer it stays empty, since libFuzzer saves the input.
void SetCurrentInputName(std::string name);

using test::DescribeCard;
using test::HexBytes;
using test::HexUnits;

// Checks what the store can hold: at most 999 cards, no field over 255 bytes, and no field
// holding "】"'s bytes, which would end the value early in the address-book file.
void CheckStorable(const std::vector<CardRecord>& cards);

// Whether the bytes are Shift-JIS text that survives a trip through Unicode unchanged: every
// byte belongs to a character, and each character has these bytes as its first code. Only
// such values can come back exactly from a UTF-8 file.
bool IsWholeShiftJisText(std::string_view bytes);

// Checks that the cards read back from an export of `cards` are the same cards, comparing
// only those whose every field satisfies `comparable`.
void CheckReadBack(const std::vector<CardRecord>& cards, const std::vector<CardRecord>& back,
                   std::string_view format, bool (*comparable)(std::string_view field));

// Checks what every reader's cards satisfy: the summary counts each of them and the store can
// hold them (CheckStorable). Then puts them in the scratch store, ready to be exported.
void CheckImportedAndStore(const ImportedCards& imported);

// The cards that `parse` reads from an export; an export that is refused breaks the invariant.
std::vector<CardRecord> ReadExportAgain(const std::string& exported,
                                        ImportResult (*parse)(std::string_view bytes));

// Reports a broken invariant with `detail` and aborts, so that libFuzzer keeps the input
// and the replay test fails.
[[noreturn]] void Fail(std::string_view invariant, std::string_view detail = {});

inline void Check(bool holds, std::string_view invariant)
{
    if (!holds)
        Fail(invariant);
}

// The same with a detail that is put together only when the invariant is broken, since
// most checks run millions of times.
template <typename DetailFunction>
void Check(bool holds, std::string_view invariant, DetailFunction&& detail)
{
    if (!holds)
        Fail(invariant, detail());
}

// The input as a byte view.
inline std::string_view AsBytes(const unsigned char* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace velm::fuzz
