#pragma once

#include "store/CardRecord.h"
#include "text/HexBytes.h"

#include <array>
#include <string>
#include <string_view>

namespace velm::testing
{

// The eleven values of a card in record order.
using CardValues = std::array<std::string_view, CardRecord::kFieldCount>;

inline CardRecord MakeCard(const CardValues& values)
{
    CardRecord card;
    auto fields = card.fields();
    for (std::size_t i = 0; i < values.size(); ++i)
        fields[i]->assign(values[i]);
    return card;
}

// The card's fields as hex, one per line, for failure messages.
inline std::string DescribeCard(const CardRecord& card)
{
    std::string text;
    for (const ShortString* field : card.fields())
        text += "  [" + HexBytes(field->view()) + "]\n";
    return text;
}

} // namespace velm::testing
