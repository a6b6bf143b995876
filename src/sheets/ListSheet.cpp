#include "sheets/SheetText.h"
#include "sheets/Sheets.h"
#include "store/CardStore.h"
#include "text/FixedColumn.h"

namespace velm
{
namespace
{

using sheet::kLineEnd;

constexpr std::string_view kTopLeft = "\x84\xA1";   // ┌
constexpr std::string_view kTopTee = "\x84\xA6";    // ┬
constexpr std::string_view kTopRight = "\x84\xA2";  // ┐
constexpr std::string_view kLeftTee = "\x84\xA5";   // ├
constexpr std::string_view kCross = "\x84\xA9";     // ┼
constexpr std::string_view kRightTee = "\x84\xA7";  // ┤
constexpr std::string_view kRule = "\x84\x9F";      // ─
constexpr std::string_view kBar = "\x84\xA0";       // │
constexpr std::string_view kMiddleDot = "\x81\x45"; // ・

// Every line is 80 bytes: a bar, the 18-byte name column, a bar, the 56-byte second
// column and a bar. The second column holds 〒 and PostNo or Tel, then the address.
constexpr std::size_t kNameRules = 9;
constexpr std::size_t kSecondColumnRules = 28;
constexpr std::size_t kNameWidth = 18;
constexpr std::size_t kPostNoWidth = 14;
constexpr std::size_t kTelWidth = 16;
constexpr std::size_t kAddressWidth = 40;

void AppendRuleLine(std::string& out, std::string_view left, std::string_view middle,
                    std::string_view right)
{
    out += left;
    sheet::AppendRepeated(out, kRule, kNameRules);
    out += middle;
    sheet::AppendRepeated(out, kRule, kSecondColumnRules);
    out += right;
    out += kLineEnd;
}

void AppendSeparator(std::string& out)
{
    AppendRuleLine(out, kLeftTee, kCross, kRightTee);
}

// Appends the glyph preceded by `spaces` full-width spaces.
void AppendSpaced(std::string& out, std::size_t spaces, std::string_view glyph)
{
    sheet::AppendRepeated(out, sheet::kFullWidthSpace, spaces);
    out += glyph;
}

// The column titles 氏名 and 〒・電 住所, spaced out with full-width spaces.
void AppendTitleLine(std::string& out)
{
    out += kBar;
    AppendSpaced(out, 2, "\x8E\x81"); // 氏
    AppendSpaced(out, 3, "\x96\xBC"); // 名
    AppendSpaced(out, 2, kBar);
    AppendSpaced(out, 1, sheet::kPostalMark);
    AppendSpaced(out, 1, kMiddleDot);
    AppendSpaced(out, 1, "\x93\x64"); // 電
    AppendSpaced(out, 8, "\x8F\x5A"); // 住
    AppendSpaced(out, 6, "\x8F\x8A"); // 所
    AppendSpaced(out, 6, kBar);
    out += kLineEnd;
}

void AppendHeading(std::string& out)
{
    AppendRuleLine(out, kTopLeft, kTopTee, kTopRight);
    AppendTitleLine(out);
    AppendSeparator(out);
}

// Name1, 〒 and PostNo, Jusyo1 on the first line; Name2, Tel, Jusyo2 on the second; then
// the separator.
void AppendListEntry(std::string& out, const CardRecord& card)
{
    out += kBar;
    AppendWholeCharColumn(out, card.Name1.view(), kNameWidth);
    out += kBar;
    out += sheet::kPostalMark;
    AppendWholeCharColumn(out, card.PostNo.view(), kPostNoWidth);
    AppendWholeCharColumn(out, card.Jusyo1.view(), kAddressWidth);
    out += kBar;
    out += kLineEnd;

    out += kBar;
    AppendWholeCharColumn(out, card.Name2.view(), kNameWidth);
    out += kBar;
    AppendWholeCharColumn(out, card.Tel.view(), kTelWidth);
    AppendWholeCharColumn(out, card.Jusyo2.view(), kAddressWidth);
    out += kBar;
    out += kLineEnd;

    AppendSeparator(out);
}

} // namespace

std::string Makeitiran(const CardStore& store)
{
    std::string out;
    AppendHeading(out);
    for (int k = 1; k <= store.CardCount; ++k)
        AppendListEntry(out, store.card(k));
    return out;
}

} // namespace velm
