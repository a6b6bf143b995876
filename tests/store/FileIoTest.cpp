#include "store/FileIo.h"

#include "text/HexBytes.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velm
{
namespace
{

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::HexBytes;

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
        const FileFailure failure = FileFailure::FromErrno(c.error);
        EXPECT_EQ(failure.kind, c.kind) << c.error;
        EXPECT_EQ(failure.systemError, c.error);
        EXPECT_EQ(failure.Message(), c.message) << c.error;
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

    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }

    void Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }

    std::string Get(const std::string& name) const
    {
        const auto read = ReadWholeFile(PathOf(name));
        if (const auto* failure = std::get_if<FileFailure>(&read))
            return "<" + failure->Message() + ">";
        return std::get<std::string>(read);
    }

    // The names in the folder, so that a left-over temporary file shows.
    std::string Listing() const
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
    ASSERT_EQ(WriteFileAtomically(PathOf("addr.txt"), kNew), std::nullopt);
    EXPECT_EQ(Get("addr.txt"), kNew);
    EXPECT_EQ(Listing(), "[addr.txt]");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(fs::status(PathOf("addr.txt")).permissions(), static_cast<fs::perms>(0666 & ~mask));
}

TEST_F(FileIoTest, ReplacesAnExistingFileKeepingItsPermissions)
{
    Put("addr.txt", kOld);
    fs::permissions(PathOf("addr.txt"), static_cast<fs::perms>(0640));
    ASSERT_EQ(WriteFileAtomically(PathOf("addr.txt"), "x"), std::nullopt);
    EXPECT_EQ(Get("addr.txt"), "x");
    EXPECT_EQ(fs::status(PathOf("addr.txt")).permissions(), static_cast<fs::perms>(0640));
    ASSERT_EQ(WriteFileAtomically(PathOf("addr.txt"), ""), std::nullopt);
    EXPECT_EQ(Get("addr.txt"), "");
    EXPECT_EQ(Listing(), "[addr.txt]");
}

TEST_F(FileIoTest, WritingThroughASymbolicLinkReplacesTheFileItNames)
{
    fs::create_directory(m_dir / "real");
    Put("real/addr.txt", kOld);
    fs::create_symlink(m_dir / "real" / "addr.txt", m_dir / "link.txt");
    ASSERT_EQ(WriteFileAtomically(PathOf("link.txt"), kNew), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.txt"));
    EXPECT_EQ(Get("real/addr.txt"), kNew);
    EXPECT_EQ(Listing(), "[link.txt][real]");
}

struct WriteRefusal {
    const char* what;
    std::string target; // relative to the test folder
    FileFailure::Kind kind;
};

TEST_F(FileIoTest, RefusedWritesLeaveEverythingAsItWas)
{
    Put("addr.txt", kOld);
    fs::create_directory(m_dir / "folder");
    const WriteRefusal cases[] = {
        {"missing folder", "missing/addr.txt", FileFailure::Kind::NotFound},
        {"a file used as a folder", "addr.txt/x.txt", FileFailure::Kind::NotFound},
        {"target is a folder", "folder", FileFailure::Kind::AccessDenied},
    };
    for (const WriteRefusal& c : cases) {
        const auto failure = WriteFileAtomically(PathOf(c.target), kNew);
        ASSERT_TRUE(failure.has_value()) << c.what;
        EXPECT_EQ(failure->kind, c.kind) << c.what << ": " << failure->Message();
        EXPECT_EQ(Get("addr.txt"), kOld) << c.what;
        EXPECT_EQ(Listing(), "[addr.txt][folder]") << c.what;
        EXPECT_TRUE(fs::is_empty(m_dir / "folder")) << c.what;
    }
}

TEST_F(FileIoTest, ReadOnlyFilesAndFoldersAreRefusedAsAccessDenied)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write to read-only files and folders, so nothing refuses";
    Put("addr.txt", kOld);
    fs::permissions(PathOf("addr.txt"), static_cast<fs::perms>(0444));
    auto failure = WriteFileAtomically(PathOf("addr.txt"), kNew);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Message(), "File access denied");
    EXPECT_EQ(Get("addr.txt"), kOld);

    fs::permissions(PathOf("addr.txt"), static_cast<fs::perms>(0644));
    fs::permissions(m_dir, static_cast<fs::perms>(0555));
    failure = WriteFileAtomically(PathOf("addr.txt"), kNew);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Message(), "File access denied");
    EXPECT_EQ(Get("addr.txt"), kOld);
    EXPECT_EQ(Listing(), "[addr.txt]");
}

// Lowers the largest file this process may write, so that a write fails part-way.
class FileSizeLimit
{
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

  private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(FileIoTest, AFailedWriteKeepsTheOldFileAndRemovesTheTemporaryOne)
{
    Put("addr.txt", kOld);
    std::optional<FileFailure> failure;
    {
        const FileSizeLimit limit(4096);
        failure = WriteFileAtomically(PathOf("addr.txt"), kNew);
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Message(), "I/O error 27");
    EXPECT_EQ(Get("addr.txt"), kOld) << HexBytes(Get("addr.txt").substr(0, 16));
    EXPECT_EQ(Listing(), "[addr.txt]");
}

TEST_F(FileIoTest, ReadWholeFileGivesTheExactBytesOrTheFailure)
{
    Put("addr.txt", kOld);
    fs::create_directory(m_dir / "folder");
    EXPECT_EQ(Get("addr.txt"), kOld);
    EXPECT_EQ(Get("missing.txt"), "<File not found>");
    EXPECT_EQ(Get("folder"), "<File access denied>");
    EXPECT_EQ(Get("addr.txt/x"), "<File not found>");

    const auto limited = ReadWholeFile(PathOf("addr.txt"), kOld.size() - 1);
    ASSERT_TRUE(std::holds_alternative<FileFailure>(limited));
    EXPECT_EQ(std::get<FileFailure>(limited).Message(), "I/O error 27");
    const auto exact = ReadWholeFile(PathOf("addr.txt"), kOld.size());
    ASSERT_TRUE(std::holds_alternative<std::string>(exact));
}

TEST_F(FileIoTest, ReadLimitAlsoHoldsForFilesWithoutASize)
{
    const auto endless = ReadWholeFile("/dev/zero", 100000);
    ASSERT_TRUE(std::holds_alternative<FileFailure>(endless));
    EXPECT_EQ(std::get<FileFailure>(endless).systemError, EFBIG);
}

TEST_F(FileIoTest, FileExistsOnlyForFiles)
{
    Put("addr.txt", "");
    fs::create_directory(m_dir / "folder");
    EXPECT_TRUE(FileExists(PathOf("addr.txt")));
    EXPECT_FALSE(FileExists(PathOf("folder")));
    EXPECT_FALSE(FileExists(PathOf("missing.txt")));
}

} // namespace
} // namespace velm
