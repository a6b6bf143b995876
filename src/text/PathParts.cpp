#include "text/PathParts.h"

#include "text/ShiftJis.h"

#include <cstddef>

namespace velm
{
namespace
{

// Where the file name and its extension begin, found in one walk over the characters.
struct PathSplit {
    std::size_t nameStart = 0;                           // just after the last separator
    std::size_t extensionStart = std::string_view::npos; // the last full stop after it
};

PathSplit SplitPath(std::string_view path, const PathConvention& convention)
{
    PathSplit split;
    std::size_t i = 0;
    while (i < path.size()) {
        const char byte = path[i];
        if (convention.shiftJisNames && IsLeadByte(static_cast<unsigned char>(byte)) &&
            i + 1 < path.size()) {
            i += 2;
            continue;
        }
        if (convention.separators.find(byte) != std::string_view::npos) {
            split.nameStart = i + 1;
            split.extensionStart = std::string_view::npos;
        } else if (byte == '.') {
            split.extensionStart = i;
        }
        ++i;
    }
    return split;
}

} // namespace

std::string DirectoryPart(std::string_view path, const PathConvention& convention)
{
    return std::string(path.substr(0, SplitPath(path, convention).nameStart));
}

std::string FileNamePart(std::string_view path, const PathConvention& convention)
{
    return std::string(path.substr(SplitPath(path, convention).nameStart));
}

std::string ChangeExtension(std::string_view path, std::string_view extension,
                            const PathConvention& convention)
{
    std::string changed(path.substr(0, SplitPath(path, convention).extensionStart));
    changed += extension;
    return changed;
}

std::string DirectoryPart(std::string_view path)
{
    return DirectoryPart(path, kNativePaths);
}

std::string FileNamePart(std::string_view path)
{
    return FileNamePart(path, kNativePaths);
}

std::string ExtensionPart(std::string_view path)
{
    const std::size_t start = SplitPath(path, kNativePaths).extensionStart;
    return start == std::string_view::npos ? std::string() : std::string(path.substr(start));
}

std::string ChangeExtension(std::string_view path, std::string_view extension)
{
    return ChangeExtension(path, extension, kNativePaths);
}

} // namespace velm
