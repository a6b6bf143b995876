#include "interchange/ForeignCard.h"

#include "store/FileSafeValue.h"
#include "text/AsciiCase.h"
#include "text/ByteSearch.h"
#include "text/ShiftJisText.h"
#include "text/ShortString.h"

#include <cctype>

namespace velm
{

namespace
{

constexpr std::string_view kFullWidthSpace = "\x81\x40"; // 　
constexpr std::string_view kLineBreakBytes = "\r\n";

// The value as a field keeps it, and whether something had to be left out.
struct FittedValue {
    std::string text;
    bool cut = false;
};

FittedValue FitToField(std::string_view value)
{
    std::string safe = FileSafeText(SpacesForLineBreaks(value));
    if (safe.size() <= ShortString::kCapacity)
        return {std::move(safe), false};
    return {std::string(CutAtCharacter(safe, ShortString::kCapacity)), true};
}

// Stores the value as FitToField makes it, at once when it needs nothing of that; true when
// something had to be left out.
bool StoreFitted(ShortString& field, std::string_view value)
{
    if (value.size() <= ShortString::kCapacity && !ContainsAnyByte(value, kLineBreakBytes) &&
        !ContainsAnyByte(value, kBytesOfUnsafeCharacters)) {
        field.assign(value);
        return false;
    }
    const FittedValue fitted = FitToField(value);
    field.assign(fitted.text);
    return fitted.cut;
}

std::string Join(std::initializer_list<std::string_view> parts, std::string_view separator)
{
    std::string joined;
    for (const std::string_view part : parts) {
        if (part.empty())
            continue;
        if (!joined.empty())
            joined += separator;
        joined += part;
    }
    return joined;
}

bool IsAsciiAlphanumeric(char byte)
{
    return std::isalnum(static_cast<unsigned char>(byte)) != 0;
}

// The last character of a non-empty text: a byte that could close a double-byte character
// may be the second byte of one.
std::string_view LastCharacter(std::string_view text)
{
    std::size_t at = 0;
    while (at + CharacterLength(text, at) < text.size())
        at += CharacterLength(text, at);
    return text.substr(at);
}

} // namespace

std::array<std::string*, CardRecord::kFieldCount> ForeignCard::values()
{
    return {&name1,  &name2, &yomi,    &mark,       &jusyo1, &jusyo2,
            &postNo, &tel,   &company, &department, &memo};
}

void ForeignCard::addMemoItem(std::string_view kind, std::string_view value)
{
    if (value.empty())
        return;
    std::string item(kind);
    if (!item.empty())
        item += kMemoKindSeparator;
    item += value;
    memoItems.push_back(std::move(item));
}

CardRecord TakeForeignCard(ForeignCard foreign, ConversionReport& report)
{
    bool notFitting = false;
    for (const std::string& item : foreign.memoItems) {
        std::string longer =
            foreign.memo.empty() ? item : foreign.memo + std::string(kMemoItemSeparator) + item;
        const bool fits = !FitToField(longer).cut;
        notFitting = notFitting || !fits;
        // An item too long for an empty memo goes in as far as it fits, so that the card
        // keeps something of it.
        if (fits || foreign.memo.empty())
            foreign.memo = std::move(longer);
    }

    CardRecord card;
    const auto fields = card.fields();
    const auto values = foreign.values();
    for (std::size_t i = 0; i < fields.size(); ++i)
        notFitting = StoreFitted(*fields[i], *values[i]) || notFitting;
    report.countCard(foreign.replaced, notFitting);
    return card;
}

std::string JoinName(std::initializer_list<std::string_view> parts)
{
    return Join(parts, kFullWidthSpace);
}

std::string JoinAddress(std::initializer_list<std::string_view> parts)
{
    std::string joined;
    bool endsAlphanumeric = false;
    for (const std::string_view part : parts) {
        if (part.empty())
            continue;
        if (endsAlphanumeric && IsAsciiAlphanumeric(part.front()))
            joined += ' ';
        joined += part;
        // A digit is never the second byte of a character; a letter may be.
        const char last = part.back();
        endsAlphanumeric =
            IsAsciiAlphanumeric(last) && (std::isdigit(static_cast<unsigned char>(last)) != 0 ||
                                          LastCharacter(part).size() == 1);
    }
    return joined;
}

std::string JoinWithSpace(std::initializer_list<std::string_view> parts)
{
    return Join(parts, " ");
}

bool IsJapan(std::string_view country)
{
    constexpr std::string_view kJapan = "\x93\xfa\x96\x7b"; // 日本
    return country == kJapan || EqualsIgnoringAsciiCase(country, "Japan") ||
           EqualsIgnoringAsciiCase(country, "JP");
}

} // namespace velm
