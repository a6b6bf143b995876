#pragma once

#include <cstddef>
#include <string_view>

namespace velm
{

// Reads a text held in memory line by line: a line ends at LF and is given without it, a
// CR right before the LF is dropped too. The end is reached after the last byte, or when
// the next unread byte is 0x1A (the old end-of-file mark); a 0x1A inside a line is data.
// Reading at the end gives empty lines.
class LineReader
{
  public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    std::string_view ReadLine();
    bool AtEnd() const;

  private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

} // namespace velm
