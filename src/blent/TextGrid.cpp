#include "blent/TextGrid.h"

#include "text/LineReader.h"
#include "text/ShiftJis.h"
#include "text/ShiftJisCodec.h"

#include <string>

namespace velm::blent
{
namespace
{

constexpr char32_t kIdeographicSpace = U'\u3000';

bool IsTrailByte(unsigned char byte)
{
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// The character that starts at `bytes`, and how many bytes (and so cells) it takes. A lead
// and a trail byte that form no character are one U+FFFD over both cells; a lead byte
// followed by anything else is a U+FFFD of its own.
PlacedChar DecodeAt(std::string_view bytes)
{
    const auto lead = static_cast<unsigned char>(bytes.front());
    if (IsLeadByte(lead) && bytes.size() >= 2) {
        if (!IsTrailByte(static_cast<unsigned char>(bytes[1])))
            return {0, 1, kUndecodable};
        const std::u32string pair = DecodeShiftJis(bytes.substr(0, 2));
        return {0, 2, pair.size() == 1 ? pair.front() : kUndecodable};
    }
    const std::u32string single = DecodeShiftJis(bytes.substr(0, 1));
    return {0, 1, single.empty() ? kUndecodable : single.front()};
}

bool IsBlankOrControl(char32_t ch)
{
    return ch <= 0x20 || (ch >= 0x7F && ch <= 0x9F) || ch == kIdeographicSpace;
}

class LineBuilder
{
  public:
    LineBuilder(const GridOptions& options, std::vector<GridLine>& out)
        : m_options(options), m_out(out)
    {
    }

    void Add(std::string_view line)
    {
        m_out.emplace_back();
        m_column = 0;
        std::size_t i = 0;
        while (i < line.size()) {
            if (line[i] == '\t') {
                AddTab();
                ++i;
                continue;
            }
            PlacedChar placed = DecodeAt(line.substr(i));
            i += static_cast<std::size_t>(placed.cells);
            WrapIfPastEdge(placed.cells);
            placed.column = m_column;
            m_column += placed.cells;
            if (!IsBlankOrControl(placed.ch))
                m_out.back().chars.push_back(placed);
        }
    }

  private:
    void AddTab()
    {
        if (!m_options.tabsExpand || m_options.tabWidth < 1) {
            WrapIfPastEdge(1);
            ++m_column;
            return;
        }
        m_column = (m_column / m_options.tabWidth + 1) * m_options.tabWidth;
        if (m_options.wrapColumns > 0 && m_column >= m_options.wrapColumns)
            StartContinuation();
    }

    void WrapIfPastEdge(int cells)
    {
        if (m_options.wrapColumns > 0 && m_column > 0 && m_column + cells > m_options.wrapColumns)
            StartContinuation();
    }

    void StartContinuation()
    {
        m_out.emplace_back();
        m_column = 0;
    }

    const GridOptions& m_options;
    std::vector<GridLine>& m_out;
    int m_column = 0;
};

} // namespace

std::vector<GridLine> LayOutText(std::string_view text, const GridOptions& options)
{
    std::vector<GridLine> lines;
    LineBuilder builder(options, lines);
    LineReader reader(text);
    while (!reader.AtEnd())
        builder.Add(reader.ReadLine());
    return lines;
}

} // namespace velm::blent
