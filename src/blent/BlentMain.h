#pragma once

namespace velm::blent
{

// The whole program: reads the command line, then shows the preview window or writes the
// PDF. Returns the exit code: 0 on success, 1 for a file that cannot be read or written,
// 2 for a command line it cannot use.
int RunBlent(int argc, char** argv);

} // namespace velm::blent
