#include "store/FileIo.h"

#include "support/Bytes.h"
#include "support/FileSizeLimit.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace velm
{
namespace
{

namespace fs = std::filesystem;
using namespace std::string_literals;
using test::FileSizeLimit;
using test::HexBytes;

TEST(FileFailure, MessagesAndErrorNumbers)
{
    struct FailureCase {
        int error;
        FileFailure::Kind kind;
        std::string message;
    };
    const FailureCase cases[] = {
        {ENOENT, FileFailure::Kind::NotFound, "File not found"},
        {ENOTDIR, FileFailure::Kind::NotFound, "File not found"},
        {EACCES, FileFailure::Kind::AccessDenied, "File access denied"},
        {EPERM, FileFailure::Kind::AccessDenied, "File access denied"},
        {EROFS, FileFailure::Kind::AccessDenied, "File access denied"},
        {EISDIR, FileFailure::Kind::AccessDenied, "File access denied"},
        {ENOSPC, FileFailure::Kind::Other, "I/O error 28"},
        {EIO, FileFailure::Kind::Other, "I/O error 5"},
        {EFBIG, FileFailure::Kind::Other, "I/O error 27"},
    };
    for (const FailureCase& c : cases) {
        const FileFailure failure = FileFailure::fromErrno(c.error);
        EXPECT_EQ(failure.kind, c.kind) << c.error;
        EXPECT_EQ(failure.systemError, c.error);
        EXPECT_EQ(failure.message(), c.message) << c.error;
    }
}

class FileIoTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "velm-fileio-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_dir, ignored);
    }

    std::string pathOf(const std::string& name) const { return (m_dir / name).string(); }

    void put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(pathOf(name), std::ios::binary) << bytes;
    }

    std::string get(const std::string& name) const
    {
        const auto read = ReadWholeFile(pathOf(name));
        if (const auto* failure = std::get_if<FileFailure>(&read))
            return "<" + failure->message() + ">";
        return std::get<std::string>(read);
    }

    // The names in the folder, so that a left-over temporary file shows.
    std::string listing() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        std::string listing;
        for (const std::string& name : names)
            listing += "[" + name + "]";
        return listing;
    }

    fs::path m_dir;
};

const std::string kOld = "old\r\n\x1A\0content"s;
const std::string kNew = std::string("\x96\xBC\x81\x79\r\n") + std::string(100000, 'n');

TEST_F(FileIoTest, WritesANewFileWithTheUsualPermissions)
{
    ASSERT_EQ(WriteFileAtomically(pathOf("addr.txt"), kNew), std::nullopt);
    EXPECT_EQ(get("addr.txt"), kNew);
    EXPECT_EQ(listing(), "[addr.txt]");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(fs::status(pathOf("addr.txt")).permissions(), static_cast<fs::perms>(0666 & ~mask));
}

TEST_F(FileIoTest, ReplacesAnExistingFileKeepingItsPermissions)
{
    put("addr.txt", kOld);
    fs::permissions(pathOf("addr.txt"), static_cast<fs::perms>(0640));
    ASSERT_EQ(WriteFileAtomically(pathOf("addr.txt"), "x"), std::nullopt);
    EXPECT_EQ(get("addr.txt"), "x");
    EXPECT_EQ(fs::status(pathOf("addr.txt")).permissions(), static_cast<fs::perms>(0640));
    ASSERT_EQ(WriteFileAtomically(pathOf("addr.txt"), ""), std::nullopt);
    EXPECT_EQ(get("addr.txt"), "");
    EXPECT_EQ(listing(), "[addr.txt]");
}

TEST_F(FileIoTest, WritingThroughASymbolicLinkReplacesTheFileItNames)
{
    fs::create_directory(m_dir / "real");
    put("real/addr.txt", kOld);
    fs::create_symlink(m_dir / "real" / "addr.txt", m_dir / "link.txt");
    ASSERT_EQ(WriteFileAtomically(pathOf("link.txt"), kNew), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.txt"));
    EXPECT_EQ(get("real/addr.txt"), kNew);
    EXPECT_EQ(listing(), "[link.txt][real]");
}

TEST_F(FileIoTest, NamesAsLongAsTheSystemAllowsAreWritten)
{
    // 85 characters of three bytes each: 255 bytes, the longest name a folder holds.
    std::string longest;
    for (int i = 0; i < 85; ++i)
        longest += "\xE3\x81\x82"; // あ
    for (const std::string& name : {longest, longest.substr(0, 249) + ".txt"}) {
        ASSERT_EQ(WriteFileAtomically(pathOf(name), kNew), std::nullopt) << name.size();
        EXPECT_EQ(get(name), kNew);
        ASSERT_EQ(WriteFileAtomically(pathOf(name), kOld), std::nullopt) << name.size();
        EXPECT_EQ(get(name), kOld);
        EXPECT_EQ(listing(), "[" + name + "]");
        fs::remove(pathOf(name));
    }
}

// The system's own check refuses these to everyone but root; a file without any write bit
// is refused to root as well, and a file that someone may write is root's to replace.
TEST_F(FileIoTest, AFileNobodyMayWriteIsRefusedAlsoToRoot)
{
    struct ModeCase {
        unsigned mode;
        bool refused;
    };
    const ModeCase cases[] = {
        {0444, true},
        {0555, true},
        {0000, true},
        {0400, true},
        {0644, false},
        {0200, false},
        {0020, ::geteuid() != 0},
        {0002, ::geteuid() != 0},
    };
    for (const ModeCase& c : cases) {
        put("addr.txt", kOld);
        fs::permissions(pathOf("addr.txt"), static_cast<fs::perms>(c.mode));
        const auto failure = WriteFileAtomically(pathOf("addr.txt"), kNew);
        fs::permissions(pathOf("addr.txt"), static_cast<fs::perms>(0644));
        EXPECT_EQ(failure.has_value(), c.refused) << std::oct << c.mode;
        if (c.refused) {
            EXPECT_EQ(failure->message(), "File access denied") << std::oct << c.mode;
            EXPECT_EQ(get("addr.txt"), kOld) << std::oct << c.mode;
        }
        EXPECT_EQ(listing(), "[addr.txt]") << std::oct << c.mode;
    }
}

struct WriteRefusal {
    const char* what;
    std::string target; // relative to the test folder
    FileFailure::Kind kind;
};

TEST_F(FileIoTest, RefusedWritesLeaveEverythingAsItWas)
{
    put("addr.txt", kOld);
    fs::create_directory(m_dir / "folder");
    const WriteRefusal cases[] = {
        {"missing folder", "missing/addr.txt", FileFailure::Kind::NotFound},
        {"a file used as a folder", "addr.txt/x.txt", FileFailure::Kind::NotFound},
        {"target is a folder", "folder", FileFailure::Kind::AccessDenied},
    };
    for (const WriteRefusal& c : cases) {
        const auto failure = WriteFileAtomically(pathOf(c.target), kNew);
        ASSERT_TRUE(failure.has_value()) << c.what;
        EXPECT_EQ(failure->kind, c.kind) << c.what << ": " << failure->message();
        EXPECT_EQ(get("addr.txt"), kOld) << c.what;
        EXPECT_EQ(listing(), "[addr.txt][folder]") << c.what;
        EXPECT_TRUE(fs::is_empty(m_dir / "folder")) << c.what;
    }
}

// The refusals of a read-only file and a read-only folder; what went wrong, or nothing.
// Everything is checked by return values so that it can also run in a child process.
std::string CheckReadOnlyRefusals(const fs::path& dir)
{
    const std::string file = (dir / "addr.txt").string();
    std::ofstream(file, std::ios::binary) << kOld;
    const auto unchanged = [&file] {
        const auto read = ReadWholeFile(file);
        return std::holds_alternative<std::string>(read) && std::get<std::string>(read) == kOld;
    };
    const auto refused = [&file] {
        const auto failure = WriteFileAtomically(file, kNew);
        return failure && failure->message() == "File access denied";
    };

    fs::permissions(file, static_cast<fs::perms>(0444));
    if (!refused())
        return "a read-only file was replaced";
    if (!unchanged())
        return "a read-only file was changed";

    fs::permissions(file, static_cast<fs::perms>(0644));
    fs::permissions(dir, static_cast<fs::perms>(0555));
    const bool folderRefused = refused();
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
    if (!folderRefused)
        return "a file in a read-only folder was replaced";
    if (!unchanged())
        return "a file in a read-only folder was changed";
    if (std::distance(fs::directory_iterator(dir), fs::directory_iterator{}) != 1)
        return "a temporary file was left behind";
    return {};
}

// Runs the checks as the unprivileged user "nobody" in a child process, since root may
// write to read-only files and folders. Nothing when that user cannot be taken on.
std::optional<std::string> CheckAsNobody(const fs::path& dir)
{
    constexpr uid_t kNobody = 65534;
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string result = "cannot take on nobody";
        if (::chown(dir.c_str(), kNobody, kNobody) == 0 && ::setgroups(0, nullptr) == 0 &&
            ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0)
            result = "ok:" + CheckReadOnlyRefusals(dir);
        [[maybe_unused]] const auto ignored = ::write(channel[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::read(channel[0], buffer, sizeof buffer)) > 0)
        result.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (child < 0 || result.rfind("ok:", 0) != 0)
        return std::nullopt;
    return result.substr(3);
}

TEST_F(FileIoTest, ReadOnlyFilesAndFoldersAreRefusedAsAccessDenied)
{
    if (::geteuid() != 0) {
        EXPECT_EQ(CheckReadOnlyRefusals(m_dir), "");
        return;
    }
    const auto result = CheckAsNobody(m_dir);
    if (!result)
        GTEST_SKIP() << "running as root, and the user nobody cannot be taken on";
    EXPECT_EQ(*result, "");
}

TEST_F(FileIoTest, AFailedWriteKeepsTheOldFileAndRemovesTheTemporaryOne)
{
    put("addr.txt", kOld);
    std::optional<FileFailure> failure;
    {
        const FileSizeLimit limit(4096);
        failure = WriteFileAtomically(pathOf("addr.txt"), kNew);
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message(), "I/O error 27");
    EXPECT_EQ(get("addr.txt"), kOld) << HexBytes(get("addr.txt").substr(0, 16));
    EXPECT_EQ(listing(), "[addr.txt]");
}

TEST_F(FileIoTest, ReadWholeFileGivesTheExactBytesOrTheFailure)
{
    put("addr.txt", kOld);
    fs::create_directory(m_dir / "folder");
    EXPECT_EQ(get("addr.txt"), kOld);
    EXPECT_EQ(get("missing.txt"), "<File not found>");
    EXPECT_EQ(get("folder"), "<File access denied>");
    EXPECT_EQ(get("addr.txt/x"), "<File not found>");

    const auto limited = ReadWholeFile(pathOf("addr.txt"), kOld.size() - 1);
    ASSERT_TRUE(std::holds_alternative<FileFailure>(limited));
    EXPECT_EQ(std::get<FileFailure>(limited).kind, FileFailure::Kind::TooLarge);
    EXPECT_EQ(std::get<FileFailure>(limited).message(), "File too large");
    const auto exact = ReadWholeFile(pathOf("addr.txt"), kOld.size());
    ASSERT_TRUE(std::holds_alternative<std::string>(exact));
}

TEST_F(FileIoTest, ReadLimitAlsoHoldsForFilesWithoutASize)
{
    const auto endless = ReadWholeFile("/dev/zero", 100000);
    ASSERT_TRUE(std::holds_alternative<FileFailure>(endless));
    EXPECT_EQ(std::get<FileFailure>(endless).kind, FileFailure::Kind::TooLarge);
    EXPECT_EQ(std::get<FileFailure>(endless).systemError, EFBIG);
}

// A stream has no size to prepare for, so it is read in growing blocks.
TEST_F(FileIoTest, StreamsWithoutASizeAreReadWholeAcrossBlocks)
{
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += static_cast<char>(i % 251);
    const std::string fifo = pathOf("stream");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << bytes; });
    const auto read = ReadWholeFile(fifo);
    writer.join();
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    const std::string& got = std::get<std::string>(read);
    ASSERT_EQ(got.size(), bytes.size());
    EXPECT_TRUE(got == bytes);
}

TEST_F(FileIoTest, FileExistsOnlyForFiles)
{
    put("addr.txt", "");
    fs::create_directory(m_dir / "folder");
    EXPECT_TRUE(FileExists(pathOf("addr.txt")));
    EXPECT_FALSE(FileExists(pathOf("folder")));
    EXPECT_FALSE(FileExists(pathOf("missing.txt")));
}

} // namespace
} // namespace velm
