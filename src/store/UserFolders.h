#pragma once

#include "store/FileIo.h"

#include <optional>
#include <string>
#include <string_view>

namespace velm
{

// The variables that name the user's folders, as the XDG base-directory rules read them.
struct XdgEnvironment {
    std::string dataHome;  // XDG_DATA_HOME
    std::string stateHome; // XDG_STATE_HOME
    // HOME, or the home folder of the user's account when HOME is unset or empty.
    std::string home;

    static XdgEnvironment fromProcess();
};

// The file beside the program that marks an installed copy. Whether the program's folder is
// writable decides nothing: root can write anywhere, and a prefix in the home folder is
// writable by its user.
inline constexpr std::string_view kInstalledMarker = "velm.installed";

// The folder of the user's files (address book, interchange file, sheets and format files),
// ending with "/". A copy without the marker keeps them beside itself in `exeDir`; an
// installed copy keeps them in $XDG_DATA_HOME/velm/, by default ~/.local/share/velm/, or
// beside itself when neither variable names an absolute folder.
std::string DataFolderFor(const std::string& exeDir, bool installed, const XdgEnvironment& env);

// The folder that keeps the backups of address-book files, ending with "/":
// $XDG_STATE_HOME/velm/backups/, by default ~/.local/state/velm/backups/. Nothing when
// neither variable names an absolute folder, in which case no backups are kept.
std::optional<std::string> BackupsFolderFor(const XdgEnvironment& env);

// The folder of the user's files for the program in `exeDir`, decided by the marker beside
// it and made when missing, so that an installed program finds it on its first start.
std::string ChooseDataFolder(const std::string& exeDir, const XdgEnvironment& env);

// Makes `folder` and every missing folder above it, each new one open to its owner only,
// since it holds a person's address book. A folder that exists already is left as it is.
std::optional<FileFailure> MakeFolders(const std::string& folder);

} // namespace velm
