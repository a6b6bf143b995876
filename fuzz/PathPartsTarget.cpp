// Splits any bytes as a path, by the conventions of Linux and of Windows. The
// folder and the file name put together give the path again; the folder ends at a
// separator and the file name holds none; a changed extension ends the result, which
// keeps the path up to a full stop in the file name.

#include "FuzzCheck.h"
#include "text/PathParts.h"
#include "text/ShiftJis.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace velm;
using namespace velm::fuzz;

namespace
{

// True when a separator byte stands as a character of its own in `text`.
bool HoldsSeparatorCharacter(std::string_view text, const PathConvention& convention)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (convention.shiftJisNames && IsLeadByte(byte) && i + 1 < text.size()) {
            i += 2;
            continue;
        }
        if (convention.separators.find(text[i]) != std::string_view::npos)
            return true;
        ++i;
    }
    return false;
}

void CheckSplit(std::string_view path, const PathConvention& convention)
{
    const std::string folder = DirectoryPart(path, convention);
    const std::string name = FileNamePart(path, convention);
    const auto detail = [&] {
        return "path: " + HexBytes(path) + "\nseparators: " + HexBytes(convention.separators);
    };
    Check(folder + name == path, "folder and file name give the path", detail);
    Check(folder.empty() || convention.separators.find(folder.back()) != std::string_view::npos,
          "the folder ends at a separator", detail);
    Check(!HoldsSeparatorCharacter(name, convention), "the file name holds no separator", detail);
}

void CheckChangeExtension(std::string_view path, std::string_view extension,
                          const PathConvention& convention)
{
    const std::string changed = ChangeExtension(path, extension, convention);
    const auto detail = [&] {
        return "path: " + HexBytes(path) + "\nchanged: " + HexBytes(changed);
    };
    Check(changed.ends_with(extension), "the result ends with the extension", detail);
    const std::string_view kept =
        std::string_view(changed).substr(0, changed.size() - extension.size());
    Check(path.starts_with(kept), "the result keeps the start of the path", detail);
    const std::string_view replaced = path.substr(kept.size());
    Check(replaced.empty() ||
              (replaced.front() == '.' && FileNamePart(path, convention).ends_with(replaced)),
          "only an extension of the file name is replaced", detail);
    Check(DirectoryPart(kept, convention) == DirectoryPart(path, convention),
          "changing the extension keeps the folder", detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view path = AsBytes(data, size);
    for (const PathConvention& convention : {kPosixPaths, kWindowsPaths}) {
        CheckSplit(path, convention);
        CheckChangeExtension(path, ".orb", convention);
        CheckChangeExtension(path, ".txt", convention);
    }
    return 0;
}
