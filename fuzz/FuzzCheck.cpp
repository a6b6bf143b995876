#include "FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

namespace velm::fuzz
{

namespace
{

std::string& CurrentInputName()
{
    static std::string name;
    return name;
}

} // namespace

void SetCurrentInputName(std::string name)
{
    CurrentInputName() = std::move(name);
}

std::string Hex(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (!hex.empty())
            hex += ' ';
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex.empty() ? "(empty)" : hex;
}

std::string DescribeCard(const CardRecord& card)
{
    std::string text;
    for (const ShortString* field : card.fields())
        text += "  [" + Hex(field->view()) + "]\n";
    return text;
}

void Fail(std::string_view invariant, std::string_view detail)
{
    std::fprintf(stderr, "invariant broken: %.*s\n", static_cast<int>(invariant.size()),
                 invariant.data());
    if (!CurrentInputName().empty())
        std::fprintf(stderr, "input: %s\n", CurrentInputName().c_str());
    if (!detail.empty())
        std::fprintf(stderr, "%.*s\n", static_cast<int>(detail.size()), detail.data());
    std::abort();
}

} // namespace velm::fuzz
