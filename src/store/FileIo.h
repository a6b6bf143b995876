#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace velm
{

// Why a file operation failed, in the terms of the program's standard error report.
struct FileFailure {
    enum class Kind {
        NotFound,     // "File not found": a missing file or folder
        AccessDenied, // "File access denied": permissions, read-only, a folder in the way
        TooLarge,     // "File too large": a file over the limit of ReadWholeFile
        Other,        // "I/O error %d" with the system's error number
    };
    Kind kind = Kind::Other;
    int systemError = 0;

    // The text the error dialog shows.
    std::string message() const;

    static FileFailure fromErrno(int error);
};

bool FileExists(const std::string& path);

// No file the program reads legitimately comes near this size; a larger one is refused.
inline constexpr std::size_t kDefaultReadLimit = std::size_t(64) << 20;
// What the window and the converter say of a file over that limit, in UTF-8.
inline constexpr std::string_view kFileTooLargeMessage = "ファイルが大きすぎます（64MBまで）";

// Reads the whole file. Files larger than `limit` bytes are refused as too large (with the
// system error EFBIG), so that no input can exhaust memory.
std::variant<std::string, FileFailure> ReadWholeFile(const std::string& path,
                                                     std::size_t limit = kDefaultReadLimit);

// Writes `bytes` as the whole new content of `path`: first into a temporary file in the
// same folder, checked, flushed and closed, then renamed over the old file. On any failure
// the old file is left as it was and no temporary file remains. A read-only existing file
// is refused as access denied rather than replaced, and so is one without any write
// permission bit, also for root.
std::optional<FileFailure> WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace velm
