#include "store/UserFolders.h"

#include "support/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace velm
{
namespace
{

namespace fs = std::filesystem;
using test::ScratchFolder;

const std::string kExeDir = "/opt/velm/lib/velm/";

TEST(UserFolders, TheMarkerAndTheVariablesChooseTheFolders)
{
    struct Case {
        XdgEnvironment env;
        bool installed;
        std::string data;
        std::optional<std::string> backups;
    };
    const std::vector<Case> cases{
        // A copy without the marker keeps its files beside itself, whatever the variables.
        {{"/x/data", "/x/state", "/home/u"}, false, kExeDir, "/x/state/velm/backups/"},
        {{"/x/data", "/x/state", "/home/u"}, true, "/x/data/velm/", "/x/state/velm/backups/"},
        {{"/x/data//", "/x/state/", "/home/u"}, true, "/x/data/velm/", "/x/state/velm/backups/"},
        // Unset, empty or relative variables give the defaults below the home folder.
        {{"", "", "/home/u"},
         true,
         "/home/u/.local/share/velm/",
         "/home/u/.local/state/velm/backups/"},
        {{"data", "./state", "/home/u/"},
         true,
         "/home/u/.local/share/velm/",
         "/home/u/.local/state/velm/backups/"},
        // Without any absolute folder the program stays beside itself and keeps no backups.
        {{"", "", ""}, true, kExeDir, std::nullopt},
        {{"rel", "rel", "home"}, true, kExeDir, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("data=" + c.env.dataHome + " state=" + c.env.stateHome +
                     " home=" + c.env.home + " installed=" + std::to_string(c.installed));
        EXPECT_EQ(DataFolderFor(kExeDir, c.installed, c.env), c.data);
        EXPECT_EQ(BackupsFolderFor(c.env), c.backups);
    }
}

TEST(UserFolders, OnlyTheMarkerMakesTheDataFolderOnStart)
{
    ScratchFolder scratch;
    const XdgEnvironment env{scratch / "data", "", scratch / "home"};
    scratch.put("portable/velm", "");
    EXPECT_EQ(ChooseDataFolder(scratch / "portable/", env), scratch / "portable/");
    EXPECT_FALSE(fs::exists(scratch / "data")) << "a portable copy makes no folder";

    scratch.put("installed/" + std::string(kInstalledMarker), "");
    EXPECT_EQ(ChooseDataFolder(scratch / "installed/", env), scratch / "data/velm/");
    struct stat info {
    };
    ASSERT_EQ(::stat((scratch / "data/velm").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "a person's address book is nobody else's";
}

TEST(UserFolders, MakeFoldersKeepsWhatIsThereAndReportsWhatIsInTheWay)
{
    ScratchFolder scratch;
    EXPECT_EQ(MakeFolders(scratch / "a/b/c/"), std::nullopt);
    EXPECT_EQ(MakeFolders(scratch / "a/b/c/"), std::nullopt) << "an existing folder is fine";
    EXPECT_EQ(MakeFolders(scratch / "a/b"), std::nullopt);

    scratch.put("file", "x");
    const auto blocked = MakeFolders(scratch / "file/velm/");
    ASSERT_TRUE(blocked.has_value());
    EXPECT_EQ(blocked->kind, FileFailure::Kind::NotFound) << blocked->message();
    const auto itself = MakeFolders(scratch / "file");
    ASSERT_TRUE(itself.has_value());
    EXPECT_EQ(itself->systemError, ENOTDIR);
}

} // namespace
} // namespace velm
