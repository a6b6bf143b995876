#include "blent/CommandLine.h"

#include <cstddef>

namespace velm::blent
{

std::variant<Invocation, UsageError> ParseCommandLine(const std::vector<std::string>& args)
{
    Invocation invocation;
    std::size_t first = 0;
    if (!args.empty() && args.front() == "--pdf") {
        if (args.size() < 2 || args[1].empty())
            return UsageError{"--pdf needs the path of the PDF to write"};
        invocation.pdfOut = args[1];
        first = 2;
    }
    for (std::size_t i = first; i < args.size(); ++i) {
        if (i > first)
            invocation.file += ' ';
        invocation.file += args[i];
    }
    if (invocation.file.empty())
        return UsageError{"no file to print"};
    return invocation;
}

} // namespace velm::blent
