#include "FormFixture.h"
#include "app/ShiftJisLineEdit.h"
#include "support/Bytes.h"
#include "support/Cards.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <optional>
#include <sched.h>
#include <sstream>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// Every file the main window writes, against every way a write can fail: the command shows
// the error dialog and stops, and the folder it wrote into, the window's flags and the
// desktop are left exactly as they were.

namespace velm
{
namespace
{

using test::HexBytes;
using test::MakeCard;

// As root, the mounts these tests make live in a mount namespace of this process alone, so
// that none of them is seen by other processes or outlives this one, even after a crash.
// The namespace can only be entered while the process has a single thread, that is before
// the application object exists.
[[maybe_unused]] const bool kPrivateMounts = [] {
    if (::geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0)
        return false;
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}();

// What an existing target holds before the failed write: an address book of one card, 古い住所,
// which the start-up of the window loads without complaint when it is addr.txt.
const std::string kOldBytes =
    AddressBookBytes({MakeCard({.Name1 = "\x8c\xc3\x82\xa2\x8f\x5a\x8f\x8a"})});
// A card name, 山田 太郎, and a telephone number typed into the card on screen.
const std::string kFullName = "\x8e\x52\x93\x63\x20\x91\xbe\x98\x59";

enum class Failure { MissingFolder, ReadOnlyFolder, ReadOnlyFile, FolderInTheWay, FullDisk };

struct FailureKind {
    const char* name;
    Failure failure;
    QString message;
};

const std::vector<FailureKind>& FailureKinds()
{
    static const std::vector<FailureKind> kinds{
        {"MissingFolder", Failure::MissingFolder, QStringLiteral("File not found")},
        {"ReadOnlyFolder", Failure::ReadOnlyFolder, QStringLiteral("File access denied")},
        {"ReadOnlyFile", Failure::ReadOnlyFile, QStringLiteral("File access denied")},
        {"FolderInTheWay", Failure::FolderInTheWay, QStringLiteral("File access denied")},
        {"FullDisk", Failure::FullDisk, QStringLiteral("I/O error 28")},
    };
    return kinds;
}

void PrintTo(const FailureKind& kind, std::ostream* out)
{
    *out << kind.name;
}

class WriteFailureTest;

// One command that writes a file into the program folder (or, for the export, into the
// folder the user picks: the same folder here).
struct Writer {
    const char* name;
    const char* fileName;
    // Whether the command writes over an existing file at all; the print commands write a
    // format file, and 編集・印刷 the address book, only when it is missing.
    bool replacesExisting;
    // When the command asks before this write, and the answer that lets it write.
    enum class Asks { Never, BeforeReplacing, Always };
    Asks asks;
    Platform::Answer answer;
    // A file that must already be there for the command to reach this write.
    const char* companion;
    void (*run)(WriteFailureTest&);
};

void PrintTo(const Writer& writer, std::ostream* out)
{
    *out << writer.name;
}

// Everything in a folder, by name: the bytes of each file, and a marker for each folder
// followed by its own listing. Nothing for a folder that does not exist.
using FolderListing = std::map<std::string, std::string>;

std::optional<FolderListing> ListFolder(const std::string& path)
{
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr)
        return std::nullopt;
    FolderListing listing;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string full = path + "/" + name;
        struct stat info {
        };
        ::lstat(full.c_str(), &info);
        if (S_ISDIR(info.st_mode)) {
            std::string inner = "<folder>";
            for (const auto& [innerName, bytes] : ListFolder(full).value_or(FolderListing{}))
                inner += " " + innerName + "=" + HexBytes(bytes);
            listing[name] = inner;
        } else {
            std::ifstream in(full, std::ios::binary);
            listing[name] = {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        }
    }
    ::closedir(dir);
    return listing;
}

std::string DescribeListing(const std::optional<FolderListing>& listing)
{
    if (!listing)
        return "  (no folder)\n";
    std::ostringstream out;
    for (const auto& [name, bytes] : *listing) {
        out << "  " << name << ": " << bytes.size() << " bytes";
        if (bytes.size() <= 64)
            out << ": " << HexBytes(bytes);
        out << "\n";
    }
    return out.str();
}

class WriteFailureTest : public ::testing::TestWithParam<std::pair<Writer, FailureKind>>
{
  public:
    // The folder the command writes into, ending with "/"; it is the program folder.
    std::string target() const { return m_root.path().toStdString() + "/program/"; }
    std::string targetFile() const { return target() + writer().fileName; }

    const Writer& writer() const { return GetParam().first; }
    const FailureKind& kind() const { return GetParam().second; }

    ScriptedPlatform platform;
    std::unique_ptr<TForm1> form;

  protected:
    void TearDown() override
    {
        form.reset();
        for (auto mount = m_mounts.rbegin(); mount != m_mounts.rend(); ++mount)
            EXPECT_EQ(::umount2(mount->c_str(), MNT_DETACH), 0)
                << *mount << ": " << std::strerror(errno);
        for (const auto& [path, mode] : m_restoredModes)
            ::chmod(path.c_str(), mode);
    }

    // Builds the failure in the target folder; the reason when this machine cannot.
    std::optional<std::string> stageFailure()
    {
        if (kind().failure == Failure::MissingFolder)
            return std::nullopt;
        if (::mkdir(target().c_str(), 0755) != 0)
            return std::string("cannot make the folder: ") + std::strerror(errno);
        if (kind().failure == Failure::FullDisk) {
            if (auto reason = mountTinyDisk())
                return reason;
        }
        putFiles();
        switch (kind().failure) {
        case Failure::ReadOnlyFolder:
            return makeReadOnly(target(), 0555);
        case Failure::ReadOnlyFile:
            return makeReadOnly(targetFile(), 0444);
        case Failure::FullDisk:
            return fillDisk();
        case Failure::MissingFolder:
        case Failure::FolderInTheWay:
            break;
        }
        return std::nullopt;
    }

    // Whether the target exists as a file before the write.
    bool targetIsThere() const
    {
        return writer().replacesExisting && kind().failure != Failure::MissingFolder &&
               kind().failure != Failure::FolderInTheWay;
    }

    // A store of three cards, an edited card on screen and both flags set.
    void prepareWindow()
    {
        form = std::make_unique<TForm1>(platform, target());
        form->store().replaceCards(std::vector<CardRecord>{
            MakeCard({.Name1 = kFullName, .Jusyo1 = "Tokyo", .Tel = "03-1234"}),
            MakeCard({.Name1 = "Sato"}), MakeCard({.Name1 = "Kato"})});
        ASSERT_TRUE(form->ikkenbun());
        QTest::keyClicks(form->Tel, "0120");
        form->store().StoreModified = true;
        ASSERT_TRUE(form->store().CardEdited);
    }

  private:
    void putFiles() const
    {
        if (writer().companion != nullptr)
            std::ofstream(target() + writer().companion, std::ios::binary) << kOldBytes;
        if (kind().failure == Failure::FolderInTheWay)
            ::mkdir(targetFile().c_str(), 0755);
        else if (targetIsThere())
            std::ofstream(targetFile(), std::ios::binary) << kOldBytes;
    }

    // Root writes regardless of permission bits, so for root the path is bind-mounted onto
    // itself read-only; anyone else gets the permission bits.
    std::optional<std::string> makeReadOnly(const std::string& path, mode_t mode)
    {
        if (::geteuid() != 0) {
            struct stat info {
            };
            ::stat(path.c_str(), &info);
            m_restoredModes.emplace_back(path, info.st_mode & 07777);
            ::chmod(path.c_str(), mode);
            return std::nullopt;
        }
        if (::mount(path.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) != 0)
            return std::string("cannot bind-mount as root: ") + std::strerror(errno);
        m_mounts.push_back(path);
        if (::mount(nullptr, path.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            return std::string("cannot remount read-only: ") + std::strerror(errno);
        return std::nullopt;
    }

    std::optional<std::string> mountTinyDisk()
    {
        if (::mount("tmpfs", target().c_str(), "tmpfs", 0, "size=64k") != 0)
            return std::string("cannot mount a small tmpfs (needs root): ") + std::strerror(errno);
        m_mounts.push_back(target());
        return std::nullopt;
    }

    std::optional<std::string> fillDisk() const
    {
        const std::string filler = target() + "filler";
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return std::string("cannot make the filler: ") + std::strerror(errno);
        const std::string block(4096, 'x');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        while (::write(fd, block.data(), 1) > 0) {
        }
        const int error = errno;
        ::close(fd);
        if (error != ENOSPC)
            return std::string("the small disk did not fill up: ") + std::strerror(error);
        return std::nullopt;
    }

    QTemporaryDir m_root;
    std::vector<std::string> m_mounts;
    std::vector<std::pair<std::string, mode_t>> m_restoredModes;
};

const std::vector<Writer>& Writers()
{
    using enum Writer::Asks;
    using Platform::Answer::Ok;
    using Platform::Answer::Yes;
    static const std::vector<Writer> writers{
        {"Save", "addr.txt", true, Never, Ok, nullptr,
         [](WriteFailureTest& t) {
             t.form->Save1->trigger();
         }},
        {"SaveAs", "other.txt", true, BeforeReplacing, Ok, nullptr,
         [](WriteFailureTest& t) {
             t.platform.dialogResults.push_back(QString::fromStdString(t.targetFile()));
             t.form->SaveAs1->trigger();
         }},
        {"EditAndPrint", "addr.txt", false, Never, Ok, nullptr,
         [](WriteFailureTest& t) {
             t.form->PrintAddr->trigger();
         }},
        {"CloseQuestion", "addr.txt", true, Always, Yes, nullptr,
         [](WriteFailureTest& t) {
             EXPECT_FALSE(t.form->close()) << "the window closed";
         }},
        {"CreateNotebook", "addrb7.txt", true, BeforeReplacing, Ok, nullptr,
         [](WriteFailureTest& t) {
             t.form->Mtetyo->trigger();
         }},
        {"CreateList", "addrb5.txt", true, BeforeReplacing, Ok, nullptr,
         [](WriteFailureTest& t) {
             t.form->Mitiran->trigger();
         }},
        {"PrintNotebookFormat", "addrb7.bpc", false, Never, Ok, "addrb7.txt",
         [](WriteFailureTest& t) {
             t.form->PtetyoClick();
         }},
        {"PrintListFormat", "addrb5.bpc", false, Never, Ok, "addrb5.txt",
         [](WriteFailureTest& t) {
             t.form->PitiranClick();
         }},
        {"ExportOrbi", "addr.orb", true, BeforeReplacing, Ok, nullptr,
         [](WriteFailureTest& t) {
             t.platform.dialogResults.push_back(QString::fromStdString(t.targetFile()));
             t.form->Ow1->trigger();
         }},
    };
    return writers;
}

// Every writer against every failure, except where the failure cannot meet that write: a
// format file is written only when missing, so it is never a read-only file; and a missing
// folder holds no sheet, so printing fails at the sheet, which the create rows cover.
std::vector<std::pair<Writer, FailureKind>> Cases()
{
    std::vector<std::pair<Writer, FailureKind>> cases;
    for (const Writer& writer : Writers()) {
        for (const FailureKind& kind : FailureKinds()) {
            const bool needsExisting = kind.failure == Failure::ReadOnlyFile;
            const bool needsFolder = writer.companion != nullptr;
            if ((needsExisting && !writer.replacesExisting) ||
                (needsFolder && kind.failure == Failure::MissingFolder))
                continue;
            cases.emplace_back(writer, kind);
        }
    }
    return cases;
}

TEST_P(WriteFailureTest, ShowsTheErrorAndLeavesFolderFlagsAndDesktopAlone)
{
    if (auto reason = stageFailure())
        GTEST_SKIP() << reason->c_str();
    prepareWindow();
    const std::optional<FolderListing> before = ListFolder(target());
    if (writer().asks == Writer::Asks::Always ||
        (writer().asks == Writer::Asks::BeforeReplacing && targetIsThere()))
        platform.answers.push_back(writer().answer);

    writer().run(*this);

    EXPECT_EQ(platform.errors, std::vector<QString>{kind().message});
    const std::optional<FolderListing> after = ListFolder(target());
    EXPECT_TRUE(after == before) << "before:\n"
                                 << DescribeListing(before) << "after:\n"
                                 << DescribeListing(after);
    EXPECT_TRUE(form->store().CardEdited);
    EXPECT_TRUE(form->store().StoreModified);
    EXPECT_TRUE(platform.notices.empty()) << platform.notices.front().toStdString();
    EXPECT_TRUE(platform.processes.empty());
    EXPECT_TRUE(platform.textViewerFiles.empty());
    EXPECT_TRUE(platform.answers.empty()) << "the question before the write was not asked";
}

std::string CaseName(const ::testing::TestParamInfo<std::pair<Writer, FailureKind>>& info)
{
    return std::string(info.param.first.name) + "_" + info.param.second.name;
}

INSTANTIATE_TEST_SUITE_P(EveryWrittenFile, WriteFailureTest, ::testing::ValuesIn(Cases()),
                         CaseName);

} // namespace
} // namespace velm
