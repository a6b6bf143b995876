#include "store/AddressBookFile.h"

#include "store/CardStore.h"
#include "text/ByteSearch.h"
#include "text/FixedColumn.h"
#include "text/LineReader.h"
#include "text/RightTrim.h"
#include "text/ShiftJis.h"
#include "text/ShortString.h"

#include <algorithm>
#include <cstddef>

namespace velm
{
namespace
{

// The tags of the file and the "】" that closes every value.
constexpr std::string_view kNameTag = "\x96\xBC\x81\x79";    // 名【
constexpr std::string_view kOpenTag = "\x81\x79";            // 【
constexpr std::string_view kYomiTag = "\x93\xC7\x81\x79";    // 読【
constexpr std::string_view kAddressTag = "\x8F\x5A\x81\x79"; // 住【
constexpr std::string_view kCompanyTag = "\x94\xF5\x81\x79"; // 備【
constexpr std::string_view kPlaceTag = "\x8F\x8A\x81\x79";   // 所【
constexpr std::string_view kRemarkTag = "\x8D\x6C\x81\x79";  // 考【
constexpr std::string_view kPostTag = "\x81\xA7\x81\x79";    // 〒【
constexpr std::string_view kPhoneTag = "\x93\x64\x81\x79";   // 電【
constexpr std::string_view kClose = "\x81\x7A";              // 】
constexpr std::string_view kSeparatorStart = "*****";
constexpr std::size_t kLineWidth = 78;

// Characters a stored value must not hold, and what replaces them.
constexpr std::string_view kSafeClose = "\x81\x6E"; // ］
constexpr std::string_view kSafeZ = "\x82\x9A";     // ｚ
constexpr char kZ = '\x7A';
constexpr char kCloseLeadByte = '\x81';

// The bytes `count` bytes from 1-based position `index` on, as far as the text reaches.
std::string_view CopyBytes(std::string_view text, std::ptrdiff_t index, std::ptrdiff_t count)
{
    if (count <= 0 || index < 1 || static_cast<std::size_t>(index) > text.size())
        return {};
    return text.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
}

enum class Consume { Yes, No };

// Takes the value between `tag` and the first "】" of the line into `field`. A consuming
// tag removes everything up to and including that "】" from the line, so that the next
// search starts after it.
void TakeValue(std::string_view& line, std::string_view tag, ShortString& field, Consume consume)
{
    // In a file this program wrote the tag starts the rest of the line.
    const auto p =
        static_cast<std::ptrdiff_t>(StartsWithBytes(line, tag) ? 1 : FindBytes(line, tag));
    const auto q = static_cast<std::ptrdiff_t>(FindBytes(line, kClose));
    const auto length = static_cast<std::ptrdiff_t>(tag.size());
    field.assign(RightTrim(CopyBytes(line, p + length, q - p - length)));
    if (consume == Consume::Yes)
        line.remove_prefix(std::min(line.size(), static_cast<std::size_t>(q) + 1));
}

void ReadCard(std::string_view first, LineReader& reader, CardRecord& card)
{
    std::string_view line = first;
    TakeValue(line, kNameTag, card.Name1, Consume::Yes);
    TakeValue(line, kOpenTag, card.Name2, Consume::Yes);
    TakeValue(line, kYomiTag, card.Yomi, Consume::Yes);
    TakeValue(line, kOpenTag, card.Mark, Consume::No);

    line = reader.ReadLine();
    TakeValue(line, kAddressTag, card.Jusyo1, Consume::Yes);
    TakeValue(line, kCompanyTag, card.biko1, Consume::No);

    line = reader.ReadLine();
    TakeValue(line, kPlaceTag, card.Jusyo2, Consume::Yes);
    TakeValue(line, kRemarkTag, card.biko2, Consume::No);

    line = reader.ReadLine();
    TakeValue(line, kPostTag, card.PostNo, Consume::Yes);
    card.PostNo.assign(NormalisePostNo(card.PostNo.view()));
    TakeValue(line, kPhoneTag, card.Tel, Consume::Yes);
    TakeValue(line, kOpenTag, card.biko3, Consume::No);
}

bool IsFullWidthDigit(std::string_view pair)
{
    return pair.size() == 2 && pair[0] == '\x82' && pair[1] >= '\x4F' && pair[1] <= '\x58';
}

bool IsOnlyFullWidthDigits(std::string_view text)
{
    if (text.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        if (!IsFullWidthDigit(text.substr(i, 2)))
            return false;
    }
    return true;
}

// Full-width digits become ASCII digits and the full-width minus and hyphen become "-";
// every other character, a lone lead byte at the end included, is kept.
std::string ToHalfWidthPostalCharacters(std::string_view text)
{
    constexpr std::string_view kMinus = "\x81\x7C";  // －
    constexpr std::string_view kHyphen = "\x81\x5D"; // ‐
    std::string result;
    std::size_t i = 0;
    while (i < text.size()) {
        const bool doubleByte =
            IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        const std::string_view character = text.substr(i, doubleByte ? 2 : 1);
        if (IsFullWidthDigit(character))
            result += HankakuDigit(character);
        else if (character == kMinus || character == kHyphen)
            result += '-';
        else
            result += character;
        i += character.size();
    }
    return result;
}

void AppendLine(std::string& out, std::string_view line)
{
    out += line;
    out += "\r\n";
}

void AppendColumn(std::string& line, std::string_view value, std::size_t width)
{
    AppendFixedColumn(line, FileSafeValue(value), width);
}

void AppendCard(std::string& out, const CardRecord& card)
{
    std::string line;
    line.reserve(kLineWidth);

    line = kNameTag;
    AppendColumn(line, card.Name1.view(), 18);
    line += "\x81\x7A\x81\x79"; // 】【
    AppendColumn(line, card.Name2.view(), 18);
    line += "\x81\x7A\x93\xC7\x81\x79"; // 】読【
    AppendColumn(line, card.Yomi.view(), 20);
    line += "\x81\x7A\x81\x79"; // 】【
    AppendColumn(line, card.Mark.view(), 2);
    line += kClose;
    AppendLine(out, line);

    line = kAddressTag;
    AppendColumn(line, card.Jusyo1.view(), 40);
    line += "\x81\x7A\x94\xF5\x81\x79"; // 】備【
    AppendColumn(line, card.biko1.view(), 26);
    line += kClose;
    AppendLine(out, line);

    line = kPlaceTag;
    AppendColumn(line, card.Jusyo2.view(), 40);
    line += "\x81\x7A\x8D\x6C\x81\x79"; // 】考【
    AppendColumn(line, card.biko2.view(), 26);
    line += kClose;
    AppendLine(out, line);

    line = kPostTag;
    AppendColumn(line, card.PostNo.view(), 8);
    line += "\x81\x7A\x93\x64\x81\x79"; // 】電【
    AppendColumn(line, card.Tel.view(), 16);
    line += "\x81\x7A\x81\x79"; // 】【
    AppendColumn(line, card.biko3.view(), 38);
    line += kClose;
    AppendLine(out, line);

    AppendLine(out, std::string(kLineWidth, '*'));
}

} // namespace

std::variant<std::vector<CardRecord>, AddressBookRefusal> ParseAddressBook(std::string_view bytes)
{
    LineReader reader(bytes);
    if (FindBytes(reader.ReadLine(), kNameTag) == 0)
        return AddressBookRefusal::NoCards;

    reader = LineReader(bytes);
    std::vector<CardRecord> cards;
    // The store takes this vector as its 999 slots, so room for all of them is made now.
    cards.reserve(CardStore::kCapacity);
    do {
        const std::string_view line = reader.ReadLine();
        if (StartsWithBytes(line, kSeparatorStart))
            continue;
        if (FindBytes(line, kNameTag) == 0)
            break;
        if (cards.size() == static_cast<std::size_t>(CardStore::kCapacity))
            return AddressBookRefusal::TooManyCards;
        ReadCard(line, reader, cards.emplace_back());
    } while (!reader.AtEnd());
    return cards;
}

std::string FormatAddressBook(const CardStore& store)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(store.CardCount) * 5 * (kLineWidth + 2));
    for (int k = 1; k <= store.CardCount; ++k)
        AppendCard(out, store.card(k));
    return out;
}

std::string FileSafeValue(std::string_view value)
{
    // Both pairs that must change hold the byte "z" (0x7A): as the second byte of "】" or
    // as the "z" itself. A value without it, the usual value, is copied whole.
    if (value.find(kZ) == std::string_view::npos)
        return std::string(value.substr(0, ShortString::kCapacity));
    std::string safe;
    safe.reserve(value.size());
    std::size_t copied = 0; // the bytes of `value` before this are in `safe`
    std::size_t i = 0;
    const auto replace = [&](std::size_t length, std::string_view replacement) {
        safe.append(value.substr(copied, i - copied));
        safe.append(replacement);
        copied = i + length;
    };
    bool endsInCloseLead = false; // the previous character is double-byte ending in 0x81
    while (i < value.size()) {
        const char byte = value[i];
        if (IsLeadByte(static_cast<unsigned char>(byte)) && i + 1 < value.size()) {
            if (byte == kClose[0] && value[i + 1] == kClose[1])
                replace(2, kSafeClose);
            endsInCloseLead = value[i + 1] == kCloseLeadByte;
            i += 2;
            continue;
        }
        if (byte == kZ && endsInCloseLead)
            replace(1, kSafeZ);
        endsInCloseLead = false;
        ++i;
    }
    safe.append(value.substr(copied));
    if (safe.size() > ShortString::kCapacity)
        safe.resize(ShortString::kCapacity);
    return safe;
}

std::string HankakuDigit(std::string_view pair)
{
    if (!IsFullWidthDigit(pair))
        return {};
    return std::string(1, static_cast<char>('0' + (pair[1] - '\x4F')));
}

std::string PostNoHankaku(std::string_view postNo)
{
    std::string result;
    for (std::size_t start = 0; start < 14; start += 2) {
        if (start == 6)
            result += '-';
        result += HankakuDigit(start < postNo.size() ? postNo.substr(start, 2) : "");
    }
    return result;
}

std::string NormalisePostNo(std::string_view postNo)
{
    if (postNo.empty() || !IsLeadByte(static_cast<unsigned char>(postNo[0])))
        return std::string(postNo);
    if (IsOnlyFullWidthDigits(postNo))
        return PostNoHankaku(postNo);
    return ToHalfWidthPostalCharacters(postNo);
}

} // namespace velm
