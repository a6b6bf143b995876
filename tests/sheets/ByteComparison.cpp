#include "ByteComparison.h"

#include <algorithm>
#include <cstdio>

namespace velm::test
{

std::string HexDump(std::string_view bytes)
{
    std::string dump;
    char cell[32];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0) {
            std::snprintf(cell, sizeof cell, "%s%06zx:", i == 0 ? "" : "\n", i);
            dump += cell;
        }
        std::snprintf(cell, sizeof cell, " %02x", static_cast<unsigned char>(bytes[i]));
        dump += cell;
    }
    return dump;
}

::testing::AssertionResult SameBytes(const char* actualExpr, const char* expectedExpr,
                                     std::string_view actual, std::string_view expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const auto mismatch =
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    return ::testing::AssertionFailure()
           << actualExpr << " differs from " << expectedExpr << " at byte offset "
           << (mismatch.first - actual.begin()) << " (sizes " << actual.size() << " and "
           << expected.size() << ")\nactual:\n"
           << HexDump(actual) << "\nexpected:\n"
           << HexDump(expected);
}

} // namespace velm::test
