#include "blent/PrintFormat.h"

#include "text/LineReader.h"

#include <charconv>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velm::blent
{
namespace
{

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
void Apply(const FormatSetting& setting, double value, PrintFormat& format)
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
    while (!reader.atEnd())
        lines.push_back(reader.readLine());

    PrintFormat format;
    std::size_t index = kFirstSettingLine - 1;
    for (const FormatSetting& setting : FormatSettings()) {
        if (index >= lines.size())
            break;
        if (const std::optional<double> value = ReadValue(lines[index]))
            Apply(setting, *value, format);
        ++index;
    }
    return format;
}

} // namespace velm::blent
