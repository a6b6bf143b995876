#include "text/FixedColumn.h"

#include "text/ShiftJis.h"

#include <algorithm>

namespace velm
{

void AppendFixedColumn(std::string& out, std::string_view text, std::size_t width)
{
    const std::size_t kept = std::min(text.size(), width);
    out.append(text.substr(0, kept));
    out.append(width - kept, ' ');
}

void AppendWholeCharColumn(std::string& out, std::string_view text, std::size_t width)
{
    const std::size_t start = out.size();
    AppendFixedColumn(out, text, width);
    // Characters are found from the column's first byte, since a trail byte can take the
    // value of a lead byte.
    for (std::size_t i = start; i < out.size(); ++i) {
        if (!IsLeadByte(static_cast<unsigned char>(out[i])))
            continue;
        if (i + 1 < out.size() && IsTrailByte(static_cast<unsigned char>(out[i + 1])))
            ++i;
        else
            out[i] = ' ';
    }
}

} // namespace velm
