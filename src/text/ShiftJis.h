#pragma once

namespace velm
{

// True for a byte that starts a double-byte Shift-JIS character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// True for a byte that can end a double-byte Shift-JIS character (0x40-0x7E, 0x80-0xFC).
constexpr bool IsTrailByte(unsigned char byte)
{
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

} // namespace velm
