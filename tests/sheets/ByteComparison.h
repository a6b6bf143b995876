#pragma once

// The sheet tests reach the byte assertions by this name; every other test includes the
// headers in support/.
#include "support/Bytes.h"
#include "support/SameBytes.h"
