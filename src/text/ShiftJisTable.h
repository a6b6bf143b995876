#pragma once

#include <cstddef>
#include <cstdint>

// The code page 932 decoding table, generated from Python's cp932 codec by
// scripts/gen-shiftjis-table.py. Only the codec reads it.
namespace velm::shiftjis_table
{

// Marks a single byte that is no character on its own (the lead bytes).
inline constexpr std::uint16_t kNoCharacter = 0xFFFF;

inline constexpr unsigned char kFirstTrail = 0x40;
inline constexpr unsigned char kLastTrail = 0xFC;
inline constexpr std::size_t kTrailCount = kLastTrail - kFirstTrail + 1;
inline constexpr std::size_t kLeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);

// The code point of each byte read on its own, or kNoCharacter.
extern const std::uint16_t kSingleByte[256];

// The code point of each lead/trail pair, 0 where the pair is undefined. Rows follow the
// lead bytes 0x81-0x9F and then 0xE0-0xFC; columns the trail bytes 0x40-0xFC.
extern const std::uint16_t kDoubleByte[kLeadCount][kTrailCount];

// The row of a lead byte in kDoubleByte; `lead` must satisfy IsLeadByte.
constexpr std::size_t LeadRow(unsigned char lead)
{
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
}

} // namespace velm::shiftjis_table
