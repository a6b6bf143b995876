#include "store/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velm
{

std::string FileFailure::message() const
{
    switch (kind) {
    case Kind::NotFound:
        return "File not found";
    case Kind::AccessDenied:
        return "File access denied";
    case Kind::TooLarge:
        return "File too large";
    case Kind::Other:
        break;
    }
    return "I/O error " + std::to_string(systemError);
}

FileFailure FileFailure::fromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return {Kind::NotFound, error};
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return {Kind::AccessDenied, error};
    default:
        return {Kind::Other, error};
    }
}

bool FileExists(const std::string& path)
{
    struct stat info {
    };
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

namespace
{

// Closes the descriptor when it goes out of scope unless it was handed on.
class FileDescriptor
{
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    int get() const { return m_fd; }

    // Closes now and reports the result, which for a written file can be the first sign
    // of a failed write.
    int closeChecked()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

  private:
    int m_fd = -1;
};

FileFailure LastError()
{
    return FileFailure::fromErrno(errno);
}

FileFailure TooLarge()
{
    return {FileFailure::Kind::TooLarge, EFBIG};
}

// Reads to the end straight into `out`, growing it a block at a time whenever it is full,
// and cuts it to what was read. Sized beforehand to the file's size and a byte more, a
// regular file is read by one call and its end found by a second.
std::optional<FileFailure> ReadAll(int fd, std::size_t limit, std::string& out)
{
    constexpr std::size_t kBlock = 65536;
    std::size_t filled = 0;
    for (;;) {
        if (filled == out.size()) {
            if (filled > limit)
                return TooLarge();
            out.resize(std::min(limit + 1, filled + std::max(kBlock, filled)));
        }
        const ssize_t got = ::read(fd, out.data() + filled, out.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return LastError();
        }
        if (got == 0) {
            out.resize(filled);
            return std::nullopt;
        }
        filled += static_cast<std::size_t>(got);
    }
}

std::optional<FileFailure> WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return LastError();
        }
        // A write that takes nothing means the device is full; a partial one is followed
        // by a write of the rest, which reports the reason if it fails too.
        if (written == 0)
            return FileFailure{FileFailure::Kind::Other, ENOSPC};
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

// The file a write to `path` replaces: the final target of a symbolic link, so that the
// link stays and the file it names gets the new content.
std::string ResolveTarget(const std::string& path)
{
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr)
        return resolved;
    return path;
}

mode_t CurrentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The permissions the new content gets: those of the file it replaces, or those a newly
// created file would get.
std::variant<mode_t, FileFailure> PermissionsForTarget(const std::string& target)
{
    struct stat info {
    };
    if (::stat(target.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return static_cast<mode_t>(0666 & ~CurrentUmask());
        return LastError();
    }
    if (S_ISDIR(info.st_mode))
        return FileFailure{FileFailure::Kind::AccessDenied, EISDIR};
    if (::access(target.c_str(), W_OK) != 0)
        return LastError();
    // The system lets root write anything; a file that nobody may write is refused for
    // everyone, so that marking it read-only protects it also from a program run as root.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return FileFailure{FileFailure::Kind::AccessDenied, EACCES};
    return static_cast<mode_t>(info.st_mode & 07777);
}

// A short name in the target's folder, so that the rename replaces the file within one file
// system, and a target whose name is as long as the system allows still gets a temporary.
std::string TemporaryNameTemplate(const std::string& target)
{
    const std::size_t slash = target.rfind('/');
    const std::string directory = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    return directory + ".velm-XXXXXX";
}

std::optional<FileFailure> FillTemporary(FileDescriptor& file, mode_t mode, std::string_view bytes)
{
    if (::fchmod(file.get(), mode) != 0)
        return LastError();
    if (auto failure = WriteAll(file.get(), bytes))
        return failure;
    if (::fsync(file.get()) != 0)
        return LastError();
    if (file.closeChecked() != 0)
        return LastError();
    return std::nullopt;
}

} // namespace

std::variant<std::string, FileFailure> ReadWholeFile(const std::string& path, std::size_t limit)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        return LastError();
    struct stat info {
    };
    if (::fstat(file.get(), &info) != 0)
        return LastError();
    if (S_ISDIR(info.st_mode))
        return FileFailure::fromErrno(EISDIR);
    if (S_ISREG(info.st_mode) && static_cast<std::uintmax_t>(info.st_size) > limit)
        return TooLarge();
    std::string bytes;
    if (S_ISREG(info.st_mode))
        bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    if (auto failure = ReadAll(file.get(), limit, bytes))
        return *failure;
    return bytes;
}

std::optional<FileFailure> WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::string target = ResolveTarget(path);
    const auto permissions = PermissionsForTarget(target);
    if (const auto* failure = std::get_if<FileFailure>(&permissions))
        return *failure;

    std::string temporary = TemporaryNameTemplate(target);
    FileDescriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0)
        return LastError();
    std::optional<FileFailure> failure = FillTemporary(file, std::get<mode_t>(permissions), bytes);
    if (!failure && ::rename(temporary.c_str(), target.c_str()) != 0)
        failure = LastError();
    if (failure)
        ::unlink(temporary.c_str());
    return failure;
}

} // namespace velm
