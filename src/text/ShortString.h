#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace velm
{

// A text of at most 255 bytes kept inline: a length byte and the bytes themselves.
// Storing a longer text keeps its first 255 bytes, even when the cut falls inside a
// double-byte character, so a card never allocates.
class ShortString
{
  public:
    static constexpr std::size_t kCapacity = 255;

    ShortString() = default;
    explicit ShortString(std::string_view text) { assign(text); }
    ShortString(const ShortString& other) { assign(other.view()); }
    ShortString& operator=(const ShortString& other)
    {
        if (this != &other)
            assign(other.view());
        return *this;
    }

    // Keeps the first 255 bytes of `text`, which must not lie in this string's own bytes.
    // Inline, and copying short texts without a call, since the readers store every value
    // of a file through it.
    void assign(std::string_view text)
    {
        m_length = static_cast<std::uint8_t>(std::min(text.size(), kCapacity));
        copyShort(m_bytes.data(), text.data(), m_length);
    }
    void clear() { m_length = 0; }

    std::string_view view() const { return {m_bytes.data(), m_length}; }
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return m_length; }
    bool empty() const { return m_length == 0; }

    friend bool operator==(const ShortString& a, const ShortString& b)
    {
        return a.view() == b.view();
    }

  private:
    // Copies `count` bytes as fixed-size pieces, the last of which ends at the end and may
    // overlap the one before; the compiler turns each piece into a move or two.
    static void copyShort(char* to, const char* from, std::size_t count)
    {
        const auto copyPieces = [&]<std::size_t kPiece>() {
            for (std::size_t i = 0; i + kPiece < count; i += kPiece)
                std::memcpy(to + i, from + i, kPiece);
            std::memcpy(to + count - kPiece, from + count - kPiece, kPiece);
        };
        if (count >= 16)
            copyPieces.template operator()<16>();
        else if (count >= 8)
            copyPieces.template operator()<8>();
        else if (count >= 4)
            copyPieces.template operator()<4>();
        else
            for (std::size_t i = 0; i < count; ++i)
                to[i] = from[i];
    }

    std::uint8_t m_length = 0;
    // Only the first m_length bytes are ever read or copied, so the rest is left
    // uninitialised: a blank card then costs nothing to make, even 999 of them at once.
    std::array<char, kCapacity> m_bytes;
};

} // namespace velm
