#include "interchange/Csv.h"
#include "store/CardStore.h"
#include "text/ByteSearch.h"
#include "text/ShiftJisCodec.h"
#include "text/ShiftJisText.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

// Writing CSV files: this program's columns with Japanese headers, or the columns of web
// contact services. Every value is written as it is, quoted where it must be.

namespace velm
{

namespace
{

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// This program's columns, with the postal code before the address as on an envelope.
struct VelmColumn {
    std::u32string_view header;
    ShortString CardRecord::*field;
};
constexpr std::array<VelmColumn, CardRecord::kFieldCount> kVelmColumns{{
    {U"名前１", &CardRecord::Name1},
    {U"名前２", &CardRecord::Name2},
    {U"読み", &CardRecord::Yomi},
    {U"印", &CardRecord::Mark},
    {U"〒", &CardRecord::PostNo},
    {U"住所１", &CardRecord::Jusyo1},
    {U"住所２", &CardRecord::Jusyo2},
    {U"電話", &CardRecord::Tel},
    {U"会社", &CardRecord::biko1},
    {U"所属", &CardRecord::biko2},
    {U"メモ", &CardRecord::biko3},
}};

constexpr std::array<std::u32string_view, 16> kContactsHeaders{
    U"First Name",
    U"Middle Name",
    U"Last Name",
    U"Phonetic First Name",
    U"Phonetic Last Name",
    U"Phone 1 - Label",
    U"Phone 1 - Value",
    U"Address 1 - Street",
    U"Address 1 - City",
    U"Address 1 - Region",
    U"Address 1 - Postal Code",
    U"Address 1 - Country",
    U"Address 1 - Extended Address",
    U"Organization Name",
    U"Organization Department",
    U"Notes",
};

constexpr std::string_view kHomeLabel = "Home";
constexpr std::u32string_view kName2Kind = U"名前２";
constexpr std::u32string_view kMarkKind = U"印";

bool NeedsQuotes(std::string_view value)
{
    return ContainsAnyByte(value, ",\"\r\n");
}

class CsvWriter
{
  public:
    CsvWriter(std::string& out, TextEncoding encoding) : m_out(out), m_encoding(encoding) {}

    void header(std::span<const std::u32string_view> names)
    {
        std::size_t uncounted = 0;
        for (std::size_t i = 0; i < names.size(); ++i)
            cell(i == 0, EncodeShiftJis(names[i]), uncounted);
        m_out += kLineEnd;
    }

    // Writes one row of Shift-JIS values and gives the number of bytes that became "?".
    template <std::size_t N> std::size_t row(const std::array<std::string_view, N>& values)
    {
        std::size_t replaced = 0;
        for (std::size_t i = 0; i < N; ++i)
            cell(i == 0, values[i], replaced);
        m_out += kLineEnd;
        return replaced;
    }

  private:
    void cell(bool first, std::string_view shiftJis, std::size_t& replaced)
    {
        if (!first)
            m_out += ',';
        std::string_view value = shiftJis;
        if (m_encoding == TextEncoding::Utf8) {
            m_converted.clear();
            replaced += AppendUtf8FromShiftJis(m_converted, shiftJis);
            value = m_converted;
        }
        if (!NeedsQuotes(value)) {
            m_out += value;
            return;
        }
        m_out += '"';
        for (const char byte : value) {
            if (byte == '"')
                m_out += '"';
            m_out += byte;
        }
        m_out += '"';
    }

    std::string& m_out;
    TextEncoding m_encoding;
    std::string m_converted;
};

std::array<std::string_view, CardRecord::kFieldCount> VelmRow(const CardRecord& card)
{
    std::array<std::string_view, CardRecord::kFieldCount> values;
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = (card.*kVelmColumns[i].field).view();
    return values;
}

// A name split at its first space into the family and the given name; a name that is only
// a space stays whole, so that it is not lost.
SpaceSplit FamilyAndGiven(std::string_view name)
{
    const SpaceSplit split = SplitAtFirstSpace(name);
    if (split.before.empty() && split.after.empty())
        return {name, {}};
    return split;
}

// The memo followed by the fields that have no column of their own.
std::string ContactsNotes(const CardRecord& card)
{
    std::string notes(card.biko3.view());
    const auto addItem = [&notes](std::u32string_view kind, std::string_view value) {
        if (value.empty())
            return;
        if (!notes.empty())
            notes += kMemoItemSeparator;
        notes += EncodeShiftJis(kind) + std::string(kMemoKindSeparator) + std::string(value);
    };
    addItem(kName2Kind, card.Name2.view());
    addItem(kMarkKind, card.Mark.view());
    return notes;
}

} // namespace

ExportedFile FormatCsv(const CardStore& store, CsvLayout layout, TextEncoding encoding)
{
    ExportedFile exported;
    std::string& out = exported.bytes;
    out.reserve(static_cast<std::size_t>(store.CardCount) * 4 * 1024);
    if (encoding == TextEncoding::Utf8)
        out += kUtf8Mark;
    CsvWriter writer(out, encoding);
    if (layout == CsvLayout::Velm) {
        std::array<std::u32string_view, kVelmColumns.size()> headers;
        std::ranges::transform(kVelmColumns, headers.begin(), &VelmColumn::header);
        writer.header(headers);
    } else {
        writer.header(kContactsHeaders);
    }
    for (int k = 1; k <= store.CardCount; ++k) {
        const CardRecord& card = store.card(k);
        std::size_t replaced = 0;
        if (layout == CsvLayout::Velm) {
            replaced = writer.row(VelmRow(card));
        } else {
            const SpaceSplit name = FamilyAndGiven(card.Name1.view());
            const SpaceSplit reading = FamilyAndGiven(card.Yomi.view());
            const std::string notes = ContactsNotes(card);
            replaced = writer.row(std::array<std::string_view, kContactsHeaders.size()>{
                name.after, "", name.before, reading.after, reading.before,
                card.Tel.empty() ? "" : kHomeLabel, card.Tel.view(), card.Jusyo1.view(), "", "",
                card.PostNo.view(), "", card.Jusyo2.view(), card.biko1.view(), card.biko2.view(),
                notes});
        }
        exported.report.countCard(replaced, false);
    }
    return exported;
}

} // namespace velm
