#pragma once

#include <string>
#include <string_view>

namespace velm
{

// Paths are split character by character: a byte that is the second byte of a
// double-byte Shift-JIS character is never taken for a separator. The separators are
// "\" and ":" on Windows and "/" elsewhere.

#ifdef _WIN32
inline constexpr std::string_view kPathSeparators = "\\:";
#else
inline constexpr std::string_view kPathSeparators = "/";
#endif

// Everything up to and including the last separator; empty when there is none.
std::string DirectoryPart(std::string_view path);

// Everything after the last separator.
std::string FileNamePart(std::string_view path);

// The path with the extension (from the last full stop after the last separator)
// replaced by `extension`, which includes its full stop; appended when there is none.
std::string ChangeExtension(std::string_view path, std::string_view extension);

// The same three with the set of separator bytes given, so that one platform's paths can
// be handled on another.
std::string DirectoryPart(std::string_view path, std::string_view separators);
std::string FileNamePart(std::string_view path, std::string_view separators);
std::string ChangeExtension(std::string_view path, std::string_view extension,
                            std::string_view separators);

} // namespace velm
