#include "blent/PrintFormat.h"

#include "text/LineReader.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velm::blent
{
namespace
{

// A setting: the format-file line that holds it, where it goes, and the values it accepts.
struct Setting {
    int line;
    std::variant<int PrintFormat::*, double PrintFormat::*, bool PrintFormat::*,
                 Orientation PrintFormat::*>
        field;
    double min = 0;
    double max = 1;
};

const std::array<Setting, 23> kSettings{{
    {2, &PrintFormat::linesPerPage, 1, 1000},
    {3, &PrintFormat::lineSpacingPercent, -90, 900},
    {4, &PrintFormat::charSpacingPercent, -90, 900},
    {5, &PrintFormat::topMarginMm, 0, 200},
    {6, &PrintFormat::leftMarginMm, 0, 200},
    {7, &PrintFormat::pageNumbers},
    {8, &PrintFormat::fileNameInHeader},
    {9, &PrintFormat::dateInHeader},
    {10, &PrintFormat::pageNumberAtBottom},
    {11, &PrintFormat::headerOnTextGrid},
    {12, &PrintFormat::twoSided},
    {13, &PrintFormat::twoPagesPerSheet},
    {14, &PrintFormat::pageNumberAtLeft},
    {15, &PrintFormat::fontSizePt, 1, 200},
    {16, &PrintFormat::bold},
    {17, &PrintFormat::glyphsCentredInCells},
    {18, &PrintFormat::paperCode, 1, 1000},
    {19, &PrintFormat::orientation, 1, 2},
    {20, &PrintFormat::tabsExpand},
    {21, &PrintFormat::tabWidth, 1, 64},
    {22, &PrintFormat::wrapAtRightEdge},
    {23, &PrintFormat::windowWidthPx, 100, 10000},
    {24, &PrintFormat::memoWidthPx, 100, 10000},
}};

std::string_view TrimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The number before the first comma: an optional minus sign, digits, and for a fraction a
// point and more digits. Anything else gives nothing.
std::optional<double> ReadValue(std::string_view line)
{
    const std::string_view text = TrimSpaces(line.substr(0, line.find(',')));
    const std::size_t digitsFrom = text.starts_with('-') ? 1 : 0;
    bool seenDigit = false;
    bool seenPoint = false;
    for (std::size_t i = digitsFrom; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            seenDigit = true;
        else if (c == '.' && !seenPoint)
            seenPoint = true;
        else
            return std::nullopt;
    }
    if (!seenDigit)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool IsWhole(double value)
{
    return value == static_cast<double>(static_cast<long>(value));
}

// Stores `value` into the setting's field when the field can hold it.
void Apply(const Setting& setting, double value, PrintFormat& format)
{
    if (value < setting.min || value > setting.max)
        return;
    std::visit(
        [&](auto member) {
            using Field = std::remove_reference_t<decltype(format.*member)>;
            if constexpr (std::is_same_v<Field, double>) {
                format.*member = value;
            } else if (IsWhole(value)) {
                if constexpr (std::is_same_v<Field, bool>)
                    format.*member = value == 1;
                else
                    format.*member = static_cast<Field>(static_cast<int>(value));
            }
        },
        setting.field);
}

} // namespace

PrintFormat ParsePrintFormat(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    LineReader reader(bytes);
    while (!reader.AtEnd())
        lines.push_back(reader.ReadLine());

    PrintFormat format;
    for (const Setting& setting : kSettings) {
        const auto index = static_cast<std::size_t>(setting.line - 1);
        if (index >= lines.size())
            continue;
        if (const std::optional<double> value = ReadValue(lines[index]))
            Apply(setting, *value, format);
    }
    return format;
}

} // namespace velm::blent
