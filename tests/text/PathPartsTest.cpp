#include "text/PathParts.h"

#include "support/Bytes.h"

#include <gtest/gtest.h>
#include <string_view>

namespace velm
{
namespace
{

using test::HexBytes;

constexpr PathConvention kWindows = kWindowsPaths;
constexpr PathConvention kPosix = kPosixPaths;

struct PathCase {
    PathConvention convention;
    std::string_view path;
    std::string_view directory;
    std::string_view fileName;
    std::string_view withOrb; // the path with its extension changed to ".orb"
};

const PathCase kPathCases[] = {
    {kWindows, "C:\\VELM\\addr.txt", "C:\\VELM\\", "addr.txt", "C:\\VELM\\addr.orb"},
    {kWindows, "C:addr.txt", "C:", "addr.txt", "C:addr.orb"},
    {kWindows, "addr", "", "addr", "addr.orb"},
    {kWindows, "", "", "", ".orb"},
    {kWindows, "C:\\", "C:\\", "", "C:\\.orb"},
    {kWindows, "a.b\\c", "a.b\\", "c", "a.b\\c.orb"},
    {kWindows, "a\\b.c.txt", "a\\", "b.c.txt", "a\\b.c.orb"},
    {kWindows, "a\\.txt", "a\\", ".txt", "a\\.orb"},
    // 表 (0x95 0x5C) and ソ (0x83 0x5C): their 0x5C is not a separator.
    {kWindows, "C:\\\x95\\\\a.txt", "C:\\\x95\\\\", "a.txt", "C:\\\x95\\\\a.orb"},
    {kWindows, "C:\\\x95\\a.txt", "C:\\", "\x95\\a.txt", "C:\\\x95\\a.orb"},
    {kWindows, "d\\\x83\\", "d\\", "\x83\\", "d\\\x83\\.orb"},
    // A lone lead byte at the end is a character of its own.
    {kWindows, "d\\\x95", "d\\", "\x95", "d\\\x95.orb"},
    {kPosix, "/home/u/addr.txt", "/home/u/", "addr.txt", "/home/u/addr.orb"},
    {kPosix, "C:\\VELM\\addr.txt", "", "C:\\VELM\\addr.txt", "C:\\VELM\\addr.orb"},
    {kPosix, "/a.d/file", "/a.d/", "file", "/a.d/file.orb"},
    {kPosix, "/\x95\\/x.y", "/\x95\\/", "x.y", "/\x95\\/x.orb"},
    // Linux names are UTF-8: あ (E3 81 82) ends in a byte that Shift-JIS would take for a
    // lead byte, and the "/" after it still separates.
    {kPosix, "/home/\xe3\x81\x82/addr.txt", "/home/\xe3\x81\x82/", "addr.txt",
     "/home/\xe3\x81\x82/addr.orb"},
    {kPosix, "/x/a.b\xe3\x81\x82/addr", "/x/a.b\xe3\x81\x82/", "addr",
     "/x/a.b\xe3\x81\x82/addr.orb"},
};

TEST(PathParts, SplitsByTheGivenConvention)
{
    for (const PathCase& c : kPathCases) {
        const std::string directory = DirectoryPart(c.path, c.convention);
        const std::string fileName = FileNamePart(c.path, c.convention);
        const std::string changed = ChangeExtension(c.path, ".orb", c.convention);
        EXPECT_EQ(directory, c.directory) << HexBytes(c.path) << " gave " << HexBytes(directory);
        EXPECT_EQ(fileName, c.fileName) << HexBytes(c.path) << " gave " << HexBytes(fileName);
        EXPECT_EQ(changed, c.withOrb) << HexBytes(c.path) << " gave " << HexBytes(changed);
    }
}

TEST(PathParts, ThePlatformFormsUseThePlatformSeparators)
{
    for (const PathCase& c : kPathCases) {
        if (c.convention != kNativePaths)
            continue;
        EXPECT_EQ(DirectoryPart(c.path), c.directory) << HexBytes(c.path);
        EXPECT_EQ(FileNamePart(c.path), c.fileName) << HexBytes(c.path);
        EXPECT_EQ(ChangeExtension(c.path, ".orb"), c.withOrb) << HexBytes(c.path);
    }
}

TEST(PathParts, ChangeExtensionToTxtAndBack)
{
    EXPECT_EQ(ChangeExtension("C:\\d\\x.orb", ".txt", kWindows), "C:\\d\\x.txt");
    EXPECT_EQ(ChangeExtension("/d/x", "", kPosix), "/d/x");
    EXPECT_EQ(ChangeExtension("/d/x.orb", "", kPosix), "/d/x");
}

TEST(PathParts, ExtensionPartIsTheFileNamesOwn)
{
    if (kNativePaths != kPosix)
        GTEST_SKIP() << "the cases are written with Linux separators";
    EXPECT_EQ(ExtensionPart("/home/u/addr.VCF"), ".VCF");
    EXPECT_EQ(ExtensionPart("/x/b.c.csv"), ".csv");
    EXPECT_EQ(ExtensionPart("/x/.orb"), ".orb");
    EXPECT_EQ(ExtensionPart("/a.d/file"), "");
    EXPECT_EQ(ExtensionPart("addr."), ".");
    EXPECT_EQ(ExtensionPart(""), "");
}

} // namespace
} // namespace velm
