#include "store/Backups.h"

#include "store/AddressBookFile.h"
#include "store/UserFolders.h"
#include "text/PathParts.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace velm
{

namespace
{

constexpr std::size_t kStampLength = 15; // YYYYMMDD-HHMMSS

// The path with its folders resolved and symbolic links followed, also for a file that no
// longer exists; the path as given when even its folder cannot be resolved.
std::string ResolvedPath(const std::string& path)
{
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved))
        return resolved;
    const std::string folder = DirectoryPart(path);
    if (::realpath(folder.empty() ? "." : folder.c_str(), resolved))
        return std::string(resolved) + "/" + FileNamePart(path);
    return path;
}

// 64-bit FNV-1a: short, stable across runs and builds, and spread well enough that two
// address books of one user never share a folder in practice.
std::string ShortHash(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

bool IsStamp(std::string_view text)
{
    return text.size() == kStampLength && AllDigits(text.substr(0, 8)) && text[8] == '-' &&
           AllDigits(text.substr(9));
}

bool Older(const Backup& a, const Backup& b)
{
    return std::tie(a.stamp, a.counter) < std::tie(b.stamp, b.counter);
}

// The copies of `bookName` in `folder`, oldest first, without their card counts.
std::vector<Backup> CopiesIn(const std::string& folder, const std::string& bookName)
{
    std::vector<Backup> copies;
    DIR* directory = ::opendir(folder.c_str());
    if (!directory)
        return copies;
    while (const dirent* entry = ::readdir(directory)) {
        const auto parsed = ParseBackupName(entry->d_name, bookName);
        struct stat info {
        };
        const std::string path = folder + entry->d_name;
        if (!parsed || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        copies.push_back({path, parsed->first, parsed->second,
                          static_cast<std::uintmax_t>(info.st_size), std::nullopt});
    }
    ::closedir(directory);
    std::sort(copies.begin(), copies.end(), Older);
    return copies;
}

bool HoldsBytes(const std::string& path, std::string_view bytes)
{
    const auto read = ReadWholeFile(path);
    return std::holds_alternative<std::string>(read) && std::get<std::string>(read) == bytes;
}

// The counter that puts a copy made at `stamp` after every copy already there.
int NextCounter(const std::vector<Backup>& copies, std::string_view stamp)
{
    int next = 0;
    for (const Backup& copy : copies)
        if (copy.stamp == stamp)
            next = std::max(next, copy.counter + 1);
    return next;
}

std::string CopyName(const std::string& bookName, std::string_view stamp, int counter)
{
    std::string name = bookName + "." + std::string(stamp);
    if (counter > 0)
        name += "-" + std::to_string(counter);
    return name;
}

// Deletes the oldest copies beyond kBackupsKept. A copy that cannot be deleted only stays.
void Prune(const std::vector<Backup>& oldestFirst)
{
    if (oldestFirst.size() <= kBackupsKept)
        return;
    for (std::size_t i = 0; i < oldestFirst.size() - kBackupsKept; ++i)
        ::unlink(oldestFirst[i].path.c_str());
}

std::optional<std::size_t> CardsIn(const std::string& path)
{
    const auto read = ReadWholeFile(path);
    if (!std::holds_alternative<std::string>(read))
        return std::nullopt;
    const auto parsed = ParseAddressBook(std::get<std::string>(read));
    if (const auto* cards = std::get_if<std::vector<CardRecord>>(&parsed))
        return cards->size();
    // An empty store is saved as an empty file, which holds no cards rather than none that
    // can be read.
    if (std::get<AddressBookRefusal>(parsed) == AddressBookRefusal::NoCards)
        return 0;
    return std::nullopt;
}

} // namespace

std::string BackupFolderOf(const std::string& backupsFolder, const std::string& addressBookPath)
{
    return backupsFolder + ShortHash(ResolvedPath(addressBookPath)) + "/";
}

std::string BackupStampNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[kStampLength + 1];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return stamp;
}

std::optional<std::pair<std::string, int>> ParseBackupName(std::string_view fileName,
                                                           std::string_view bookName)
{
    if (fileName.size() <= bookName.size() || fileName.substr(0, bookName.size()) != bookName ||
        fileName[bookName.size()] != '.')
        return std::nullopt;
    const std::string_view rest = fileName.substr(bookName.size() + 1);
    const std::string_view stamp = rest.substr(0, kStampLength);
    if (!IsStamp(stamp))
        return std::nullopt;
    if (rest.size() == kStampLength)
        return std::pair{std::string(stamp), 0};
    const std::string_view counter = rest.substr(kStampLength + 1);
    // One spelling per counter: no leading zero, no zero, and few enough digits for an int.
    if (rest[kStampLength] != '-' || !AllDigits(counter) || counter.front() == '0' ||
        counter.size() > 9)
        return std::nullopt;
    return std::pair{std::string(stamp), std::atoi(std::string(counter).c_str())};
}

std::string DisplayTime(const Backup& copy)
{
    const std::string& s = copy.stamp;
    std::string time = s.substr(0, 4) + "/" + s.substr(4, 2) + "/" + s.substr(6, 2) + " " +
                       s.substr(9, 2) + ":" + s.substr(11, 2) + ":" + s.substr(13, 2);
    if (copy.counter > 0)
        time += " (" + std::to_string(copy.counter + 1) + ")";
    return time;
}

std::optional<FileFailure> KeepBackup(const std::string& backupsFolder,
                                      const std::string& addressBookPath, std::string_view stamp)
{
    auto read = ReadWholeFile(addressBookPath);
    if (const auto* failure = std::get_if<FileFailure>(&read))
        return *failure;
    const std::string& bytes = std::get<std::string>(read);
    const std::string folder = BackupFolderOf(backupsFolder, addressBookPath);
    if (auto failure = MakeFolders(folder))
        return failure;
    const std::string bookName = FileNamePart(ResolvedPath(addressBookPath));
    std::vector<Backup> copies = CopiesIn(folder, bookName);
    // Saving unchanged cards again must not push the earlier versions out.
    if (!copies.empty() && HoldsBytes(copies.back().path, bytes))
        return std::nullopt;
    const int counter = NextCounter(copies, stamp);
    const std::string path = folder + CopyName(bookName, stamp, counter);
    if (auto failure = WriteFileAtomically(path, bytes))
        return failure;
    copies.push_back({path, std::string(stamp), counter, bytes.size(), std::nullopt});
    std::sort(copies.begin(), copies.end(), Older);
    Prune(copies);
    return std::nullopt;
}

std::vector<Backup> ListBackups(const std::string& backupsFolder,
                                const std::string& addressBookPath)
{
    std::vector<Backup> copies = CopiesIn(BackupFolderOf(backupsFolder, addressBookPath),
                                          FileNamePart(ResolvedPath(addressBookPath)));
    std::reverse(copies.begin(), copies.end());
    for (Backup& copy : copies)
        copy.cards = CardsIn(copy.path);
    return copies;
}

} // namespace velm
