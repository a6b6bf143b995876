#include "store/UserFolders.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velm
{

namespace
{

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string AccountHome()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return found->pw_dir;
}

bool IsAbsolute(const std::string& path)
{
    return !path.empty() && path.front() == '/';
}

std::string WithoutTrailingSlashes(std::string path)
{
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    return path;
}

// The base-directory rule: the variable when it holds an absolute path (a relative one is
// ignored), otherwise the default below the home folder.
std::optional<std::string> XdgFolder(const std::string& variable, const std::string& home,
                                     std::string_view underHome)
{
    if (IsAbsolute(variable))
        return WithoutTrailingSlashes(variable);
    if (IsAbsolute(home))
        return WithoutTrailingSlashes(home) + "/" + std::string(underHome);
    return std::nullopt;
}

} // namespace

XdgEnvironment XdgEnvironment::fromProcess()
{
    XdgEnvironment env{Variable("XDG_DATA_HOME"), Variable("XDG_STATE_HOME"), Variable("HOME")};
    if (env.home.empty())
        env.home = AccountHome();
    return env;
}

std::string DataFolderFor(const std::string& exeDir, bool installed, const XdgEnvironment& env)
{
    if (!installed)
        return exeDir;
    const std::optional<std::string> dataHome = XdgFolder(env.dataHome, env.home, ".local/share");
    return dataHome ? *dataHome + "/velm/" : exeDir;
}

std::optional<std::string> BackupsFolderFor(const XdgEnvironment& env)
{
    const std::optional<std::string> stateHome = XdgFolder(env.stateHome, env.home, ".local/state");
    if (!stateHome)
        return std::nullopt;
    return *stateHome + "/velm/backups/";
}

std::string ChooseDataFolder(const std::string& exeDir, const XdgEnvironment& env)
{
    const bool installed = FileExists(exeDir + std::string(kInstalledMarker));
    std::string folder = DataFolderFor(exeDir, installed, env);
    // A folder that cannot be made is reported by the first save into it.
    if (folder != exeDir)
        MakeFolders(folder);
    return folder;
}

std::optional<FileFailure> MakeFolders(const std::string& folder)
{
    for (std::size_t end = folder.find('/', 1); end != std::string::npos;
         end = folder.find('/', end + 1)) {
        const std::string step = folder.substr(0, end);
        if (::mkdir(step.c_str(), 0700) != 0 && errno != EEXIST)
            return FileFailure::fromErrno(errno);
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return FileFailure::fromErrno(errno);
    struct stat info {
    };
    if (::stat(folder.c_str(), &info) != 0)
        return FileFailure::fromErrno(errno);
    if (!S_ISDIR(info.st_mode))
        return FileFailure::fromErrno(ENOTDIR);
    return std::nullopt;
}

} // namespace velm
