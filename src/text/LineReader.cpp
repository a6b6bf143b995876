#include "text/LineReader.h"

namespace velm
{

namespace
{

constexpr char kEndOfFileMark = '\x1A';

} // namespace

bool LineReader::AtEnd() const
{
    return m_position >= m_text.size() || m_text[m_position] == kEndOfFileMark;
}

std::string_view LineReader::ReadLine()
{
    if (AtEnd())
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

} // namespace velm
