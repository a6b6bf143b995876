#pragma once

#include <string>
#include <string_view>

namespace velm
{

// A path in a folder of this run's own, made on first use on the disk the temporary folder
// is on, and removed with everything in it when the program ends.
std::string ScratchPath(std::string_view name);

} // namespace velm
