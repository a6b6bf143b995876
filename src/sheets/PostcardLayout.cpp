#include "sheets/PostcardLayout.h"

#include "sheets/ColumnFit.h"
#include "sheets/VerticalText.h"
#include "store/Honorific.h"
#include "text/ShiftJisCodec.h"

#include <algorithm>

namespace velm
{

namespace
{

// Japan Post's postal-code boxes: 5.7 × 8.0 mm, 12.0 mm below the top edge, the last one
// 8.0 mm from the right edge.
constexpr std::array<double, 7> kBoxLefts = {44.3, 51.3, 58.3, 65.9, 72.7, 79.5, 86.3};
constexpr double kBoxTop = 12.0;
constexpr double kBoxWidth = 5.7;
constexpr double kBoxHeight = 8.0;
// The em square of a postal digit; its figures, which are half as wide, are then about
// 5 mm tall.
constexpr double kBoxDigitSize = 6.6;

// The addressee's address, company and department: columns from the boxes' right edge to
// the left, clear of the name.
constexpr double kAddressRight = 92.0;
constexpr double kAddressLeftLimit = 58.0;
constexpr double kAddressTop = 26.0;
constexpr double kColumnBottom = 136.0;
constexpr ColumnStyle kAddressStyle{5.6, 6.2};
constexpr ColumnStyle kOfficeStyle{4.4, 4.8};
// The second address line, the company and the department start two characters lower.
constexpr double kIndentedTop = kAddressTop + 2 * kAddressStyle.pitch;

// The addressee's name down the card's vertical centre line, and the joint name to its left.
constexpr double kNameX = kPostcardWidth / 2;
constexpr double kJointNameX = kNameX - 12.0;
constexpr double kNameTop = 34.0;
constexpr ColumnStyle kNameStyle{10.0, 11.5};

// The sender in the lower left, its postal code in a row below.
constexpr double kSenderRight = 30.0;
constexpr double kSenderLeftLimit = 6.0;
constexpr double kSenderTop = 88.0;
constexpr double kSenderNameTop = 96.0;
constexpr double kSenderBottom = 134.0;
constexpr ColumnStyle kSenderAddressStyle{3.5, 3.8};
constexpr ColumnStyle kSenderNameStyle{5.0, 5.6};
constexpr double kSenderIndentedTop = kSenderTop + 2 * kSenderAddressStyle.pitch;
constexpr double kSenderDigitSize = 4.2;
constexpr double kSenderDigitPitch = 3.2;
constexpr double kSenderDigitsY = 139.5;
// The three-digit and four-digit groups stand this far apart, as the boxes do.
constexpr double kSenderDigitGroupGap = 1.2;

// The space between two columns, as a share of the size of the column that follows.
constexpr double kColumnSpacing = 0.45;

// How far 、 and 。 and the small kana move towards the upper right, as shares of their size.
constexpr double kPunctuationShift = 0.6;
constexpr double kSmallKanaShift = 0.1;

std::u32string Decoded(const ShortString& field)
{
    return DecodeShiftJis(field.view());
}

// Columns taken side by side from a right edge towards a left limit.
class ColumnFlow
{
  public:
    ColumnFlow(double right, double leftLimit) : m_right(right), m_leftLimit(leftLimit) {}

    // How many of `wanted` columns of glyphs of `size` still fit.
    int room(double size, int wanted) const
    {
        int columns = 0;
        double right = m_right;
        while (columns < wanted && right - size >= m_leftLimit) {
            right -= size * (1 + kColumnSpacing);
            ++columns;
        }
        return columns;
    }

    // Takes `count` columns and gives their centres, right to left.
    std::vector<double> take(double size, int count)
    {
        std::vector<double> centres;
        for (int i = 0; i < count; ++i) {
            centres.push_back(m_right - size / 2);
            m_right -= size * (1 + kColumnSpacing);
        }
        return centres;
    }

  private:
    double m_right;
    double m_leftLimit;
};

// A name as it is set: its characters, of which the first `hidden` only hold room (the
// family name that a joint name shares with the name beside it).
struct NameLine {
    std::u32string text;
    std::size_t hidden = 0;
};

// Builds the glyph list of one side.
class SideBuilder
{
  public:
    explicit SideBuilder(const PostcardOptions& options)
        : m_kanjiDigits(options.kanjiDigits),
          m_offsetX(std::clamp(options.offsetX, -kMaxPostcardOffset, kMaxPostcardOffset)),
          m_offsetY(std::clamp(options.offsetY, -kMaxPostcardOffset, kMaxPostcardOffset))
    {
    }

    AddressSide take() { return std::move(m_side); }
    bool kanjiDigits() const { return m_kanjiDigits; }

    void markCut() { m_side.textCut = true; }
    void setPostalCodePlace(PostalCodePlace place) { m_side.postalCode = place; }

    // One glyph whose cell is centred at (x, y), in its vertical form.
    void put(char32_t ch, double x, double y, double size, FontRole font = FontRole::Mincho)
    {
        const VerticalForm form = VerticalFormOf(ch);
        double shift = 0;
        if (form == VerticalForm::UpperRight)
            shift = kPunctuationShift * size;
        else if (form == VerticalForm::SmallKana)
            shift = kSmallKanaShift * size;
        m_side.glyphs.push_back({ch, x + shift + m_offsetX, y - shift + m_offsetY, size,
                                 form == VerticalForm::Rotated, font});
    }

    // A fitted text in its columns, whose centres are `xs`, from `top` down; the first
    // `hidden` characters are not drawn. Gives where the last cell ends.
    double putColumns(const ColumnFit& fit, const std::vector<double>& xs, double top,
                      double length, std::size_t hidden = 0)
    {
        if (fit.cut)
            markCut();
        const std::vector<CellPosition> cells =
            PlaceCells(fit.text, fit.style.pitch, length, fit.columns);
        double end = top;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const double cellTop = top + cells[i].offset;
            end = cellTop + fit.style.pitch;
            if (i < hidden || fit.text[i] == kColumnGap)
                continue;
            put(fit.text[i], xs[static_cast<std::size_t>(cells[i].column)],
                cellTop + fit.style.pitch / 2, fit.style.size);
        }
        return end;
    }

  private:
    bool m_kanjiDigits;
    double m_offsetX;
    double m_offsetY;
    AddressSide m_side;
};

// Where the lines of an address go: the first from `top`, the second from `indentedTop`,
// each in up to `maxColumns` columns ending at `bottom`.
struct AddressBlock {
    ColumnStyle style;
    double top = 0;
    double indentedTop = 0;
    double bottom = 0;
    int maxColumns = 1;
};

constexpr AddressBlock kAddresseeBlock{kAddressStyle, kAddressTop, kIndentedTop, kColumnBottom, 2};
// The sender's lines take one column each, so that its names keep their room.
constexpr AddressBlock kSenderBlock{kSenderAddressStyle, kSenderTop, kSenderIndentedTop,
                                    kSenderBottom, 1};

// Sets a text in up to `maxColumns` columns of `flow`, from `top` down to `bottom`. A text
// with no room left beside the others is dropped and counted as cut.
void PutFlowing(SideBuilder& side, ColumnFlow& flow, std::u32string_view text, ColumnStyle style,
                double top, double bottom, int maxColumns)
{
    if (text.empty())
        return;
    const int room = flow.room(style.size, maxColumns);
    if (room == 0) {
        side.markCut();
        return;
    }
    const ColumnFit fit = FitColumns(text, style, bottom - top, room);
    side.putColumns(fit, flow.take(fit.style.size, fit.columns), top, bottom - top);
}

// The address head: the postal code when it is not in the boxes, then the first line.
std::u32string AddressHead(std::u32string_view postalCode, std::u32string_view firstLine)
{
    std::u32string head(postalCode);
    if (!head.empty() && !firstLine.empty())
        head += kColumnGap;
    head += firstLine;
    return head;
}

// Sets the address lines of a card in `flow`: the first with the postal code before it when
// that did not go into boxes or a row, the second lower.
void PutAddress(SideBuilder& side, ColumnFlow& flow, const CardRecord& card, bool codePlaced,
                const AddressBlock& block)
{
    const bool kanji = side.kanjiDigits();
    const std::u32string code = codePlaced ? U"" : ColumnText(Decoded(card.PostNo), false);
    PutFlowing(side, flow, AddressHead(code, ColumnText(Decoded(card.Jusyo1), kanji)), block.style,
               block.top, block.bottom, block.maxColumns);
    PutFlowing(side, flow, ColumnText(Decoded(card.Jusyo2), kanji), block.style, block.indentedTop,
               block.bottom, block.maxColumns);
}

// The name lines of a card: Name1, and with joint names Name2, which keeps the room of a
// family name it shares with Name1 so that the given names line up.
std::vector<NameLine> NameLines(const CardRecord& card, bool jointNames)
{
    const std::u32string name1 = ColumnText(Decoded(card.Name1), false);
    std::vector<NameLine> lines{{name1, 0}};
    if (!jointNames)
        return lines;
    const std::u32string name2 = ColumnText(Decoded(card.Name2), false);
    if (name2.empty())
        return lines;
    const std::size_t familyEnd = name1.find(kColumnGap);
    const std::u32string_view family = std::u32string_view(name1).substr(0, familyEnd);
    if (familyEnd == std::u32string::npos || !name2.starts_with(family)) {
        lines.push_back({name2, 0});
        return lines;
    }
    std::size_t rest = family.size();
    while (rest < name2.size() && name2[rest] == kColumnGap)
        ++rest;
    if (rest == name2.size()) {
        // A joint name of the family name alone has no given name to line up.
        lines.push_back({name2, 0});
        return lines;
    }
    const std::size_t hidden = family.size() + 1;
    lines.push_back({std::u32string(name1.substr(0, hidden)) + name2.substr(rest), hidden});
    return lines;
}

// The names side by side at `xs`, in one shared size that lets each fit with the honorific
// after it; the honorifics stand level after the longest name.
void PutNames(SideBuilder& side, const std::vector<NameLine>& lines, std::u32string_view honorific,
              ColumnStyle style, const std::vector<double>& xs, double top, double bottom)
{
    const double length = bottom - top;
    std::u32string tail;
    if (!honorific.empty())
        tail = std::u32string(2, kColumnGap) + std::u32string(honorific);
    std::vector<ColumnFit> fits;
    ColumnStyle shared = style;
    for (const NameLine& line : lines) {
        ColumnFit fit = FitColumns(line.text + tail, style, length, 1);
        if (fit.cut) {
            // The name is cut, never the honorific.
            const double tailLength = static_cast<double>(tail.size()) * fit.style.pitch;
            fit.text = FitColumns(line.text, style, length - tailLength, 1).text + tail;
        }
        fit.text.resize(fit.text.size() - tail.size());
        shared.size = std::min(shared.size, fit.style.size);
        shared.pitch = std::min(shared.pitch, fit.style.pitch);
        fits.push_back(std::move(fit));
    }
    double end = top;
    for (std::size_t i = 0; i < fits.size(); ++i) {
        fits[i].style = shared;
        end = std::max(end, side.putColumns(fits[i], {xs[i]}, top, length, lines[i].hidden));
    }
    if (tail.empty())
        return;
    const ColumnFit honorificFit{shared, 1, tail, false};
    for (std::size_t i = 0; i < fits.size(); ++i)
        side.putColumns(honorificFit, {xs[i]}, end, bottom - end);
}

// The seven digits in the boxes.
void PutBoxDigits(SideBuilder& side, std::u32string_view digits)
{
    const auto boxes = PostalBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        side.put(digits[i], boxes[i].centreX(), boxes[i].centreY(), kBoxDigitSize,
                 FontRole::Gothic);
}

// The sender's seven digits in a row, ending under the sender's right edge.
void PutSenderDigits(SideBuilder& side, std::u32string_view digits)
{
    double x = kSenderRight - 7 * kSenderDigitPitch - kSenderDigitGroupGap + kSenderDigitPitch / 2;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i == 3)
            x += kSenderDigitGroupGap;
        side.put(digits[i], x, kSenderDigitsY, kSenderDigitSize, FontRole::Gothic);
        x += kSenderDigitPitch;
    }
}

void PutAddressee(SideBuilder& side, const CardRecord& card, const PostcardOptions& options)
{
    const std::optional<std::u32string> digits = PostalDigits(Decoded(card.PostNo));
    if (digits) {
        PutBoxDigits(side, *digits);
        side.setPostalCodePlace(PostalCodePlace::Boxes);
    } else if (!ColumnText(Decoded(card.PostNo), false).empty()) {
        side.setPostalCodePlace(PostalCodePlace::AddressHead);
    }
    ColumnFlow flow(kAddressRight, kAddressLeftLimit);
    PutAddress(side, flow, card, digits.has_value(), kAddresseeBlock);
    for (const ShortString* office : {&card.biko1, &card.biko2})
        PutFlowing(side, flow, ColumnText(Decoded(*office), false), kOfficeStyle, kIndentedTop,
                   kColumnBottom, kAddresseeBlock.maxColumns);
    const std::u32string honorific = DecodeShiftJis(Honorific(card.Mark));
    PutNames(side, NameLines(card, options.jointNames), honorific, kNameStyle,
             {kNameX, kJointNameX}, kNameTop, kColumnBottom);
}

void PutSender(SideBuilder& side, const CardRecord& sender, bool jointNames)
{
    const std::optional<std::u32string> digits = PostalDigits(Decoded(sender.PostNo));
    if (digits)
        PutSenderDigits(side, *digits);
    ColumnFlow flow(kSenderRight, kSenderLeftLimit);
    PutAddress(side, flow, sender, digits.has_value(), kSenderBlock);
    const std::vector<NameLine> lines = NameLines(sender, jointNames);
    if (lines.front().text.empty())
        return;
    const int room = flow.room(kSenderNameStyle.size, static_cast<int>(lines.size()));
    if (room < static_cast<int>(lines.size()))
        side.markCut();
    if (room == 0)
        return;
    const std::vector<NameLine> placed(lines.begin(), lines.begin() + room);
    PutNames(side, placed, U"", kSenderNameStyle, flow.take(kSenderNameStyle.size, room),
             kSenderNameTop, kSenderBottom);
}

} // namespace

std::array<PostalBox, 7> PostalBoxes()
{
    std::array<PostalBox, 7> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = {kBoxLefts[i], kBoxTop, kBoxWidth, kBoxHeight};
    return boxes;
}

std::optional<std::u32string> PostalDigits(std::u32string_view postNo)
{
    std::u32string digits;
    for (const char32_t ch : postNo) {
        if (ch >= U'0' && ch <= U'9')
            digits += ch;
        else if (ch >= U'０' && ch <= U'９')
            digits += static_cast<char32_t>(U'0' + (ch - U'０'));
    }
    if (digits.size() != 7)
        return std::nullopt;
    return digits;
}

std::optional<AddressSide> LayOutAddressSide(const CardRecord& card, const PostcardOptions& options)
{
    if (ColumnText(Decoded(card.Name1), false).empty())
        return std::nullopt;
    SideBuilder side(options);
    PutAddressee(side, card, options);
    if (options.sender)
        PutSender(side, *options.sender, options.jointNames);
    return side.take();
}

} // namespace velm
