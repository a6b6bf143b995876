#pragma once

#include <string>
#include <string_view>

namespace velm {

// Paths are split character by character: a byte that is the second byte of a
// double-byte Shift-JIS character is never taken for a separator. The separators are
// "\" and ":" on Windows and "/" elsewhere.

// Everything up to and including the last separator; empty when there is none.
std::string DirectoryPart(std::string_view path);

// Everything after the last separator.
std::string FileNamePart(std::string_view path);

// The path with the extension (from the last full stop after the last separator)
// replaced by `extension`, which includes its full stop; appended when there is none.
std::string ChangeExtension(std::string_view path, std::string_view extension);

} // namespace velm
