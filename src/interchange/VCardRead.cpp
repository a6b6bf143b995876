#include "interchange/FileText.h"
#include "interchange/ForeignCard.h"
#include "interchange/VCard.h"
#include "store/CardStore.h"
#include "text/AsciiCase.h"
#include "text/ShiftJisCodec.h"
#include "text/ShiftJisText.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Reading vCard files. The file is taken apart into unfolded lines, each line into its
// property name, parameters and value. A card's properties are collected up to its END and
// then mapped onto the fields; values become Shift-JIS before their escapes are undone, so
// that a backslash that is the second byte of a character is never taken for an escape.

namespace velm
{

namespace
{

// The escape rules differ: 2.1 escapes only the semicolon, 3.0 and 4.0 also the backslash,
// the comma and line breaks.
enum class Dialect { V21, V30, V40 };

// ---- Properties ---------------------------------------------------------------------

// One line taken apart. Views point into the line.
struct PropertyLine {
    std::string name; // upper case, without its group
    bool home = false;
    bool quotedPrintable = false;
    bool base64 = false;
    bool irmcName = false; // SOUND;X-IRMC-N, the reading of feature phones
    std::optional<TextEncoding> charset;
    std::string_view sortAs;
    std::string_view value;
};

// The position of the first colon outside double quotes, which ends the name and the
// parameters, or npos.
std::size_t ValueColon(std::string_view line)
{
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return std::string_view::npos;
}

// Calls `take` with each part of `text` between separators outside double quotes.
template <typename Take> void ForEachPart(std::string_view text, char separator, Take&& take)
{
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == '"')
            quoted = !quoted;
        if (i == text.size() || (text[i] == separator && !quoted)) {
            take(text.substr(start, i - start));
            start = i + 1;
        }
    }
}

std::string_view Unquoted(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

std::optional<TextEncoding> CharsetOf(std::string_view name)
{
    constexpr std::string_view kShiftJisNames[] = {"SHIFT_JIS", "SHIFT-JIS",   "SJIS",  "CP932",
                                                   "MS_KANJI",  "WINDOWS-31J", "X-SJIS"};
    const std::string upper = AsciiUpper(name);
    if (upper == "UTF-8" || upper == "UTF8")
        return TextEncoding::Utf8;
    if (std::ranges::find(kShiftJisNames, upper) != std::end(kShiftJisNames))
        return TextEncoding::ShiftJis;
    return std::nullopt;
}

void ReadEncoding(PropertyLine& property, std::string_view encoding)
{
    const std::string upper = AsciiUpper(encoding);
    if (upper == "QUOTED-PRINTABLE")
        property.quotedPrintable = true;
    else if (upper == "BASE64" || upper == "B")
        property.base64 = true;
}

// A parameter without a name, as 2.1 writes types and encodings.
void ReadBareParameter(PropertyLine& property, std::string_view parameter)
{
    const std::string upper = AsciiUpper(parameter);
    if (upper == "HOME")
        property.home = true;
    else if (upper == "X-IRMC-N")
        property.irmcName = true;
    else
        ReadEncoding(property, upper);
}

void ReadParameter(PropertyLine& property, std::string_view parameter)
{
    const std::size_t equals = parameter.find('=');
    if (equals == std::string_view::npos) {
        ReadBareParameter(property, parameter);
        return;
    }
    const std::string key = AsciiUpper(parameter.substr(0, equals));
    const std::string_view value = Unquoted(parameter.substr(equals + 1));
    if (key == "TYPE") {
        ForEachPart(value, ',', [&property](std::string_view type) {
            property.home = property.home || EqualsIgnoringAsciiCase(type, "HOME");
        });
    } else if (key == "ENCODING") {
        ReadEncoding(property, value);
    } else if (key == "CHARSET") {
        property.charset = CharsetOf(value);
    } else if (key == "SORT-AS") {
        property.sortAs = value;
    }
}

std::optional<PropertyLine> ParsePropertyLine(std::string_view line)
{
    const std::size_t colon = ValueColon(line);
    if (colon == std::string_view::npos)
        return std::nullopt;
    PropertyLine property;
    bool first = true;
    ForEachPart(line.substr(0, colon), ';', [&](std::string_view part) {
        if (!first) {
            ReadParameter(property, part);
            return;
        }
        first = false;
        if (const std::size_t dot = part.rfind('.'); dot != std::string_view::npos)
            part.remove_prefix(dot + 1);
        property.name = AsciiUpper(part);
    });
    property.value = line.substr(colon + 1);
    return property;
}

// ---- Lines ----------------------------------------------------------------------------

bool StartsWithWhitespace(std::string_view line)
{
    return !line.empty() && (line.front() == ' ' || line.front() == '\t');
}

bool IsQuotedPrintable(std::string_view line)
{
    // Only a line that names the encoding is taken apart to see whether it is one.
    if (!ContainsIgnoringAsciiCase(line.substr(0, ValueColon(line)), "QUOTED-PRINTABLE"))
        return false;
    const std::optional<PropertyLine> property = ParsePropertyLine(line);
    return property && property->quotedPrintable;
}

// The logical lines of a vCard file: a line that starts with a space or a tab continues
// the one before it without that character, and a quoted-printable value whose line ends
// with "=" (a soft line break) continues on the next line without the "=".
class LogicalLines
{
  public:
    explicit LogicalLines(std::string_view text) : m_text(text) { advance(); }

    bool next(std::string& line)
    {
        if (!m_hasNext)
            return false;
        line.assign(m_next);
        advance();
        const bool quotedPrintable = IsQuotedPrintable(line);
        while (m_hasNext) {
            const bool folded = StartsWithWhitespace(m_next);
            const bool softBreak = quotedPrintable && line.ends_with('=') && !m_next.empty();
            if (!folded && !softBreak)
                break;
            if (softBreak)
                line.pop_back();
            line += folded ? m_next.substr(1) : m_next;
            advance();
        }
        return true;
    }

  private:
    // Takes the next physical line, without its CR LF, as the one looked at.
    void advance()
    {
        m_hasNext = m_at < m_text.size();
        if (!m_hasNext)
            return;
        const std::size_t lineFeed = m_text.find('\n', m_at);
        const std::size_t end = lineFeed == std::string_view::npos ? m_text.size() : lineFeed;
        m_next = m_text.substr(m_at, end - m_at);
        if (m_next.ends_with('\r'))
            m_next.remove_suffix(1);
        m_at = end == m_text.size() ? end : end + 1;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::string_view m_next;
    bool m_hasNext = false;
};

// ---- Values -------------------------------------------------------------------------

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char upper = AsciiUpper(c);
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

// "=XX" becomes the byte XX; any other "=" stays.
std::string DecodeQuotedPrintable(std::string_view value)
{
    std::string bytes;
    bytes.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const int high = i + 2 < value.size() && value[i] == '=' ? HexDigit(value[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(value[i + 2]) : -1;
        if (low >= 0) {
            bytes += static_cast<char>(high << 4 | low);
            i += 2;
        } else {
            bytes += value[i];
        }
    }
    return bytes;
}

// A property of a card, kept until the card ends: its value as the file's bytes, decoded
// from quoted-printable, and the encoding it names, if any.
struct CardProperty {
    std::string name;
    bool home = false;
    bool irmcName = false;
    std::optional<TextEncoding> charset;
    std::string value;
    std::string sortAs;
};

CardProperty KeepProperty(const PropertyLine& line)
{
    return {line.name,
            line.home,
            line.irmcName,
            line.charset,
            line.quotedPrintable ? DecodeQuotedPrintable(line.value) : std::string(line.value),
            std::string(line.sortAs)};
}

// The character an escape stands for, or nothing when the pair is no escape.
std::optional<char> Unescaped(char escaped, Dialect dialect)
{
    if (escaped == ';')
        return ';';
    if (dialect == Dialect::V21)
        return std::nullopt;
    switch (escaped) {
    case '\\':
    case ',':
    case ':':
        return escaped;
    case 'n':
    case 'N':
        return '\n';
    default:
        return std::nullopt;
    }
}

// The Shift-JIS text split at its unescaped semicolons when `structured`, with the escapes
// undone.
std::vector<std::string> UnescapeValue(std::string_view text, Dialect dialect, bool structured)
{
    // Most values hold no backslash, and a semicolon is never part of a character.
    if (text.find('\\') == std::string_view::npos) {
        std::vector<std::string> parts;
        std::size_t start = 0;
        std::size_t semicolon = 0;
        while (structured && (semicolon = text.find(';', start)) != std::string_view::npos) {
            parts.emplace_back(text.substr(start, semicolon - start));
            start = semicolon + 1;
        }
        parts.emplace_back(text.substr(start));
        return parts;
    }
    std::vector<std::string> parts(1);
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t length = CharacterLength(text, at);
        const char byte = text[at];
        if (length == 1 && byte == '\\' && at + 1 < text.size()) {
            if (const std::optional<char> unescaped = Unescaped(text[at + 1], dialect)) {
                parts.back() += *unescaped;
                at += 2;
                continue;
            }
        }
        if (length == 1 && byte == ';' && structured)
            parts.emplace_back();
        else
            parts.back() += text.substr(at, length);
        at += length;
    }
    return parts;
}

// A parameter value of 4.0 with its caret escapes undone: ^^, ^n and ^'.
std::string UncaretParameter(std::string_view text)
{
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t length = CharacterLength(text, at);
        if (length == 1 && text[at] == '^' && at + 1 < text.size()) {
            const char next = text[at + 1];
            const char replacement = next == 'n' ? '\n' : next == '\'' ? '"' : next;
            if (next == '^' || next == 'n' || next == '\'') {
                out += replacement;
                at += 2;
                continue;
            }
        }
        out += text.substr(at, length);
        at += length;
    }
    return out;
}

Dialect DialectOf(std::string_view version)
{
    if (version.starts_with("2."))
        return Dialect::V21;
    if (version.starts_with("4."))
        return Dialect::V40;
    return Dialect::V30;
}

// ---- Mapping ------------------------------------------------------------------------

// Properties that hold nothing for the user, or that the mapping reads whole.
constexpr std::string_view kTechnicalNames[] = {
    "VERSION", "PRODID",      "REV",        "UID", "KIND", "CLIENTPIDMAP", "PROFILE", "NAME",
    "LABEL",   "SORT-STRING", "CATEGORIES", "FN",  "N"};
constexpr std::string_view kTechnicalPrefixes[] = {"X-VELM-", "X-PHONETIC-", "X-AB"};
// Pictures, sounds and keys: binary parts, or links to them.
constexpr std::string_view kBinaryNames[] = {"PHOTO", "LOGO", "KEY", "SOUND"};

struct MemoKind {
    std::string_view property;
    std::u32string_view kind;
};
constexpr MemoKind kMemoKinds[] = {
    {"TEL", U"電話"},
    {"EMAIL", U"メール"},
    {"ADR", U"住所"},
    {"BDAY", U"誕生日"},
    {"ANNIVERSARY", U"記念日"},
    {"URL", U"URL"},
    {"NICKNAME", U"ニックネーム"},
    {"TITLE", U"役職"},
    {"ROLE", U"役割"},
    {"NOTE", U"メモ"},
    {"ORG", U"会社"},
    {"GENDER", U"性別"},
};

bool IsSkipped(const CardProperty& property)
{
    const std::string& name = property.name;
    return std::ranges::find(kTechnicalNames, name) != std::end(kTechnicalNames) ||
           std::ranges::find(kBinaryNames, name) != std::end(kBinaryNames) ||
           std::ranges::any_of(kTechnicalPrefixes, [&name](std::string_view prefix) {
               return name.starts_with(prefix);
           });
}

// The kind of a memo item: a Japanese word for the usual properties, else the name.
std::string MemoKindOf(const std::string& name)
{
    const auto* known = std::ranges::find(kMemoKinds, name, &MemoKind::property);
    return known != std::end(kMemoKinds) ? EncodeShiftJis(known->kind) : name;
}

// Maps the properties of one card onto a ForeignCard, converting only the values it uses.
class CardMapping
{
  public:
    CardMapping(const std::vector<CardProperty>& properties, Dialect dialect, FileText& file)
        : m_properties(properties), m_dialect(dialect), m_file(file)
    {
    }

    ForeignCard take()
    {
        takeNames();
        takeReading();
        const CardProperty* address = chosen("ADR");
        const CardProperty* tel = chosen("TEL");
        const CardProperty* org = first("ORG");
        const CardProperty* note = first("NOTE");
        if (address)
            takeAddress(*address);
        if (tel)
            m_card.tel = displayValue(*tel);
        if (org) {
            const std::vector<std::string> units = components(*org);
            m_card.company = units.front();
            m_card.department = JoinRest(units);
        }
        if (note)
            m_card.memo = text(*note);
        for (const CardProperty& property : m_properties) {
            if (property.name == "CATEGORIES")
                m_card.mark =
                    m_card.mark.empty() ? text(property) : m_card.mark + "," + text(property);
            else if (&property != address && &property != tel && &property != org &&
                     &property != note && !IsSkipped(property))
                m_card.addMemoItem(MemoKindOf(property.name), displayValue(property));
        }
        return std::move(m_card);
    }

  private:
    const CardProperty* first(std::string_view name, bool onlyHome = false) const
    {
        const auto found = std::ranges::find_if(m_properties, [&](const CardProperty& property) {
            return property.name == name && (!onlyHome || property.home);
        });
        return found == m_properties.end() ? nullptr : &*found;
    }

    // The property typed HOME, else the first of that name.
    const CardProperty* chosen(std::string_view name) const
    {
        const CardProperty* home = first(name, true);
        return home ? home : first(name);
    }

    std::string shiftJis(std::string_view bytes, const CardProperty& property)
    {
        return property.charset ? m_file.shiftJis(bytes, *property.charset, m_card.replaced)
                                : m_file.shiftJis(bytes, m_card.replaced);
    }

    std::vector<std::string> components(const CardProperty& property)
    {
        return UnescapeValue(shiftJis(property.value, property), m_dialect, true);
    }

    std::string text(const CardProperty& property)
    {
        std::string value = shiftJis(property.value, property);
        if (value.find('\\') == std::string::npos)
            return value;
        return UnescapeValue(value, m_dialect, false).front();
    }

    static std::string_view Part(const std::vector<std::string>& parts, std::size_t i)
    {
        return i < parts.size() ? std::string_view(parts[i]) : std::string_view();
    }

    static std::string JoinRest(const std::vector<std::string>& parts)
    {
        std::string rest;
        for (std::size_t i = 1; i < parts.size(); ++i)
            rest = JoinWithSpace({rest, parts[i]});
        return rest;
    }

    void takeNames()
    {
        if (const CardProperty* fn = first("FN"))
            m_card.name1 = text(*fn);
        if (const CardProperty* n = first("N"); n && m_card.name1.empty()) {
            const std::vector<std::string> parts = components(*n);
            m_card.name1 = JoinName({Part(parts, 0), Part(parts, 1)});
        }
        if (const CardProperty* name2 = first("X-VELM-NAME2"))
            m_card.name2 = text(*name2);
    }

    // The reading whole when the file gives it, else put together from its parts.
    void takeReading()
    {
        if (const CardProperty* sortString = first("SORT-STRING")) {
            m_card.yomi = text(*sortString);
            return;
        }
        if (const CardProperty* n = first("N"); n && !n->sortAs.empty()) {
            m_card.yomi = UncaretParameter(shiftJis(n->sortAs, *n));
            return;
        }
        const CardProperty* last = first("X-PHONETIC-LAST-NAME");
        const CardProperty* given = first("X-PHONETIC-FIRST-NAME");
        if (last || given) {
            m_card.yomi = FullWidthKana(JoinName(
                {last ? text(*last) : std::string(), given ? text(*given) : std::string()}));
            return;
        }
        const auto sound = std::ranges::find_if(
            m_properties, [](const CardProperty& p) { return p.name == "SOUND" && p.irmcName; });
        if (sound != m_properties.end()) {
            const std::vector<std::string> parts = components(*sound);
            m_card.yomi = FullWidthKana(JoinName({Part(parts, 0), Part(parts, 1)}));
        }
    }

    // ADR: post-office box; extended address; street; locality; region; postal code;
    // country.
    void takeAddress(const CardProperty& address)
    {
        const std::vector<std::string> parts = components(address);
        const std::string_view country = Part(parts, 6);
        m_card.jusyo1 = JoinAddress({Part(parts, 4), Part(parts, 3), Part(parts, 2)});
        m_card.jusyo2 =
            JoinWithSpace({Part(parts, 1), Part(parts, 0), IsJapan(country) ? "" : country});
        m_card.postNo = Part(parts, 5);
    }

    // The value of a property as its memo item, or its field, shows it.
    std::string displayValue(const CardProperty& property)
    {
        if (property.name == "ADR") {
            const std::vector<std::string> parts = components(property);
            return JoinWithSpace({Part(parts, 5),
                                  JoinAddress({Part(parts, 4), Part(parts, 3), Part(parts, 2)}),
                                  Part(parts, 1), Part(parts, 0), Part(parts, 6)});
        }
        if (property.name == "ORG") {
            const std::vector<std::string> units = components(property);
            return JoinWithSpace({units.front(), JoinRest(units)});
        }
        std::string value = text(property);
        // 4.0 may give a telephone number as a URI.
        if (property.name == "TEL" && EqualsIgnoringAsciiCase(value.substr(0, 4), "tel:"))
            value.erase(0, 4);
        return value;
    }

    const std::vector<CardProperty>& m_properties;
    Dialect m_dialect;
    FileText& m_file;
    ForeignCard m_card;
};

bool IsVCardValue(std::string_view value)
{
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
        value.remove_suffix(1);
    return EqualsIgnoringAsciiCase(value, "VCARD");
}

} // namespace

ImportResult ParseVCard(std::string_view bytes)
{
    FileText file(bytes);
    LogicalLines lines(file.text());
    ImportedCards imported;
    // Room for every card of a large file, so that the store can take the vector as its
    // slots; the shortest card takes some 30 bytes.
    imported.cards.reserve(std::min<std::size_t>(CardStore::kCapacity, bytes.size() / 30 + 1));
    std::vector<CardProperty> properties;
    Dialect dialect = Dialect::V30;
    int depth = 0; // cards nested in cards, as 2.1 allows for an agent, are skipped
    bool afterAgent = false;
    std::string line;
    const auto endCard = [&] {
        if (imported.cards.size() == static_cast<std::size_t>(CardStore::kCapacity))
            return false;
        imported.cards.push_back(
            TakeForeignCard(CardMapping(properties, dialect, file).take(), imported.report));
        return true;
    };
    while (lines.next(line)) {
        const std::optional<PropertyLine> property = ParsePropertyLine(line);
        if (!property)
            continue;
        const bool agentBefore = std::exchange(afterAgent, property->name == "AGENT");
        if (property->name == "BEGIN" && IsVCardValue(property->value)) {
            // 2.1 writes an agent's card right after the AGENT line. Any other card that
            // begins inside an open one means the open card lacks its END: it ends here,
            // so that neither it nor the cards after it are lost.
            if (depth > 0 && !agentBefore) {
                if (!endCard())
                    return ImportRefusal::TooManyCards;
                depth = 0;
            }
            if (depth++ == 0) {
                properties.clear();
                dialect = Dialect::V30;
            }
        } else if (property->name == "END" && IsVCardValue(property->value)) {
            if (depth > 0 && --depth == 0 && !endCard())
                return ImportRefusal::TooManyCards;
        } else if (depth == 1 && property->name == "VERSION") {
            dialect = DialectOf(property->value);
        } else if (depth == 1 && !property->base64) {
            properties.push_back(KeepProperty(*property));
        }
    }
    // A card that the file leaves open ends with the file.
    if (depth > 0 && !endCard())
        return ImportRefusal::TooManyCards;
    if (imported.cards.empty())
        return ImportRefusal::NoCards;
    return imported;
}

bool LooksLikeVCard(std::string_view bytes)
{
    // The start of the file is enough, whatever its encoding.
    constexpr std::size_t kStart = 256;
    const FileText file(bytes.substr(0, kStart));
    std::string_view text = file.text();
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return false;
    text.remove_prefix(start);
    return EqualsIgnoringAsciiCase(text.substr(0, 11), "BEGIN:VCARD");
}

} // namespace velm
