#include "text/FixedColumn.h"

#include <algorithm>

namespace velm
{

void AppendFixedColumn(std::string& out, std::string_view text, std::size_t width)
{
    const std::size_t kept = std::min(text.size(), width);
    out.append(text.substr(0, kept));
    out.append(width - kept, ' ');
}

std::string FixedColumn(std::string_view text, std::size_t width)
{
    std::string column;
    column.reserve(width);
    AppendFixedColumn(column, text, width);
    return column;
}

} // namespace velm
