#include "interchange/Csv.h"
#include "interchange/CsvColumns.h"
#include "interchange/ForeignCard.h"
#include "store/CardStore.h"
#include "text/ByteSearch.h"
#include "text/ShiftJisCodec.h"
#include "text/ShiftJisText.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading CSV and tab-separated text. Quotes, separators and line breaks are never part
// of a Shift-JIS or UTF-8 character, so the rows are cut byte by byte; values become
// Shift-JIS afterwards.

namespace velm
{

namespace
{

// Tab-separated when the first line that is not blank holds a tab, and at least as many
// tabs as commas.
char SeparatorOf(std::string_view text)
{
    text.remove_prefix(std::min(text.size(), text.find_first_not_of("\r\n")));
    const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    const auto tabs = std::ranges::count(firstLine, '\t');
    return tabs > 0 && tabs >= std::ranges::count(firstLine, ',') ? '\t' : ',';
}

// The rows of the text, cell by cell, as RFC 4180 quotes them: a quoted cell may hold
// separators and line breaks, and a doubled quote stands for one. Bytes after a closing
// quote are kept; a row ends at CR LF, CR or LF.
class CsvRows
{
  public:
    CsvRows(std::string_view text, char separator) : m_text(text), m_separator(separator) {}

    bool next(std::vector<std::string>& cells)
    {
        cells.clear();
        if (m_at >= m_text.size())
            return false;
        for (;;) {
            cells.push_back(cell());
            if (m_at >= m_text.size())
                return true;
            const char byte = m_text[m_at++];
            if (byte == '\r' && m_at < m_text.size() && m_text[m_at] == '\n')
                ++m_at;
            if (byte != m_separator)
                return true;
        }
    }

  private:
    std::string cell()
    {
        std::string value;
        if (m_at < m_text.size() && m_text[m_at] == '"')
            quoted(value);
        const char ends[] = {m_separator, '\r', '\n'};
        const std::size_t end = FindAnyByte(m_text.substr(m_at), {ends, sizeof ends});
        const std::size_t length = end == std::string_view::npos ? m_text.size() - m_at : end;
        value += m_text.substr(m_at, length);
        m_at += length;
        return value;
    }

    void quoted(std::string& value)
    {
        ++m_at;
        for (;;) {
            const std::size_t quote = m_text.find('"', m_at);
            if (quote == std::string_view::npos) {
                value += m_text.substr(m_at);
                m_at = m_text.size();
                return;
            }
            value += m_text.substr(m_at, quote - m_at);
            m_at = quote + 1;
            if (m_at >= m_text.size() || m_text[m_at] != '"')
                return;
            value += '"';
            ++m_at;
        }
    }

    std::string_view m_text;
    char m_separator;
    std::size_t m_at = 0;
};

bool AllEmpty(const std::vector<std::string>& cells)
{
    return std::ranges::all_of(cells, [](const std::string& cell) { return cell.empty(); });
}

constexpr std::string_view kValueSuffix = " - Value";
constexpr std::string_view kLabelSuffixes[] = {" - Label", " - Type"};

// A column as its header describes it.
struct Column {
    std::optional<CsvRole> role;
    std::string header; // Shift-JIS, the kind of its memo items
    // A "X - Label" or "X - Type" column describes the "X - Value" column and gives no item
    // of its own; the value column names its kind after it.
    bool isLabel = false;
    std::optional<std::size_t> labelColumn;
};

bool IsLabelHeader(std::string_view header)
{
    return std::ranges::any_of(
        kLabelSuffixes, [header](std::string_view suffix) { return header.ends_with(suffix); });
}

std::vector<Column> ReadHeader(const std::vector<std::string>& cells, FileText& file)
{
    std::vector<Column> columns;
    std::size_t uncounted = 0;
    for (const std::string& cell : cells) {
        Column& column = columns.emplace_back();
        column.header = file.shiftJis(cell, uncounted);
        column.role = RoleOfHeader(DecodeShiftJis(column.header));
        column.isLabel = !column.role && IsLabelHeader(column.header);
    }
    for (Column& column : columns) {
        if (column.role || !column.header.ends_with(kValueSuffix))
            continue;
        const std::string prefix =
            column.header.substr(0, column.header.size() - kValueSuffix.size());
        const auto labelsIt = [&prefix](const Column& other) {
            return other.isLabel &&
                   std::ranges::any_of(kLabelSuffixes, [&](std::string_view suffix) {
                       return other.header == prefix + std::string(suffix);
                   });
        };
        const auto label = std::ranges::find_if(columns, labelsIt);
        if (label != columns.end())
            column.labelColumn = static_cast<std::size_t>(label - columns.begin());
    }
    return columns;
}

// The values of a row by what they hold, as Shift-JIS.
struct RowValues {
    std::string name1, name2, family, given, middle, yomi, reading, familyReading, givenReading;
    std::string mark, postNo, region, locality, street, building, country, formatted;
    std::string tel, mobile, company, department, memo;
    std::string mobileKind;

    // The value a column of that role fills, or nothing for a role whose value is not kept.
    std::string* of(CsvRole role)
    {
        switch (role) {
        case CsvRole::Name1:
            return &name1;
        case CsvRole::Name2:
            return &name2;
        case CsvRole::FamilyName:
            return &family;
        case CsvRole::GivenName:
            return &given;
        case CsvRole::MiddleName:
            return &middle;
        case CsvRole::Yomi:
            return &yomi;
        case CsvRole::Reading:
            return &reading;
        case CsvRole::FamilyReading:
            return &familyReading;
        case CsvRole::GivenReading:
            return &givenReading;
        case CsvRole::Mark:
            return &mark;
        case CsvRole::PostNo:
            return &postNo;
        case CsvRole::Region:
            return &region;
        case CsvRole::Locality:
            return &locality;
        case CsvRole::Street:
            return &street;
        case CsvRole::Building:
            return &building;
        case CsvRole::Country:
            return &country;
        case CsvRole::FormattedAddress:
            return &formatted;
        case CsvRole::Tel:
            return &tel;
        case CsvRole::Mobile:
            return &mobile;
        case CsvRole::PhoneLabel:
            return nullptr;
        case CsvRole::Company:
            return &company;
        case CsvRole::Department:
            return &department;
        case CsvRole::Memo:
            return &memo;
        }
        return nullptr;
    }
};

// The kind of the memo item of a column without a field; none for a value beyond the
// header's columns.
std::string ItemKind(const std::vector<Column>& columns, std::size_t i,
                     const std::vector<std::string>& cells, FileText& file)
{
    if (i >= columns.size())
        return {};
    const Column& column = columns[i];
    const std::optional<std::size_t> label = column.labelColumn;
    if (!label || *label >= cells.size() || cells[*label].empty())
        return column.header;
    std::size_t uncounted = 0;
    return column.header.substr(0, column.header.size() - kValueSuffix.size()) + " (" +
           file.shiftJis(cells[*label], uncounted) + ")";
}

ForeignCard MapRow(const std::vector<Column>& columns, const std::vector<std::string>& cells,
                   FileText& file)
{
    ForeignCard card;
    RowValues row;
    // A value beyond the header's columns goes to the memo too.
    static const Column kBeyondTheHeader;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Column& column = i < columns.size() ? columns[i] : kBeyondTheHeader;
        if (cells[i].empty() || column.isLabel)
            continue;
        const std::string value = file.shiftJis(cells[i], card.replaced);
        const std::optional<CsvRole> role = column.role;
        std::string* target = role ? row.of(*role) : nullptr;
        if (role == CsvRole::Street)
            row.street = JoinAddress({row.street, value});
        else if (target && target->empty())
            *target = value;
        else if (role != CsvRole::PhoneLabel)
            card.addMemoItem(ItemKind(columns, i, cells, file), value);
        if (role == CsvRole::Mobile)
            row.mobileKind = column.header;
    }

    card.name1 = !row.name1.empty() ? row.name1 : JoinName({row.family, row.given, row.middle});
    card.name2 = row.name2;
    card.yomi =
        !row.yomi.empty()
            ? row.yomi
            : FullWidthKana(!row.reading.empty() ? row.reading
                                                 : JoinName({row.familyReading, row.givenReading}));
    card.mark = row.mark;
    card.jusyo1 = JoinAddress({row.region, row.locality, row.street});
    if (card.jusyo1.empty())
        card.jusyo1 = row.formatted;
    card.jusyo2 = JoinWithSpace({row.building, IsJapan(row.country) ? "" : row.country});
    card.postNo = row.postNo;
    card.tel = !row.tel.empty() ? row.tel : row.mobile;
    if (!row.tel.empty())
        card.addMemoItem(row.mobileKind, row.mobile);
    card.company = row.company;
    card.department = row.department;
    card.memo = row.memo;
    return card;
}

bool IsBlank(ForeignCard& card)
{
    const auto values = card.values();
    return card.memoItems.empty() &&
           std::ranges::all_of(values, [](const std::string* value) { return value->empty(); });
}

} // namespace

ImportResult ParseCsv(std::string_view bytes)
{
    FileText file(bytes);
    CsvRows rows(file.text(), SeparatorOf(file.text()));
    std::vector<std::string> cells;
    while (rows.next(cells) && AllEmpty(cells)) {
    }
    const std::vector<Column> columns = ReadHeader(cells, file);
    if (std::ranges::none_of(columns, [](const Column& column) { return column.role.has_value(); }))
        return ImportRefusal::NoKnownColumn;

    ImportedCards imported;
    // Room for every card of a large file, so that the store can take the vector as its
    // slots.
    imported.cards.reserve(std::min<std::size_t>(CardStore::kCapacity, bytes.size() / 16 + 1));
    while (rows.next(cells)) {
        ForeignCard card = MapRow(columns, cells, file);
        if (IsBlank(card))
            continue;
        if (imported.cards.size() == static_cast<std::size_t>(CardStore::kCapacity))
            return ImportRefusal::TooManyCards;
        imported.cards.push_back(TakeForeignCard(std::move(card), imported.report));
    }
    return imported;
}

} // namespace velm
