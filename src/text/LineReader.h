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

    // Inline, since the readers call them for every line of a file.
    std::string_view readLine()
    {
        if (atEnd())
            return {};
        const std::string_view rest = m_text.substr(m_position);
        const std::size_t lineFeed = rest.find('\n');
        std::string_view line = rest.substr(0, lineFeed);
        if (lineFeed == std::string_view::npos) {
            m_position = m_text.size();
            return line;
        }
        m_position += lineFeed + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    }

    bool atEnd() const
    {
        return m_position >= m_text.size() || m_text[m_position] == kEndOfFileMark;
    }

  private:
    static constexpr char kEndOfFileMark = '\x1A';

    std::string_view m_text;
    std::size_t m_position = 0;
};

} // namespace velm
