#include "sheets/PrintTool.h"

#include "ByteComparison.h"

#include <gtest/gtest.h>
#include <string>

namespace velm
{
namespace
{

using test::SameBytes;

struct CommandCase {
    const char* exeDir;
    const char* file;
    const char* printTool;  // the print tool's command line
    const char* textViewer; // the text viewer's command line
};

// Paths go in unquoted and unchanged, spaces and a 0x5C trail byte included.
const CommandCase kCommandCases[] = {
    {"C:\\My Tools\\", "C:\\My Tools\\addrb7.txt",
     "C:\\My Tools\\Blent.exe C:\\My Tools\\addrb7.txt", "Notepad.exe C:\\My Tools\\addrb7.txt"},
    {"C:\\VELM\\", "D:\\data\\addr.txt", "C:\\VELM\\Blent.exe D:\\data\\addr.txt",
     "Notepad.exe D:\\data\\addr.txt"},
    // C:\表\ with 表 = 0x95 0x5C
    {"C:\\\x95\x5C\\", "C:\\\x95\x5C\\addrb5.txt",
     "C:\\\x95\x5C\\Blent.exe C:\\\x95\x5C\\addrb5.txt", "Notepad.exe C:\\\x95\x5C\\addrb5.txt"},
    {"", "addr.txt", "Blent.exe addr.txt", "Notepad.exe addr.txt"},
};

TEST(PrintTool, CommandLinesJoinToolAndFileWithOneSpace)
{
    for (const CommandCase& c : kCommandCases) {
        EXPECT_PRED_FORMAT2(SameBytes, PrintToolCommandLine(c.exeDir, c.file), c.printTool);
        EXPECT_PRED_FORMAT2(SameBytes, TextViewerCommandLine(c.file), c.textViewer);
    }
}

TEST(PrintTool, ToolLiesInTheProgramFolder)
{
    EXPECT_EQ(PrintToolPath("C:\\My Tools\\"), "C:\\My Tools\\Blent.exe");
    EXPECT_EQ(PrintToolPath("/opt/velm/"), "/opt/velm/Blent.exe");
}

} // namespace
} // namespace velm
