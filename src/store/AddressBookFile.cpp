#include "store/AddressBookFile.h"

#include "store/CardStore.h"
#include "store/FileSafeValue.h"
#include "text/ByteSearch.h"
#include "text/FixedColumn.h"
#include "text/LineReader.h"
#include "text/RightTrim.h"
#include "text/ShiftJis.h"
#include "text/ShortString.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <span>

namespace velm
{
namespace
{

constexpr std::string_view kClose = "\x81\x7A";           // 】
constexpr std::string_view kNameTag = "\x96\xBC\x81\x79"; // 名【
constexpr std::string_view kSeparatorStart = "*****";
constexpr std::size_t kLineWidth = 78;

// One column of a card line: the bytes that open it and the field it holds, padded or cut
// to its width. A column after the first is opened by the "】" that closes the one before
// it, then its tag.
struct CardColumn {
    std::string_view opening;
    ShortString CardRecord::*field;
    std::size_t width;
};

// The four lines of a card as this program writes them, each closed by a "】" after its
// last column.
constexpr CardColumn kNameLine[] = {
    {kNameTag, &CardRecord::Name1, 18},
    {"\x81\x7A\x81\x79", &CardRecord::Name2, 18},        // 】【
    {"\x81\x7A\x93\xC7\x81\x79", &CardRecord::Yomi, 20}, // 】読【
    {"\x81\x7A\x81\x79", &CardRecord::Mark, 2},          // 】【
};
constexpr CardColumn kAddressLine[] = {
    {"\x8F\x5A\x81\x79", &CardRecord::Jusyo1, 40},        // 住【
    {"\x81\x7A\x94\xF5\x81\x79", &CardRecord::biko1, 26}, // 】備【
};
constexpr CardColumn kPlaceLine[] = {
    {"\x8F\x8A\x81\x79", &CardRecord::Jusyo2, 40},        // 所【
    {"\x81\x7A\x8D\x6C\x81\x79", &CardRecord::biko2, 26}, // 】考【
};
constexpr CardColumn kPostLine[] = {
    {"\x81\xA7\x81\x79", &CardRecord::PostNo, 8},       // 〒【
    {"\x81\x7A\x93\x64\x81\x79", &CardRecord::Tel, 16}, // 】電【
    {"\x81\x7A\x81\x79", &CardRecord::biko3, 38},       // 】【
};
using CardLine = std::span<const CardColumn>;
constexpr std::array<CardLine, 4> kCardLines{kNameLine, kAddressLine, kPlaceLine, kPostLine};

constexpr std::size_t LineWidth(CardLine columns)
{
    std::size_t width = kClose.size();
    for (const CardColumn& column : columns)
        width += column.opening.size() + column.width;
    return width;
}

static_assert(std::ranges::all_of(kCardLines,
                                  [](CardLine line) { return LineWidth(line) == kLineWidth; }));

// What a card line looks like as this program writes it, place by place, for the places
// where a "】" could start (all but the last byte, which the "】" there covers): the fixed
// bytes of the openings and the closing "】" with all bits of `fixed` set for them, and all
// bits of `closes` set where a "】" starts.
constexpr std::size_t kPlaces = kLineWidth - 1;
static_assert(kPlaces >= kByteBlockSize);

struct WrittenLine {
    std::array<char, kPlaces> bytes{};
    std::array<char, kPlaces> fixed{};
    std::array<char, kPlaces> closes{};
};

constexpr WrittenLine DescribeWrittenLine(CardLine columns)
{
    WrittenLine line;
    std::size_t at = 0;
    const auto putFixed = [&line, &at](std::string_view text) {
        for (const char byte : text) {
            if (at < kPlaces) {
                line.bytes[at] = byte;
                line.fixed[at] = -1;
            }
            ++at;
        }
    };
    for (const CardColumn& column : columns) {
        if (at != 0)
            line.closes[at] = -1;
        putFixed(column.opening);
        at += column.width;
    }
    line.closes[at] = -1;
    putFixed(kClose);
    return line;
}

constexpr std::array<WrittenLine, 4> kWrittenLines{
    DescribeWrittenLine(kNameLine), DescribeWrittenLine(kAddressLine),
    DescribeWrittenLine(kPlaceLine), DescribeWrittenLine(kPostLine)};

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

// Whether the line is laid out exactly as `written` describes: every opening and the last
// "】" in their places, and no "】" inside a column.
bool IsWrittenLine(std::string_view line, const WrittenLine& written)
{
    if (line.size() != kLineWidth)
        return false;
    const auto block = [](const std::array<char, kPlaces>& places, std::size_t at) {
        ByteBlock bytes;
        std::memcpy(&bytes, places.data() + at, kByteBlockSize);
        return bytes;
    };
    ByteBlock differences{};
    // The last block ends with the last place, overlapping the one before it.
    for (std::size_t start = 0; start < kPlaces; start += kByteBlockSize) {
        const std::size_t at = std::min(start, kPlaces - kByteBlockSize);
        ByteBlock bytes;
        std::memcpy(&bytes, line.data() + at, kByteBlockSize);
        differences |= (bytes ^ block(written.bytes, at)) & block(written.fixed, at);
        differences |= PairHits(line.data() + at, kClose[0], kClose[1]) ^ block(written.closes, at);
    }
    return FirstHit(differences) == kByteBlockSize;
}

// Reads a card line written exactly as this program writes it by position, and gives
// false, having read nothing, for any other line. In such a line every tag starts the
// rest of the line that ReadLineByTags searches, and the first "】" of that rest closes
// the column, so both read the same values; this way costs a fraction of the searches.
bool ReadLineByPosition(std::string_view line, std::size_t lineIndex, CardRecord& card)
{
    if (!IsWrittenLine(line, kWrittenLines[lineIndex]))
        return false;
    std::size_t at = 0;
    for (const CardColumn& column : kCardLines[lineIndex]) {
        at += column.opening.size();
        (card.*column.field).assign(RightTrim(line.substr(at, column.width)));
        at += column.width;
    }
    return true;
}

// Whether a line starts a card: it holds "名【", at its start in a file this program wrote.
bool StartsCard(std::string_view line)
{
    return StartsWithBytes(line, kNameTag) || FindBytes(line, kNameTag) != 0;
}

void ReadCard(std::string_view first, LineReader& reader, CardRecord& card)
{
    for (std::size_t i = 0; i < kCardLines.size(); ++i) {
        const std::string_view line = i == 0 ? first : reader.ReadLine();
        if (!ReadLineByPosition(line, i, card))
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
    if (!StartsCard(reader.ReadLine()))
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
        const std::string_view line = reader.ReadLine();
        if (StartsWithBytes(line, kSeparatorStart))
            continue;
        if (!StartsCard(line))
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
