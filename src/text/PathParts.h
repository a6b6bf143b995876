#pragma once

#include <string>
#include <string_view>

namespace velm
{

// How a platform spells paths: the bytes that separate folders, and whether names are
// Shift-JIS. On Windows, names are Shift-JIS and are split character by character, so that
// a second byte equal to "\\" (as in 表 or ソ) is never taken for a separator. On Linux,
// names are UTF-8, in which no separator or full-stop byte occurs inside a character, so
// they are split byte by byte; walking them as Shift-JIS would swallow a "/" after a
// character whose last byte looks like a lead byte.
struct PathConvention {
    std::string_view separators;
    bool shiftJisNames = false;

    friend bool operator==(const PathConvention&, const PathConvention&) = default;
};

inline constexpr PathConvention kWindowsPaths{"\\:", true};
inline constexpr PathConvention kPosixPaths{"/", false};
#ifdef _WIN32
inline constexpr PathConvention kNativePaths = kWindowsPaths;
#else
inline constexpr PathConvention kNativePaths = kPosixPaths;
#endif

// Everything up to and including the last separator; empty when there is none.
std::string DirectoryPart(std::string_view path);

// Everything after the last separator.
std::string FileNamePart(std::string_view path);

// The path with the extension (from the last full stop after the last separator)
// replaced by `extension`, which includes its full stop; appended when there is none.
std::string ChangeExtension(std::string_view path, std::string_view extension);

// The extension of the file name with its full stop (from the last full stop after the last
// separator); empty when there is none.
std::string ExtensionPart(std::string_view path);

// The same three for a given convention, so that one platform's paths can be handled on
// another.
std::string DirectoryPart(std::string_view path, const PathConvention& convention);
std::string FileNamePart(std::string_view path, const PathConvention& convention);
std::string ChangeExtension(std::string_view path, std::string_view extension,
                            const PathConvention& convention);

} // namespace velm
