#include "store/AddressBookFile.h"

#include "store/CardLayout.h"
#include "store/CardStore.h"
#include "store/FileSafeValue.h"
#include "store/WrittenLineReader.h"
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

using namespace card_layout;

constexpr std::string_view kSeparatorStart = "*****";

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
    const auto p = static_cast<std::ptrdiff_t>(FindBytes(line, tag));
    const auto q = static_cast<std::ptrdiff_t>(FindBytePair(line, kClose[0], kClose[1]));
    const auto length = static_cast<std::ptrdiff_t>(tag.size());
    field.assign(RightTrim(CopyBytes(line, p + length, q - p - length)));
    if (consume == Consume::Yes)
        line.remove_prefix(std::min(line.size(), static_cast<std::size_t>(q) + 1));
}

// Reads any card line by its tags: each column's tag (its opening without the "】") is
// looked for, and every column but the last consumes the line up to its "】".
void ReadLineByTags(std::string_view line, CardLine columns, CardRecord& card)
{
    for (std::size_t j = 0; j < columns.size(); ++j) {
        const std::string_view opening = columns[j].opening;
        const std::string_view tag = j == 0 ? opening : opening.substr(kClose.size());
        const Consume consume = j + 1 < columns.size() ? Consume::Yes : Consume::No;
        TakeValue(line, tag, card.*columns[j].field, consume);
    }
}

// Whether a line starts a card: it holds "名【", at its start in a file this program wrote.
bool StartsCard(std::string_view line)
{
    return StartsWithBytes(line, kNameTag) || FindBytes(line, kNameTag) != 0;
}

// Reads each line by position when it is laid out as written (WrittenLineReader.h) and by
// its tags otherwise; both give the same values.
void ReadCard(std::string_view first, LineReader& reader, CardRecord& card)
{
    for (std::size_t i = 0; i < kCardLines.size(); ++i) {
        const std::string_view line = i == 0 ? first : reader.readLine();
        if (!ReadWrittenLine(line, i, card))
            ReadLineByTags(line, kCardLines[i], card);
    }
    card.PostNo.assign(NormalisePostNo(card.PostNo.view()));
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

void AppendLineEnd(std::string& out)
{
    out += "\r\n";
}

void AppendCard(std::string& out, const CardRecord& card)
{
    for (const CardLine columns : kCardLines) {
        for (const CardColumn& column : columns) {
            out += column.opening;
            AppendFixedColumn(out, FileSafeValue((card.*column.field).view()), column.width);
        }
        out += kClose;
        AppendLineEnd(out);
    }
    out.append(kLineWidth, '*');
    AppendLineEnd(out);
}

} // namespace

std::variant<std::vector<CardRecord>, AddressBookRefusal> ParseAddressBook(std::string_view bytes)
{
    LineReader reader(bytes);
    if (!StartsCard(reader.readLine()))
        return AddressBookRefusal::NoCards;

    reader = LineReader(bytes);
    std::vector<CardRecord> cards;
    // Room for as many cards as the file holds when written by this program, five lines of
    // 80 bytes each, so that a full file is read without moving its cards as the vector
    // grows and the store can take the vector as its slots.
    constexpr std::size_t kWrittenCardBytes = 5 * (kLineWidth + 2);
    cards.reserve(std::min(static_cast<std::size_t>(CardStore::kCapacity),
                           bytes.size() / kWrittenCardBytes + 1));
    do {
        const std::string_view line = reader.readLine();
        if (StartsWithBytes(line, kSeparatorStart))
            continue;
        if (!StartsCard(line))
            break;
        if (cards.size() == static_cast<std::size_t>(CardStore::kCapacity))
            return AddressBookRefusal::TooManyCards;
        ReadCard(line, reader, cards.emplace_back());
    } while (!reader.atEnd());
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
