#include "blent/TextGrid.h"

#include "text/LineReader.h"
#include "text/ShiftJis.h"
#include "text/ShiftJisCodec.h"

#include <algorithm>

namespace velm::blent
{
namespace
{

constexpr char32_t kIdeographicSpace = U'\u3000';

// One step along a line: a character or a tab, where it starts and the cells it takes.
struct CellStep {
    std::size_t offset = 0;
    std::size_t size = 1;
    int column = 0;
    int cells = 1;
    bool startsLine = false; // wrapping moves it to the start of a new grid line
};

// Walks a line's bytes a character at a time. A lead byte followed by a byte that cannot
// end a character is a character of one cell by itself. A tab never wraps: it stops at the
// wrap column, and the character after it starts the next line.
class CellWalker
{
  public:
    CellWalker(std::string_view bytes, const GridOptions& options)
        : m_bytes(bytes), m_options(options)
    {
    }

    bool atEnd() const { return m_offset >= m_bytes.size(); }

    CellStep next()
    {
        CellStep step{m_offset, 1, m_column, 1, false};
        const bool tab = m_bytes[m_offset] == '\t';
        if (isWholePairAt(m_offset))
            step.size = step.cells = 2;
        else if (tab)
            step.cells = tabCells();
        const int wrap = m_options.wrapColumns;
        if (!tab && wrap > 0 && m_column > 0 && m_column + step.cells > wrap) {
            step.startsLine = true;
            step.column = 0;
        }
        m_offset += step.size;
        m_column = step.column + step.cells;
        if (tab && wrap > 0)
            m_column = std::min(m_column, wrap);
        return step;
    }

  private:
    bool isWholePairAt(std::size_t at) const
    {
        return at + 1 < m_bytes.size() && IsLeadByte(static_cast<unsigned char>(m_bytes[at])) &&
               IsTrailByte(static_cast<unsigned char>(m_bytes[at + 1]));
    }

    int tabCells() const
    {
        if (!m_options.tabsExpand || m_options.tabWidth < 1)
            return 1;
        return m_options.tabWidth - m_column % m_options.tabWidth;
    }

    std::string_view m_bytes;
    const GridOptions& m_options;
    std::size_t m_offset = 0;
    int m_column = 0;
};

bool IsBlankOrControl(char32_t ch)
{
    return ch <= 0x20 || (ch >= 0x7F && ch <= 0x9F) || ch == kIdeographicSpace;
}

// Characters of the private use area (the code page's user-defined characters and the
// byte 0xA0) have no glyph in any font the tool can count on.
bool IsPrivateUse(char32_t ch)
{
    return ch >= 0xE000 && ch <= 0xF8FF;
}

char32_t Decode(std::string_view bytes)
{
    const std::u32string decoded = DecodeShiftJis(bytes);
    if (decoded.size() != 1 || IsPrivateUse(decoded.front()))
        return kUndecodable;
    return decoded.front();
}

} // namespace

std::vector<GridLine> SplitIntoGridLines(std::string_view text, const GridOptions& options)
{
    std::vector<GridLine> lines;
    LineReader reader(text);
    while (!reader.atEnd()) {
        const std::string_view line = reader.readLine();
        const auto offset = static_cast<std::size_t>(line.data() - text.data());
        lines.push_back({offset, line.size(), false});
        CellWalker walker(line, options);
        while (!walker.atEnd()) {
            const CellStep step = walker.next();
            if (!step.startsLine)
                continue;
            GridLine& part = lines.back();
            part.length = offset + step.offset - part.offset;
            lines.push_back({offset + step.offset, line.size() - step.offset, true});
        }
    }
    return lines;
}

std::vector<PlacedChar> PlaceCharacters(std::string_view bytes, const GridOptions& options,
                                        int columns)
{
    std::vector<PlacedChar> chars;
    CellWalker walker(bytes, options);
    while (!walker.atEnd()) {
        const CellStep step = walker.next();
        if (step.column + step.cells > columns)
            break;
        if (bytes[step.offset] == '\t')
            continue;
        const char32_t ch = Decode(bytes.substr(step.offset, step.size));
        if (!IsBlankOrControl(ch))
            chars.push_back({step.column, step.cells, ch});
    }
    return chars;
}

} // namespace velm::blent
