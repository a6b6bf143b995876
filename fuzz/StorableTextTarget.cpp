// Makes any text storable, as the card edit box does with whatever the user types: the
// same number of characters, all of them encodable, none that would end a value in the
// address-book file, the cursor still in the text, and making it storable again changes
// nothing.

#include "FuzzCheck.h"
#include "store/FileSafeValue.h"
#include "text/ShiftJisCodec.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace velm;
using namespace velm::fuzz;

namespace
{

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The input read as UTF-16 code units, lone surrogates included.
std::u16string Utf16Units(std::string_view bytes)
{
    std::u16string text;
    for (std::size_t i = 0; i + 2 <= bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) << 8 |
                                      static_cast<unsigned char>(bytes[i + 1]));
    return text;
}

// Characters, a surrogate pair counting as one.
std::size_t CharacterCount(const std::u16string& text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
            ++i;
        ++count;
    }
    return count;
}

void CheckStorableBytes(std::string_view bytes, const std::u16string& text)
{
    Check(bytes.find("\x81\x7A") == std::string_view::npos,
          "storable text holds no closing bracket's bytes",
          [&] { return "text (UTF-16): " + HexUnits(text) + "\nbytes: " + HexBytes(bytes); });
    Check(FileSafeValue(bytes.substr(0, 255)) == bytes.substr(0, 255),
          "storable text is kept by the address-book file as it is",
          [&] { return "bytes: " + HexBytes(bytes); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string typed = Utf16Units(AsBytes(data, size));
    const std::size_t cursor = size > 0 ? data[0] % (typed.size() + 1) : 0;

    std::u16string text = typed;
    std::size_t newCursor = cursor;
    MakeStorable(text, newCursor);
    const auto detail = [&] {
        return "typed (UTF-16): " + HexUnits(typed);
    };
    Check(CharacterCount(text) == CharacterCount(typed),
          "making storable keeps the character count", detail);
    Check(newCursor <= text.size(), "the cursor stays in the text", detail);
    std::u32string characters;
    for (const char16_t unit : text) {
        Check(!IsHighSurrogate(unit) && !IsLowSurrogate(unit),
              "every storable character lies in the Basic Multilingual Plane", detail);
        characters += unit;
    }
    for (const char32_t c : characters)
        Check(EncodeShiftJisChar(c).has_value(), "every storable character is encodable", detail);
    CheckStorableBytes(EncodeShiftJis(characters), text);

    std::u16string again = text;
    std::size_t againCursor = newCursor;
    MakeStorable(again, againCursor);
    Check(again == text && againCursor == newCursor,
          "making storable text storable again changes nothing", detail);
    return 0;
}
