#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace velm
{

// The position, counting from 1, of the first occurrence of `needle` in `text`, or 0.
// The search is byte-wise and takes no account of double-byte characters, so a match may
// start on the second byte of one.
std::size_t FindBytes(std::string_view text, std::string_view needle);

// Sixteen places of a text tested at once. GCC and Clang turn these vectors into SSE2 on
// x86-64, NEON on ARM and plain code elsewhere. The readers test every value of a file,
// mostly short ones, where a call to a library search costs more than the search itself.
using ByteBlock = char __attribute__((vector_size(16)));
inline constexpr std::size_t kByteBlockSize = sizeof(ByteBlock);

// For each of the sixteen places from `at` on, all bits set where the byte `first` is
// followed by the byte `second` and none elsewhere. Reads the seventeen bytes from `at`.
inline ByteBlock PairHits(const char* at, char first, char second)
{
    ByteBlock firsts;
    ByteBlock seconds;
    std::memcpy(&firsts, at, kByteBlockSize);
    std::memcpy(&seconds, at + 1, kByteBlockSize);
    return (firsts == first) & (seconds == second);
}

// The index of the first place set in `hits`, or kByteBlockSize when none is.
inline std::size_t FirstHit(ByteBlock hits)
{
    constexpr std::size_t kHalf = sizeof(std::uint64_t);
    // The index of the first byte set in a word, counting in memory order.
    const auto firstSetByte = [](std::uint64_t word) {
        const int bit = std::endian::native == std::endian::little ? std::countr_zero(word)
                                                                   : std::countl_zero(word);
        return static_cast<std::size_t>(bit) / 8;
    };
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    std::memcpy(&low, &hits, kHalf);
    std::memcpy(&high, reinterpret_cast<const char*>(&hits) + kHalf, kHalf);
    if (low != 0)
        return firstSetByte(low);
    if (high != 0)
        return kHalf + firstSetByte(high);
    return kByteBlockSize;
}

// The position, counting from 1, of the first place in `text` where the byte `first` is
// followed by the byte `second`, or 0; the same as FindBytes with a two-byte needle.
inline std::size_t FindBytePair(std::string_view text, char first, char second)
{
    // A block of places is tested when the byte after its last place is in the text too.
    std::size_t i = 0;
    for (; i + kByteBlockSize + 1 <= text.size(); i += kByteBlockSize) {
        const std::size_t hit = FirstHit(PairHits(text.data() + i, first, second));
        if (hit != kByteBlockSize)
            return i + hit + 1;
    }
    // The last few places, one by one.
    for (; i + 1 < text.size(); ++i) {
        if (text[i] == first && text[i + 1] == second)
            return i + 1;
    }
    return 0;
}

// The index of the first byte of `text` that is one of the bytes of `set`, a few bytes such
// as the separators of a format, or npos; sixteen places at a time, since readers and
// writers of such formats ask it for every value.
inline std::size_t FindAnyByte(std::string_view text, std::string_view set)
{
    std::size_t i = 0;
    for (; i + kByteBlockSize <= text.size(); i += kByteBlockSize) {
        ByteBlock bytes;
        std::memcpy(&bytes, text.data() + i, kByteBlockSize);
        ByteBlock hits{};
        for (const char byte : set)
            hits |= bytes == byte;
        if (const std::size_t hit = FirstHit(hits); hit != kByteBlockSize)
            return i + hit;
    }
    const std::size_t rest = text.substr(i).find_first_of(set);
    return rest == std::string_view::npos ? rest : i + rest;
}

inline bool ContainsAnyByte(std::string_view text, std::string_view set)
{
    return FindAnyByte(text, set) != std::string_view::npos;
}

// Whether `text` begins with the bytes of `prefix`. Parsers call this for every value with
// tags of a few bytes, where comparing inline is much cheaper than a call to memcmp.
inline bool StartsWithBytes(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (text[i] != prefix[i])
            return false;
    }
    return true;
}

} // namespace velm
