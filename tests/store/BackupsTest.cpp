#include "store/Backups.h"

#include "support/FileSizeLimit.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace velm
{
namespace
{

using test::FileSizeLimit;
using test::ScratchFolder;

TEST(BackupNames, CarryTheStampAndTheCounterAfterTheBooksName)
{
    struct Case {
        const char* name;
        std::optional<std::pair<std::string, int>> parsed;
    };
    const std::vector<Case> cases{
        {"addr.txt.20261208-153012", std::pair{"20261208-153012", 0}},
        {"addr.txt.20261208-153012-1", std::pair{"20261208-153012", 1}},
        {"addr.txt.20261208-153012-12", std::pair{"20261208-153012", 12}},
        {"addr.txt", std::nullopt},
        {"addr.txt.20261208-15301", std::nullopt},
        {"addr.txt.2026120a-153012", std::nullopt},
        {"addr.txt.20261208-153012-0", std::nullopt},
        {"addr.txt.20261208-153012-01", std::nullopt},
        {"addr.txt.20261208-153012-1234567890", std::nullopt},
        {"addr.txt.20261208-153012.Xy12Ab", std::nullopt}, // a copy still being written
        {"other.txt.20261208-153012", std::nullopt},
        {"addr.txtx20261208-153012", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseBackupName(c.name, "addr.txt"), c.parsed) << c.name;
    for (const auto& [counter, shown] : {std::pair{0, "2026/12/08 05:30:12"},
                                         {1, "2026/12/08 05:30:12 (2)"},
                                         {11, "2026/12/08 05:30:12 (12)"}})
        EXPECT_EQ(DisplayTime({"", "20261208-053012", counter, 0, std::nullopt}), shown);
}

// An address book in a folder of its own, and the backups folder beside it.
class BackupsTest : public ::testing::Test
{
  protected:
    std::string book() const { return scratch / "books/addr.txt"; }
    std::string backups() const { return scratch / "state/velm/backups/"; }

    // Saves `bytes` over the book at `stamp` as the program does: backup first, then write.
    void save(const std::string& bytes, const std::string& stamp, const std::string& path = {})
    {
        const std::string target = path.empty() ? book() : path;
        EXPECT_EQ(KeepBackup(backups(), target, stamp), std::nullopt) << stamp;
        ASSERT_EQ(WriteFileAtomically(target, bytes), std::nullopt);
    }

    // "stamp[-counter]=bytes" of every copy, newest first.
    std::vector<std::string> copies(const std::string& path = {}) const
    {
        std::vector<std::string> seen;
        for (const Backup& copy : ListBackups(backups(), path.empty() ? book() : path)) {
            const auto read = ReadWholeFile(copy.path);
            std::string name = copy.stamp;
            if (copy.counter > 0)
                name += "-" + std::to_string(copy.counter);
            seen.push_back(name + "=" + std::get<std::string>(read));
        }
        return seen;
    }

    ScratchFolder scratch;
};

TEST_F(BackupsTest, KeepThePreviousContentsNamedByTheSecondOfTheSave)
{
    scratch.put("books/addr.txt", "v1");
    save("v2", "20261208-153012");
    save("v3", "20261208-153012");
    save("v4", "20261208-153013");
    EXPECT_EQ(copies(), (std::vector<std::string>{"20261208-153013=v3", "20261208-153012-1=v2",
                                                  "20261208-153012=v1"}));
    const std::string folder = BackupFolderOf(backups(), book());
    EXPECT_EQ(folder.substr(0, backups().size()), backups());
    EXPECT_TRUE(std::filesystem::exists(folder + "addr.txt.20261208-153012-1"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch / "books"), {}), 1)
        << "the address book's folder holds nothing but the address book";
}

TEST_F(BackupsTest, SavingUnchangedCardsPushesNoVersionOut)
{
    scratch.put("books/addr.txt", "v1");
    save("v2", "20261208-100000");
    save("v2", "20261208-100001"); // keeps v2, which differs from the newest copy v1
    save("v2", "20261208-100002");
    save("v2", "20261208-100003");
    EXPECT_EQ(copies(), (std::vector<std::string>{"20261208-100001=v2", "20261208-100000=v1"}));
}

TEST_F(BackupsTest, OnlyTheNewestTwentyStayAlsoWithinOneSecond)
{
    struct Case {
        const char* title;
        // The stamp of save i.
        std::string (*stamp)(int i);
        std::string newest;
        std::string oldestKept;
    };
    const std::vector<Case> cases{
        {"one save a minute", [](int i) { return "20261208-10" + std::to_string(10 + i) + "00"; },
         "20261208-103400=v24", "20261208-101500=v5"},
        {"all in one second", [](int) { return std::string("20261208-100000"); },
         "20261208-100000-24=v24", "20261208-100000-5=v5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        std::filesystem::remove_all(backups());
        scratch.put("books/addr.txt", "v0");
        for (int i = 0; i < 25; ++i)
            save("v" + std::to_string(i + 1), c.stamp(i));
        const std::vector<std::string> kept = copies();
        ASSERT_EQ(kept.size(), kBackupsKept);
        EXPECT_EQ(kept.front(), c.newest);
        EXPECT_EQ(kept.back(), c.oldestKept);
    }
}

TEST_F(BackupsTest, EachAddressBookHasItsOwnCopiesUnderEveryNameOfItsPath)
{
    scratch.put("books/addr.txt", "book");
    scratch.put("other/addr.txt", "other");
    ASSERT_EQ(::symlink((scratch / "books").c_str(), (scratch / "linked").c_str()), 0);
    save("book2", "20261208-100000");
    save("other2", "20261208-100000", scratch / "other/addr.txt");
    save("book3", "20261208-100001", scratch / "linked/addr.txt");
    save("book4", "20261208-100002", scratch / "books/../books/addr.txt");

    EXPECT_EQ(copies(), (std::vector<std::string>{"20261208-100002=book3", "20261208-100001=book2",
                                                  "20261208-100000=book"}));
    EXPECT_EQ(copies(scratch / "other/addr.txt"),
              (std::vector<std::string>{"20261208-100000=other"}));
    EXPECT_NE(BackupFolderOf(backups(), book()),
              BackupFolderOf(backups(), scratch / "other/addr.txt"));
    std::filesystem::remove(book());
    EXPECT_EQ(copies().size(), 3u) << "the copies of a deleted book are still found";
}

TEST_F(BackupsTest, ACopyCutShortByAFullDiskLeavesNoTraceAndIsReported)
{
    scratch.put("books/addr.txt", "v1");
    save("v2", "20261208-100000");
    scratch.put("books/addr.txt", std::string(100000, 'x'));
    std::optional<FileFailure> full;
    {
        const FileSizeLimit limit(4096);
        full = KeepBackup(backups(), book(), "20261208-100001");
    }
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->message(), "I/O error 27");
    EXPECT_EQ(copies(), (std::vector<std::string>{"20261208-100000=v1"}));
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(BackupFolderOf(backups(), book())), {}),
        1)
        << "no temporary file stays";
}

} // namespace
} // namespace velm
