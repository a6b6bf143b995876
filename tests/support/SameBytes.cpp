#include "support/SameBytes.h"

#include "support/Bytes.h"

#include <algorithm>

namespace velm::test
{

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
