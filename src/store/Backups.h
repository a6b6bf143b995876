#pragma once

#include "store/FileIo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velm
{

// The earlier contents of address-book files, kept before a save replaces them. Each file has
// a folder of its own below the backups folder, named by a short hash of its full path, and
// each copy is named by the file's name and the local time of the save to the second, with a
// counter when two saves fall in one second: addr.txt.20261208-153012, then
// addr.txt.20261208-153012-1. Only the newest kBackupsKept copies of a file are kept.

inline constexpr std::size_t kBackupsKept = 20;

// One kept copy of an address-book file.
struct Backup {
    std::string path;
    // The time of the save that replaced it, "YYYYMMDD-HHMMSS".
    std::string stamp;
    // 0 for the first copy within that second, then 1, 2, ...
    int counter = 0;
    std::uintmax_t size = 0;
    // The number of cards it holds; nothing when it cannot be read as an address book.
    std::optional<std::size_t> cards;
};

// The folder of the copies of the address book at `addressBookPath`, ending with "/". The
// path is taken with its folders resolved, so that every way of naming one file gives one
// folder.
std::string BackupFolderOf(const std::string& backupsFolder, const std::string& addressBookPath);

// The stamp of the present local time, "YYYYMMDD-HHMMSS".
std::string BackupStampNow();

// The stamp and counter that a copy's file name carries after the address book's name and
// a full stop; nothing when the name is not that of a copy of `bookName`.
std::optional<std::pair<std::string, int>> ParseBackupName(std::string_view fileName,
                                                           std::string_view bookName);

// "YYYY/MM/DD HH:MM:SS" for the copy's stamp, followed by " (n)" for the n-th copy within
// that second from the second one on, so that every copy reads differently.
std::string DisplayTime(const Backup& copy);

// Keeps the present contents of the address book at `addressBookPath` as a copy made at
// `stamp`, unless the newest copy holds the same bytes, and then deletes all but the newest
// kBackupsKept copies. The folders are made when missing. A failure leaves no partial copy.
std::optional<FileFailure> KeepBackup(const std::string& backupsFolder,
                                      const std::string& addressBookPath, std::string_view stamp);

// The copies of the address book at `addressBookPath`, newest first, each with its size and
// number of cards.
std::vector<Backup> ListBackups(const std::string& backupsFolder,
                                const std::string& addressBookPath);

} // namespace velm
