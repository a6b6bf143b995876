#include "app/Texts.h"
#include "interchange/Orbi.h"
#include "sheets/Sheets.h"
#include "store/CardStore.h"
#include "store/FileIo.h"
#include "store/FileSafeValue.h"
#include "support/Bytes.h"
#include "support/Cards.h"
#include "text/ShiftJisCodec.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The manual that the build puts beside the program: valid UTF-8 HTML that opens in any
// browser without scripts or other files, documents every menu and message, and whose
// examples and figures are what the program does.

namespace
{

using velm::test::HexBytes;
namespace texts = velm::texts;
using velm::CardRecord;
using velm::CardStore;
using velm::DecodeShiftJis;
using velm::kDefaultReadLimit;
using velm::kKnownColumns;
using velm::kOrbiColumns;
using velm::MakeStorable;
using velm::OrbiColumn;
using velm::ParseOrbi;
using velm::ShortString;
using velm::test::MakeCard;
using velm::test::StoreHolding;

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

bool IsVoidElement(const std::string& name)
{
    static const std::set<std::string> kVoidElements = {"area",  "base",   "br",    "col",  "embed",
                                                        "hr",    "img",    "input", "link", "meta",
                                                        "param", "source", "track", "wbr"};
    return kVoidElements.count(name) != 0;
}

bool IsNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-';
}

// Checks that every element other than a void element is closed by its own end tag, in
// nesting order. Comments, the doctype and the contents of <style> and <script> are
// skipped. Returns a description of the first problem, or nothing when the tags balance.
std::optional<std::string> FindTagImbalance(std::string_view html)
{
    std::vector<std::string> open;
    std::size_t at = 0;
    while ((at = html.find('<', at)) != std::string_view::npos) {
        if (html.substr(at, 4) == "<!--") {
            const std::size_t end = html.find("-->", at + 4);
            if (end == std::string_view::npos)
                return "unterminated comment at byte " + std::to_string(at);
            at = end + 3;
            continue;
        }
        const bool closing = html.substr(at, 2) == "</";
        const bool declaration = html.substr(at, 2) == "<!";
        std::size_t nameStart = at + (closing || declaration ? 2 : 1);
        std::size_t nameEnd = nameStart;
        while (nameEnd < html.size() && IsNameChar(html[nameEnd]))
            ++nameEnd;
        const std::string name = LowerCase(html.substr(nameStart, nameEnd - nameStart));
        if (name.empty() && !declaration)
            return "a '<' that starts no tag at byte " + std::to_string(at);

        char quote = 0;
        std::size_t end = nameEnd;
        for (; end < html.size(); ++end) {
            if (quote != 0) {
                if (html[end] == quote)
                    quote = 0;
            } else if (html[end] == '"' || html[end] == '\'') {
                quote = html[end];
            } else if (html[end] == '>') {
                break;
            }
        }
        if (end == html.size())
            return "unterminated tag <" + name + " at byte " + std::to_string(at);
        const bool selfClosed = html[end - 1] == '/';
        at = end + 1;
        if (declaration)
            continue;

        if (closing) {
            if (IsVoidElement(name))
                return "end tag of the void element <" + name + ">";
            if (open.empty() || open.back() != name)
                return "</" + name + "> closes " +
                       (open.empty() ? "nothing" : "<" + open.back() + ">");
            open.pop_back();
            continue;
        }
        if (IsVoidElement(name) || selfClosed)
            continue;
        if (name == "style" || name == "script") {
            const std::size_t rawEnd = LowerCase(html).find("</" + name, at);
            if (rawEnd == std::string_view::npos)
                return "unclosed <" + name + ">";
            at = rawEnd;
        }
        open.push_back(name);
    }
    if (!open.empty())
        return "unclosed <" + open.back() + ">";
    return std::nullopt;
}

// The byte offset of the first byte that breaks UTF-8, or nothing for valid UTF-8.
std::optional<std::size_t> FirstInvalidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80           ? 1
                           : (lead >> 5) == 0x6  ? 2
                           : (lead >> 4) == 0xE  ? 3
                           : (lead >> 3) == 0x1E ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size())
            return i;
        for (int k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return i;
        i += length;
    }
    return std::nullopt;
}

std::vector<std::string> Headings(const std::string& html)
{
    static const std::regex kHeading(R"(<h([1-3])[^>]*>([\s\S]*?)</h\1>)");
    std::vector<std::string> texts;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), kHeading);
         it != std::sregex_iterator(); ++it)
        texts.push_back((*it)[2].str());
    return texts;
}

// A menu's or item's caption without its accelerator: 住所録(&F) is 住所録.
std::string WithoutAccelerator(std::string_view caption)
{
    return std::string(caption.substr(0, caption.rfind("(&")));
}

// The quoted values of `attribute` (lower case) in the tags of `html`, found by hand rather
// than by std::regex, whose matcher recurses once per character and overflows the stack on
// the long data address of the manual's picture.
std::vector<std::string> AttributeValues(const std::string& html, const std::string& attribute)
{
    std::string lower = html;
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto isSpace = [](char c) {
        return std::isspace(static_cast<unsigned char>(c)) != 0;
    };
    std::vector<std::string> values;
    for (std::size_t at = lower.find(attribute); at != std::string::npos;
         at = lower.find(attribute, at + 1)) {
        if (at == 0 || !isSpace(lower[at - 1]))
            continue;
        std::size_t i = at + attribute.size();
        while (i < lower.size() && isSpace(lower[i]))
            ++i;
        if (i == lower.size() || lower[i] != '=')
            continue;
        ++i;
        while (i < lower.size() && isSpace(lower[i]))
            ++i;
        if (i == lower.size() || lower[i] != '"')
            continue;
        const std::size_t end = lower.find('"', i + 1);
        if (end == std::string::npos)
            break;
        values.push_back(html.substr(i + 1, end - i - 1));
    }
    return values;
}

// The code points of valid UTF-8 text.
std::u32string DecodeUtf8(std::string_view text)
{
    std::u32string decoded;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        decoded += c;
        i += static_cast<std::size_t>(length);
    }
    return decoded;
}

std::u16string ToUtf16(std::u32string_view text)
{
    std::u16string units;
    for (const char32_t c : text) {
        if (c < 0x10000) {
            units += static_cast<char16_t>(c);
        } else {
            units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return units;
}

// The Shift-JIS bytes of UTF-8 text.
std::string ShiftJis(std::string_view utf8)
{
    return velm::EncodeShiftJis(DecodeUtf8(utf8));
}

// What lies between the start tag of the element with `id` and its end tag `</name>`, with
// the line break that may follow a <pre> start tag dropped; nothing when there is no such
// element.
std::optional<std::string> ElementContent(const std::string& html, const std::string& id,
                                          const std::string& name)
{
    const std::size_t idAt = html.find(" id=\"" + id + "\"");
    if (idAt == std::string::npos)
        return std::nullopt;
    std::size_t start = html.find('>', idAt) + 1;
    if (html.compare(start, 1, "\n") == 0)
        ++start;
    const std::size_t end = html.find("</" + name + ">", start);
    if (end == std::string::npos)
        return std::nullopt;
    return html.substr(start, end - start);
}

// The texts of the cells of each row of a table, header cells included.
std::vector<std::vector<std::string>> TableCells(const std::string& table)
{
    static const std::regex kRow(R"(<tr>([\s\S]*?)</tr>)");
    static const std::regex kCell(R"(<t[dh][^>]*>([\s\S]*?)</t[dh]>)");
    std::vector<std::vector<std::string>> rows;
    for (auto row = std::sregex_iterator(table.begin(), table.end(), kRow);
         row != std::sregex_iterator(); ++row) {
        const std::string cells = (*row)[1].str();
        rows.emplace_back();
        for (auto cell = std::sregex_iterator(cells.begin(), cells.end(), kCell);
             cell != std::sregex_iterator(); ++cell)
            rows.back().push_back((*cell)[1].str());
    }
    return rows;
}

// "67108864" as "67,108,864".
std::string WithThousandsSeparators(std::size_t number)
{
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

TEST(TagBalance, AcceptsWellFormedMarkup)
{
    const std::vector<std::string_view> accepted = {
        "<p>text</p>",
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body></body></html>",
        "<p>a<br>b<br/>c</p>",
        "<!-- <p> inside a comment --><div></div>",
        "<a href=\"x>y\" title='<b>'>link</a>",
        "<style>p > a { color: red; } a:not(<b>)</style>",
        "<UL><li>one</LI></ul>",
        "",
    };
    for (std::string_view html : accepted) {
        const auto problem = FindTagImbalance(html);
        EXPECT_FALSE(problem.has_value()) << html << "\n" << problem.value_or("");
    }
}

TEST(TagBalance, RejectsBrokenMarkup)
{
    struct Case {
        std::string_view html;
        std::string_view problem;
    };
    const std::vector<Case> rejected = {
        {"<p>text", "unclosed <p>"},
        {"<p><b>text</p></b>", "</p> closes <b>"},
        {"</div>", "</div> closes nothing"},
        {"<p>a</br></p>", "end tag of the void element <br>"},
        {"<p title=\"a>b</p>", "unterminated tag <p"},
        {"<!-- forever", "unterminated comment"},
        {"<style>p { }", "unclosed <style>"},
        {"<p>1 < 2</p>", "a '<' that starts no tag"},
    };
    for (const Case& c : rejected) {
        const auto problem = FindTagImbalance(c.html);
        ASSERT_TRUE(problem.has_value()) << c.html;
        EXPECT_NE(problem->find(c.problem), std::string::npos)
            << c.html << "\nreported: " << *problem << "\nexpected: " << c.problem;
    }
}

TEST(Utf8Check, FindsTheFirstBadByte)
{
    struct Case {
        std::string_view text;
        std::optional<std::size_t> bad;
    };
    const std::vector<Case> cases = {
        {"plain", std::nullopt},
        {"\xE4\xBD\x8F\xE6\x89\x80", std::nullopt}, // 住所
        {"\xF0\x9F\x93\xAE", std::nullopt},         // a four-byte character
        {"ab\x8F\x5A", 2},                          // 住 in Shift-JIS
        {"a\xE4\xBD", 1},                           // cut short
        {"\xE4"
         "a"
         "\x8F",
         0}, // lead byte without continuation
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstInvalidUtf8(c.text), c.bad) << HexBytes(c.text);
}

// How the manual holds a picture.
const std::string kPngData = "data:image/png;base64,";

std::string Base64(std::string_view bytes)
{
    static constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string encoded;
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - at);
        std::uint32_t group = 0;
        for (std::size_t i = 0; i < 3; ++i)
            group = group << 8 | (i < count ? static_cast<unsigned char>(bytes[at + i]) : 0u);
        for (std::size_t i = 0; i < 4; ++i)
            encoded += i <= count ? kDigits[group >> (18 - 6 * i) & 63] : '=';
    }
    return encoded;
}

class Manual : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        std::ifstream file(VELM_MANUAL_PATH, std::ios::binary);
        found = file.good();
        html.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    void SetUp() override
    {
        ASSERT_TRUE(found) << "no manual at " << VELM_MANUAL_PATH;
        ASSERT_FALSE(html.empty());
    }

    static bool hasHeadingContaining(const std::string& text)
    {
        const auto all = Headings(html);
        return std::any_of(all.begin(), all.end(), [&](const std::string& heading) {
            return heading.find(text) != std::string::npos;
        });
    }

    static inline bool found = false;
    static inline std::string html;
};

TEST_F(Manual, IsHtml5DeclaredAsJapaneseUtf8)
{
    EXPECT_EQ(LowerCase(html.substr(0, 15)), "<!doctype html>") << HexBytes(html.substr(0, 15));
    EXPECT_NE(LowerCase(html).find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find("<html lang=\"ja\">"), std::string::npos);
    const auto bad = FirstInvalidUtf8(html);
    EXPECT_FALSE(bad.has_value()) << "invalid UTF-8 at byte " << *bad << ": "
                                  << HexBytes(std::string_view(html).substr(*bad, 8));
}

TEST_F(Manual, TagsBalance)
{
    const auto problem = FindTagImbalance(html);
    EXPECT_FALSE(problem.has_value()) << *problem;
}

// Its pictures are part of it, as data.
TEST_F(Manual, NeedsNoScriptsAndNoOtherFiles)
{
    const std::string lower = LowerCase(html);
    EXPECT_EQ(lower.find("<script"), std::string::npos);
    EXPECT_EQ(lower.find("<link"), std::string::npos);
    EXPECT_EQ(lower.find("<iframe"), std::string::npos);
    EXPECT_EQ(lower.find("url("), std::string::npos);
    for (const std::string& source : AttributeValues(html, "src"))
        EXPECT_TRUE(source.starts_with(kPngData)) << source.substr(0, 40);
}

// The picture of a printed postcard is the one in the docs folder, rendered from a PDF of
// the program's.
TEST_F(Manual, ShowsThePostcardPictureOfTheDocsFolder)
{
    std::ifstream file(VELM_DOCS_DIR "/postcard.png", std::ios::binary);
    const std::string png{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(png.empty());
    const auto sources = AttributeValues(html, "src");
    EXPECT_NE(std::find(sources.begin(), sources.end(), kPngData + Base64(png)), sources.end());
}

TEST_F(Manual, EveryLinkLeadsToAPlaceInTheManual)
{
    const auto ids = AttributeValues(html, "id");
    const std::set<std::string> targets(ids.begin(), ids.end());
    EXPECT_EQ(targets.size(), ids.size()) << "an id is used twice";
    const auto links = AttributeValues(html, "href");
    EXPECT_FALSE(links.empty()) << "the table of contents has no links";
    for (const std::string& link : links) {
        ASSERT_FALSE(link.empty());
        EXPECT_EQ(link[0], '#') << link << " leaves the manual";
        EXPECT_EQ(targets.count(link.substr(1)), 1u) << link << " leads nowhere";
    }
}

TEST_F(Manual, HasAHeadingForEveryMenuAndMenuItem)
{
    std::vector<std::string> titles;
    for (const std::string_view menu : texts::kMenus)
        titles.push_back(WithoutAccelerator(menu) + "メニュー");
    for (const std::string_view item : texts::kMenuItems)
        titles.push_back(WithoutAccelerator(item));
    for (const std::string& title : titles)
        EXPECT_TRUE(hasHeadingContaining(title)) << "no heading for " << title;
}

TEST_F(Manual, QuotesEveryQuestionAndMessageOfTheProgram)
{
    std::vector<std::string> quoted(texts::kQuotedMessages.begin(), texts::kQuotedMessages.end());
    quoted.insert(quoted.end(), texts::kOtherFormatMessages.begin(),
                  texts::kOtherFormatMessages.end());
    quoted.insert(quoted.end(), texts::kPostcardSummaryTexts.begin(),
                  texts::kPostcardSummaryTexts.end());
    for (const texts::SheetTexts& sheet : texts::kSheets) {
        for (const std::string_view after : texts::kSheetMessagesAfterName)
            quoted.push_back(texts::NamedSheet(sheet) + std::string(after));
    }
    for (const std::string_view column : texts::kCardListColumns)
        quoted.push_back("「" + std::string(column) + "」");
    quoted.push_back(std::string(texts::kAboutVersionBeforeText) +
                     std::make_unique<CardStore>()->VersionText.str());
    for (const std::string& text : quoted)
        EXPECT_NE(html.find(text), std::string::npos) << "missing: " << text << "\n"
                                                      << HexBytes(text);
}

TEST_F(Manual, TheNotebookExampleIsWhatTheProgramWrites)
{
    const auto example = ElementContent(html, "notebook-example", "pre");
    ASSERT_TRUE(example.has_value());
    const std::string name = ShiftJis("山田太郎");
    const std::string address1 = ShiftJis("東京都千代田区丸の内");
    const std::string address2 = ShiftJis("１－１－１");
    const auto store = StoreHolding({MakeCard({.Name1 = name,
                                               .Jusyo1 = address1,
                                               .Jusyo2 = address2,
                                               .PostNo = "100-0005",
                                               .Tel = "03-1234-5678"})});
    std::string written = velm::Maketetyo(*store);
    written.erase(std::remove(written.begin(), written.end(), '\r'), written.end());
    EXPECT_EQ(DecodeShiftJis(written), DecodeUtf8(*example)) << *example;
}

TEST_F(Manual, TheChangedCharactersAreWhatTheBoxesKeep)
{
    static const std::regex kExample(
        R"re(<td class="typed">([^<]*)</td><td class="kept">([^<]*)</td>)re");
    int checked = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), kExample);
         it != std::sregex_iterator(); ++it, ++checked) {
        std::u16string text = ToUtf16(DecodeUtf8((*it)[1].str()));
        std::size_t cursor = text.size();
        MakeStorable(text, cursor);
        EXPECT_EQ(text, ToUtf16(DecodeUtf8((*it)[2].str()))) << "typed: " << (*it)[1];
    }
    EXPECT_GE(checked, 4) << "the table of changed characters lost its examples";
}

TEST_F(Manual, TheImportExampleReadsAsShownAndTheLimitsAreTheProgramsOwn)
{
    const auto example = ElementContent(html, "orbi-example", "pre");
    const auto table = ElementContent(html, "orbi-example-cards", "table");
    ASSERT_TRUE(example && table);
    const auto parsed = ParseOrbi(ShiftJis(*example));
    ASSERT_TRUE(std::holds_alternative<std::vector<CardRecord>>(parsed));
    const auto& cards = std::get<std::vector<CardRecord>>(parsed);
    const auto rows = TableCells(*table);
    ASSERT_FALSE(rows.empty());
    ASSERT_EQ(cards.size(), rows.front().size() - 1) << "a column per card";

    std::vector<CardRecord> expected(cards.size());
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto& labels = texts::kCardBoxLabels;
        const auto label = std::find(labels.begin(), labels.end(), rows[r].front());
        ASSERT_NE(label, labels.end()) << rows[r].front();
        for (std::size_t k = 0; k < cards.size(); ++k)
            expected[k].fields()[std::size_t(label - labels.begin())]->assign(
                ShiftJis(rows[r].at(k + 1)));
    }
    for (std::size_t k = 0; k < cards.size(); ++k)
        EXPECT_EQ(cards[k], expected[k]) << "card " << k + 1;

    for (const OrbiColumn& column : kKnownColumns)
        EXPECT_NE(html.find("<code>" + std::string(column.tag) + "</code>"), std::string::npos)
            << column.tag;
    EXPECT_NE(html.find(std::to_string(kOrbiColumns) + "列"), std::string::npos);
    EXPECT_NE(html.find(std::to_string(ShortString::kCapacity) + "バイト"), std::string::npos);
}

TEST_F(Manual, StatesTheReadLimitInBytes)
{
    EXPECT_NE(html.find(WithThousandsSeparators(kDefaultReadLimit) + " バイト"), std::string::npos);
}

} // namespace
