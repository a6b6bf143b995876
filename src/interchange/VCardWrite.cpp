#include "interchange/VCard.h"
#include "store/CardStore.h"
#include "text/ByteSearch.h"
#include "text/ShiftJisCodec.h"
#include "text/ShiftJisText.h"

#include <initializer_list>
#include <string>
#include <string_view>

// Writing vCard files in UTF-8. Every field of a card goes into a property from which the
// reader takes it back exactly: the name whole in FN, the reading whole in SORT-STRING (3.0)
// or N's SORT-AS (4.0), the second name line in X-VELM-NAME2. The parts of the name and
// the reading in N and X-PHONETIC-* are for other programs.

namespace velm
{

namespace
{

constexpr std::size_t kFoldWidth = 75;
constexpr std::string_view kLineEnd = "\r\n";

bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The bytes that the format reserves: backslash, comma, semicolon and line breaks.
constexpr std::string_view kReservedBytes = "\\,;\r\n";

// Appends the UTF-8 text with its reserved bytes escaped.
void AppendEscaped(std::string& out, std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char byte = utf8[i];
        if (byte == '\r' || byte == '\n') {
            if (byte == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
                ++i;
            out += "\\n";
            continue;
        }
        if (kReservedBytes.find(byte) != std::string_view::npos)
            out += '\\';
        out += byte;
    }
}

// A parameter value of 4.0 between double quotes, with ^, " and line breaks escaped by
// carets.
std::string QuoteParameter(std::string_view utf8)
{
    std::string quoted = "\"";
    for (const char byte : utf8) {
        if (byte == '^')
            quoted += "^^";
        else if (byte == '"')
            quoted += "^'";
        else if (byte == '\n' || byte == '\r')
            quoted += "^n";
        else
            quoted += byte;
    }
    return quoted + '"';
}

// Writes the cards one property line at a time into a buffer used again for every line.
class CardWriter
{
  public:
    CardWriter(std::string& out, VCardVersion version) : m_out(out), m_version(version) {}

    // Writes one card and gives the number of bytes that became "?".
    std::size_t write(const CardRecord& card, std::string_view productId)
    {
        m_replaced = 0;
        const SpaceSplit name = SplitAtFirstSpace(card.Name1.view());
        const SpaceSplit reading = SplitAtFirstSpace(card.Yomi.view());

        line("BEGIN:VCARD");
        line(m_version == VCardVersion::V30 ? "VERSION:3.0" : "VERSION:4.0");
        line("PRODID:-//VELM//" + std::string(productId) + "//JA");
        property("FN", {card.Name1.view()});
        if (m_version == VCardVersion::V40 && !card.Yomi.empty()) {
            std::string yomi;
            m_replaced += AppendUtf8FromShiftJis(yomi, card.Yomi.view());
            parts("N;SORT-AS=" + QuoteParameter(yomi), {name.before, name.after, "", "", ""});
        } else {
            parts("N", {name.before, name.after, "", "", ""});
        }
        if (m_version == VCardVersion::V30)
            optionalProperty("SORT-STRING", card.Yomi.view());
        if (!reading.before.empty())
            parts("X-PHONETIC-LAST-NAME", {reading.before});
        if (!reading.after.empty())
            parts("X-PHONETIC-FIRST-NAME", {reading.after});
        optionalProperty("X-VELM-NAME2", card.Name2.view());
        if (!card.Jusyo1.empty() || !card.Jusyo2.empty() || !card.PostNo.empty())
            property("ADR;TYPE=HOME",
                     {"", card.Jusyo2.view(), card.Jusyo1.view(), "", "", card.PostNo.view(), ""});
        optionalProperty("TEL;TYPE=HOME", card.Tel.view());
        if (!card.biko1.empty() || !card.biko2.empty())
            property("ORG", {card.biko1.view(), card.biko2.view()});
        optionalProperty("NOTE", card.biko3.view());
        optionalProperty("CATEGORIES", card.Mark.view());
        line("END:VCARD");
        return m_replaced;
    }

  private:
    // Writes a property whose components are whole fields, joined by semicolons.
    void property(std::string_view head, std::initializer_list<std::string_view> fields)
    {
        writeProperty(head, fields, true);
    }

    void optionalProperty(std::string_view head, std::string_view field)
    {
        if (!field.empty())
            property(head, {field});
    }

    // The same for components that are parts of fields written whole elsewhere, whose
    // replaced bytes are counted there.
    void parts(std::string_view head, std::initializer_list<std::string_view> parts)
    {
        writeProperty(head, parts, false);
    }

    void writeProperty(std::string_view head, std::initializer_list<std::string_view> values,
                       bool counted)
    {
        m_line.assign(head);
        m_line += ':';
        bool first = true;
        for (const std::string_view value : values) {
            if (!first)
                m_line += ';';
            first = false;
            appendValue(value, counted);
        }
        line(m_line);
    }

    // Appends the UTF-8 of a Shift-JIS value to the line, escaped.
    void appendValue(std::string_view shiftJis, bool counted)
    {
        const std::size_t start = m_line.size();
        const std::size_t replaced = AppendUtf8FromShiftJis(m_line, shiftJis);
        if (counted)
            m_replaced += replaced;
        // The value rarely holds a reserved byte; the Shift-JIS holds every one the UTF-8
        // does.
        if (!ContainsAnyByte(shiftJis, kReservedBytes))
            return;
        m_escaping.assign(m_line, start);
        m_line.resize(start);
        AppendEscaped(m_line, m_escaping);
    }

    // Writes a logical line folded into lines of at most 75 bytes, never inside a UTF-8
    // character; each continuation starts with a space.
    void line(std::string_view text)
    {
        std::size_t width = kFoldWidth;
        while (text.size() > width) {
            std::size_t cut = width;
            while (cut > 1 && IsContinuationByte(text[cut]))
                --cut;
            m_out += text.substr(0, cut);
            m_out += kLineEnd;
            m_out += ' ';
            text.remove_prefix(cut);
            width = kFoldWidth - 1;
        }
        m_out += text;
        m_out += kLineEnd;
    }

    std::string& m_out;
    VCardVersion m_version;
    std::size_t m_replaced = 0;
    std::string m_line;
    std::string m_escaping;
};

} // namespace

ExportedFile FormatVCard(const CardStore& store, VCardVersion version)
{
    ExportedFile exported;
    // About twice the card's bytes, as kanji take three bytes in UTF-8 and names and
    // readings are written whole and in parts.
    exported.bytes.reserve(static_cast<std::size_t>(store.CardCount) * 6 * 1024);
    CardWriter writer(exported.bytes, version);
    for (int k = 1; k <= store.CardCount; ++k)
        exported.report.countCard(writer.write(store.card(k), store.VersionText.view()), false);
    return exported;
}

} // namespace velm
