#pragma once

namespace velm
{

// True for a byte that starts a double-byte Shift-JIS character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace velm
