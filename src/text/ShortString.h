#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
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

    void assign(std::string_view text);
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
    std::uint8_t m_length = 0;
    // Only the first m_length bytes are ever read or copied, so the rest is left
    // uninitialised: a blank card then costs nothing to make, even 999 of them at once.
    std::array<char, kCapacity> m_bytes;
};

} // namespace velm
