#pragma once

#include <gtest/gtest.h>
#include <string_view>

namespace velm::test
{

// For EXPECT_PRED_FORMAT2: equal bytes, or a failure naming the first differing offset and
// showing both texts as hex dumps.
::testing::AssertionResult SameBytes(const char* actualExpr, const char* expectedExpr,
                                     std::string_view actual, std::string_view expected);

} // namespace velm::test
