#pragma once

#include "store/CardRecord.h"
#include "text/ShiftJisCodec.h"

#include <string>
#include <string_view>

namespace velm::test
{

// The texts of a card that a postcard prints, as Unicode, for designated initialisers.
struct PostcardText {
    std::u32string_view Name1{};
    std::u32string_view Name2{};
    std::u32string_view Mark{};
    std::u32string_view Jusyo1{};
    std::u32string_view Jusyo2{};
    std::u32string_view PostNo{};
    std::u32string_view biko1{};
    std::u32string_view biko2{};
};

// The card holding the texts as Shift-JIS, its other fields empty.
inline CardRecord MakePostcardCard(const PostcardText& text)
{
    CardRecord card;
    card.Name1.assign(EncodeShiftJis(text.Name1));
    card.Name2.assign(EncodeShiftJis(text.Name2));
    card.Mark.assign(EncodeShiftJis(text.Mark));
    card.Jusyo1.assign(EncodeShiftJis(text.Jusyo1));
    card.Jusyo2.assign(EncodeShiftJis(text.Jusyo2));
    card.PostNo.assign(EncodeShiftJis(text.PostNo));
    card.biko1.assign(EncodeShiftJis(text.biko1));
    card.biko2.assign(EncodeShiftJis(text.biko2));
    return card;
}

} // namespace velm::test
