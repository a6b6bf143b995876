#include "FuzzCheck.h"

#include "store/CardStore.h"

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

void CheckStorable(const std::vector<CardRecord>& cards)
{
    Check(cards.size() <= static_cast<std::size_t>(CardStore::kCapacity), "at most 999 cards");
    for (const CardRecord& card : cards) {
        for (const ShortString* field : card.fields()) {
            Check(field->size() <= ShortString::kCapacity, "no field over 255 bytes");
            Check(field->view().find("\x81\x7A") == std::string_view::npos,
                  "no field holds the closing bracket's bytes", [&] { return DescribeCard(card); });
        }
    }
}

} // namespace velm::fuzz
