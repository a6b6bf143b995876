#pragma once

#include <string>
#include <string_view>

namespace velm
{

class CardStore;

// The notebook sheet (addrb7.txt): a heavy box per card holding Name1 and the telephone
// number, then the postal code and the two address lines.
std::string Maketetyo(const CardStore& store);

// The list sheet (addrb5.txt): a ruled table of 80-byte lines, a heading and three lines
// per card.
std::string Makeitiran(const CardStore& store);

// The print tool's format files, addrb7.bpc and addrb5.bpc: 24 fixed lines each.
std::string_view Maketetyobpc();
std::string_view Makeitiranbpc();

} // namespace velm
