#include "blent/BlentTexts.h"
#include "blent/CommandLine.h"
#include "blent/PrintFormat.h"
#include "blent/SheetFile.h"
#include "sheets/Sheets.h"

#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace velm::blent
{
namespace
{

namespace fs = std::filesystem;

TEST(CommandLine, JoinsTheArgumentsIntoOnePath)
{
    struct Case {
        std::vector<std::string> args;
        Invocation expected;
    };
    const std::vector<Case> cases{
        {{}, {std::nullopt, std::nullopt}},
        {{"/tmp/addrb5.txt"}, {"/tmp/addrb5.txt", std::nullopt}},
        {{"/tmp/My", "Tools/addrb7.txt"}, {"/tmp/My Tools/addrb7.txt", std::nullopt}},
        {{"/tmp/a", "", "b.txt"}, {"/tmp/a  b.txt", std::nullopt}},
        {{"--pdf", "out.pdf", "/tmp/My", "Tools/a.txt"}, {"/tmp/My Tools/a.txt", "out.pdf"}},
        // Only a leading option is one: later words belong to the path.
        {{"a", "--pdf", "b"}, {"a --pdf b", std::nullopt}},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseCommandLine(c.args);
        ASSERT_TRUE(std::holds_alternative<Invocation>(parsed)) << c.args.size();
        EXPECT_EQ(std::get<Invocation>(parsed), c.expected);
    }
}

TEST(CommandLine, RejectsAMissingFileOrPdfPath)
{
    const std::vector<std::vector<std::string>> cases{
        {""}, {"--pdf"}, {"--pdf", "out.pdf"}, {"--pdf", "", "a.txt"}};
    for (const auto& args : cases)
        EXPECT_TRUE(std::holds_alternative<UsageError>(ParseCommandLine(args))) << args.size();
}

// A format file of the given values by line number; every other setting line holds no
// value.
std::string FormatFile(const std::map<int, std::string>& values)
{
    std::string file = "banner\r\n";
    for (int line = 2; line <= 24; ++line)
        file += (values.contains(line) ? values.at(line) : std::string()) + ",x\r\n";
    return file;
}

class InputFiles : public ::testing::Test
{
  protected:
    std::string write(const std::string& name, std::string_view bytes) const
    {
        const std::string path = m_dir.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(InputFiles, FormatFileIsTheSamePathWithBpc)
{
    EXPECT_EQ(FormatFilePath("/x/addrb7.txt"), "/x/addrb7.bpc");
    EXPECT_EQ(FormatFilePath("/x/My Tools/addr"), "/x/My Tools/addr.bpc");
    EXPECT_EQ(FormatFilePath("/x.d/addr.list.txt"), "/x.d/addr.list.bpc");
}

TEST_F(InputFiles, ReadTheTextAndItsFormatFileLeavingBothUnchanged)
{
    const std::string text = "\x84\xA0"
                             "a\r\n"; // │a
    const std::string path = write("addrb5.txt", text);
    write("addrb5.bpc", Makeitiranbpc());
    const auto before = fs::last_write_time(path);

    const auto loaded = LoadSheetFile(path);
    ASSERT_TRUE(std::holds_alternative<SheetFile>(loaded));
    const SheetFile& file = std::get<SheetFile>(loaded);
    EXPECT_EQ(file.text, text);
    EXPECT_TRUE(file.hasFormatFile);
    EXPECT_EQ(file.format, ParsePrintFormat(Makeitiranbpc()));
    EXPECT_EQ(fs::last_write_time(path), before);
}

// A format file that is not a regular file is passed over, as a missing one is.
TEST_F(InputFiles, WithoutAReadableFormatFileTheDefaultsHold)
{
    const std::string path = write("addr.txt", "abc\r\n");
    for (const bool folderInTheWay : {false, true}) {
        if (folderInTheWay)
            fs::create_directory(FormatFilePath(path));
        const auto loaded = LoadSheetFile(path);
        ASSERT_TRUE(std::holds_alternative<SheetFile>(loaded));
        EXPECT_FALSE(std::get<SheetFile>(loaded).hasFormatFile);
        EXPECT_EQ(std::get<SheetFile>(loaded).format, PrintFormat{});
    }
}

// Input that cannot be printed ends the tool with exit status 1 and a message that says
// why, and no PDF; a command line it cannot use, with status 2.
TEST_F(InputFiles, HostileInputEndsWithItsMessageAndStatus)
{
    struct Case {
        const char* name;
        std::string file;
        int status;
        QString message;
    };
    const std::string longText = std::string(5000, '\n');
    const std::string fifo = m_dir.filePath("fifo.txt").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string large = m_dir.filePath("large.txt").toStdString();
    fs::resize_file(write("large.txt", ""), (std::uintmax_t(64) << 20) + 1);
    write("margins.bpc", FormatFile({{5, "200"}, {15, "200"}}));
    write("narrow.bpc", FormatFile({{6, "200"}, {18, "70"}}));
    write("font.bpc", FormatFile({{15, "200"}}));
    const std::vector<Case> cases{
        {"missing", m_dir.filePath("missing.txt").toStdString(), 1, texts::kNotFound},
        {"folder", m_dir.path().toStdString(), 1, texts::kNotAFile},
        {"device", "/dev/zero", 1, texts::kNotAFile},
        {"pipe", fifo, 1, texts::kNotAFile},
        {"over 64 MiB", large, 1, texts::kTooLarge},
        {"no room for a line", write("margins.txt", "a\r\n"), 1,
         QStringLiteral("上余白 200 mm、フォントサイズ 200 ポイント")},
        {"no room for a character", write("narrow.txt", "a\r\n"), 1,
         QStringLiteral("左余白 200 mm")},
        {"too many pages", write("font.txt", longText), 1, QStringLiteral("2000 頁を超える")},
        {"no file after --pdf", "", 2, texts::kFileMissing},
    };
    for (const Case& c : cases) {
        const QString pdf = m_dir.filePath("out.pdf");
        QStringList args{QStringLiteral("--pdf"), pdf};
        if (!c.file.empty())
            args += QString::fromStdString(c.file);
        QProcess blent;
        blent.start(QStringLiteral(BLENT_EXE), args);
        ASSERT_TRUE(blent.waitForFinished(60000)) << c.name << " hangs";
        EXPECT_EQ(blent.exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_EQ(blent.exitCode(), c.status) << c.name;
        const QString error = QString::fromUtf8(blent.readAllStandardError());
        EXPECT_TRUE(error.contains(c.message)) << c.name << ": " << error.toStdString();
        EXPECT_FALSE(QFile::exists(pdf)) << c.name;
    }
}

} // namespace
} // namespace velm::blent
