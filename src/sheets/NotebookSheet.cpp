#include "sheets/SheetText.h"
#include "sheets/Sheets.h"
#include "store/CardStore.h"
#include "text/FixedColumn.h"

namespace velm
{
namespace
{

using sheet::kLineEnd;

constexpr std::string_view kTopLeft = "\x84\xAC";     // ┏
constexpr std::string_view kTopRight = "\x84\xAD";    // ┓
constexpr std::string_view kBottomLeft = "\x84\xAF";  // ┗
constexpr std::string_view kBottomRight = "\x84\xAE"; // ┛
constexpr std::string_view kRule = "\x84\xAA";        // ━
constexpr std::string_view kBar = "\x84\xAB";         // ┃
constexpr std::string_view kTelLabel = "\x93\x64";    // 電

// The box is 22 bytes wide: two corners around nine rules, or two bars around the name.
constexpr std::size_t kRuleCount = 9;
constexpr std::size_t kNameWidth = 18;

void AppendBoxEdge(std::string& out, std::string_view left, std::string_view right)
{
    out += left;
    sheet::AppendRepeated(out, kRule, kRuleCount);
    out += right;
}

// Five lines: the box top; Name1 between bars, then 電 and the whole Tel; the box bottom,
// then 〒 and the whole PostNo; the two address lines whole.
void AppendNotebookEntry(std::string& out, const CardRecord& card)
{
    AppendBoxEdge(out, kTopLeft, kTopRight);
    out += kLineEnd;

    out += kBar;
    AppendWholeCharColumn(out, card.Name1.view(), kNameWidth);
    out += kBar;
    out += kTelLabel;
    out += card.Tel.view();
    out += kLineEnd;

    AppendBoxEdge(out, kBottomLeft, kBottomRight);
    out += sheet::kPostalMark;
    out += card.PostNo.view();
    out += kLineEnd;

    out += card.Jusyo1.view();
    out += kLineEnd;
    out += card.Jusyo2.view();
    out += kLineEnd;
}

} // namespace

std::string Maketetyo(const CardStore& store)
{
    std::string out;
    for (int k = 1; k <= store.CardCount; ++k)
        AppendNotebookEntry(out, store.card(k));
    return out;
}

} // namespace velm
