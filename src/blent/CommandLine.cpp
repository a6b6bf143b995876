#include "blent/CommandLine.h"

#include "blent/BlentTexts.h"

#include <cstddef>

namespace velm::blent
{

std::variant<Invocation, UsageError> ParseCommandLine(const std::vector<std::string>& args)
{
    Invocation invocation;
    std::size_t first = 0;
    if (!args.empty() && args.front() == "--pdf") {
        if (args.size() < 2 || args[1].empty())
            return UsageError{texts::kPdfPathMissing};
        invocation.pdfOut = args[1];
        first = 2;
    }
    std::string file;
    for (std::size_t i = first; i < args.size(); ++i) {
        if (i > first)
            file += ' ';
        file += args[i];
    }
    if (!file.empty())
        invocation.file = file;
    else if (invocation.pdfOut || args.size() > first)
        return UsageError{texts::kFileMissing};
    return invocation;
}

} // namespace velm::blent
