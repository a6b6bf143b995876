#include "store/FileSafeValue.h"

#include "text/ShiftJis.h"
#include "text/ShiftJisCodec.h"

#include <optional>

namespace velm
{

namespace
{

constexpr char kCloseLeadByte = '\x81';

// Whether a kept character makes FileSafeCharacter change a "z" right after it.
bool EndsInCloseLead(std::string_view character)
{
    return character.size() == 2 && character[1] == kCloseLeadByte;
}

bool MayNeedMakingSafe(std::string_view value)
{
    for (const char byte : kBytesOfUnsafeCharacters) {
        if (value.find(byte) != std::string_view::npos)
            return true;
    }
    return false;
}

// The character of `value` that starts at `at`: a lead byte with a trail byte after it, or
// a single byte. A lead byte before any other byte stands alone, as the codec reads it, so
// that the byte after it, LF among them, is a character of its own.
std::string_view CharacterAt(std::string_view value, std::size_t at)
{
    const bool doubleByte = IsLeadByte(static_cast<unsigned char>(value[at])) &&
                            at + 1 < value.size() &&
                            IsTrailByte(static_cast<unsigned char>(value[at + 1]));
    return value.substr(at, doubleByte ? 2 : 1);
}

} // namespace

std::string FileSafeText(std::string_view value)
{
    if (!MayNeedMakingSafe(value))
        return std::string(value);
    std::string safe;
    safe.reserve(value.size());
    std::size_t copied = 0; // the bytes of `value` before this are in `safe`
    bool afterCloseLead = false;
    for (std::size_t i = 0; i < value.size();) {
        const std::string_view character = CharacterAt(value, i);
        const std::string_view kept = FileSafeCharacter(character, afterCloseLead);
        if (kept != character) {
            safe.append(value.substr(copied, i - copied));
            safe.append(kept);
            copied = i + character.size();
        }
        afterCloseLead = EndsInCloseLead(kept);
        i += character.size();
    }
    safe.append(value.substr(copied));
    return safe;
}

std::string FileSafeValue(std::string_view value)
{
    if (!MayNeedMakingSafe(value))
        return std::string(value.substr(0, ShortString::kCapacity));
    std::string safe = FileSafeText(value);
    if (safe.size() > ShortString::kCapacity)
        safe.resize(ShortString::kCapacity);
    return safe;
}

void AssignFileSafe(ShortString& field, std::string_view value)
{
    if (MayNeedMakingSafe(value))
        field.assign(FileSafeValue(value));
    else
        field.assign(value);
}

namespace
{

// The storable form of the code point `c`, and whether it ends in the byte 0x81.
struct StorableCharacter {
    char32_t c;
    bool endsInCloseLead;
};

StorableCharacter Storable(char32_t c, bool afterCloseLead)
{
    const std::optional<std::string> encoded = EncodeShiftJisChar(c);
    const std::string bytes = encoded.value_or("?");
    const std::string_view kept = FileSafeCharacter(bytes, afterCloseLead);
    // A kept character stays the code point it was, which may be one of several that
    // share its bytes; a replaced one is what its bytes decode to, a single character.
    const char32_t storable = encoded && kept == bytes ? c : DecodeShiftJis(kept).front();
    return {storable, EndsInCloseLead(kept)};
}

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

void MakeStorable(std::u16string& text, std::size_t& cursor)
{
    std::u16string storable;
    storable.reserve(text.size());
    std::optional<std::size_t> newCursor;
    bool afterCloseLead = false;
    std::size_t i = 0;
    while (i < text.size()) {
        // A cursor inside a surrogate pair ends up after the pair's replacement.
        if (!newCursor && i >= cursor)
            newCursor = storable.size();
        char32_t c = text[i];
        std::size_t units = 1;
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            units = 2;
        }
        const StorableCharacter kept = Storable(c, afterCloseLead);
        // Every storable character lies in the Basic Multilingual Plane.
        storable += static_cast<char16_t>(kept.c);
        afterCloseLead = kept.endsInCloseLead;
        i += units;
    }
    cursor = newCursor.value_or(storable.size());
    text = std::move(storable);
}

} // namespace velm
