#pragma once

#include "support/Bytes.h"

// The print tool's tests reach the hex helper by this name; every other test includes
// support/Bytes.h.
namespace velm::testing
{
using test::HexBytes;
} // namespace velm::testing
