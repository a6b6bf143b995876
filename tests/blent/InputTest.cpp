#include "blent/BlentTexts.h"
#include "blent/CommandLine.h"
#include "blent/PrintFormat.h"
#include "blent/SheetFile.h"
#include "print/PdfTools.h"
#include "sheets/Sheets.h"
#include "store/AddressBookFile.h"
#include "support/Cards.h"

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

TEST(CommandLine, ReadsThePostcardOptions)
{
    struct Case {
        std::vector<std::string> args;
        PostcardChoice choice;
        std::string mark; // Shift-JIS
        int sender;
        double offsetX, offsetY;
        bool kanjiDigits, jointNames;
        std::string addressBook;
    };
    const std::vector<Case> cases{
        {{"--postcards", "o.pdf", "a.txt"}, PostcardChoice::All, "", 0, 0, 0, true, true, "a.txt"},
        {{"--postcards", "o.pdf", "--marked", "--sender", "12", "--no-joint-names", "My",
          "Book.txt"},
         PostcardChoice::Marked,
         "",
         12,
         0,
         0,
         true,
         false,
         "My Book.txt"},
        {{"--postcards", "o.pdf", "--mark", "友", "--offset", "-5,2.5", "--no-kanji-digits",
          "a.txt"},
         PostcardChoice::MarkEquals,
         "\x97\x46",
         0,
         -5,
         2.5,
         false,
         true,
         "a.txt"},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseCommandLine(c.args);
        ASSERT_TRUE(std::holds_alternative<PostcardsInvocation>(parsed)) << c.addressBook;
        const PostcardsInvocation& invocation = std::get<PostcardsInvocation>(parsed);
        const PostcardRequest& request = invocation.request;
        EXPECT_EQ(invocation.pdfOut, "o.pdf");
        EXPECT_EQ(invocation.addressBook, c.addressBook);
        EXPECT_EQ(request.selection.choice, c.choice) << c.addressBook;
        EXPECT_EQ(request.selection.mark, c.mark) << c.addressBook;
        EXPECT_EQ(request.senderCard, c.sender) << c.addressBook;
        EXPECT_DOUBLE_EQ(request.options.offsetX, c.offsetX) << c.addressBook;
        EXPECT_DOUBLE_EQ(request.options.offsetY, c.offsetY) << c.addressBook;
        EXPECT_EQ(request.options.kanjiDigits, c.kanjiDigits) << c.addressBook;
        EXPECT_EQ(request.options.jointNames, c.jointNames) << c.addressBook;
    }
}

TEST(CommandLine, RejectsPostcardOptionsItCannotUse)
{
    const std::vector<std::vector<std::string>> cases{
        {"--postcards"},
        {"--postcards", "o.pdf"},
        {"--postcards", "o.pdf", "--marked"},
        {"--postcards", "o.pdf", "--mark"},
        {"--postcards", "o.pdf", "--marked", "--mark", "x", "a.txt"},
        {"--postcards", "o.pdf", "--sender", "0", "a.txt"},
        {"--postcards", "o.pdf", "--sender", "1000", "a.txt"},
        {"--postcards", "o.pdf", "--sender", "1x", "a.txt"},
        {"--postcards", "o.pdf", "--offset", "5.1,0", "a.txt"},
        {"--postcards", "o.pdf", "--offset", "nan,0", "a.txt"},
        {"--postcards", "o.pdf", "--offset", "1", "a.txt"},
        {"--postcards", "o.pdf", "--kanji", "a.txt"},
    };
    for (const auto& args : cases) {
        const auto parsed = ParseCommandLine(args);
        ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << args.size();
        EXPECT_EQ(std::get<UsageError>(parsed).usage, texts::kPostcardsUsage);
    }
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

// The postcards of an address book: a PDF page for each card with a name, or no PDF and a
// message with the status that says why.
TEST_F(InputFiles, PostcardsOfAnAddressBookEndWithTheirStatus)
{
    if (!test::HavePopplerTools())
        GTEST_SKIP() << "poppler-utils is not installed";
    const std::string book = write(
        "addr.txt", FormatAddressBook(*test::StoreWith({{.Name1 = "\x8e\x52\x93\x63", .Mark = "A"},
                                                        {.Jusyo1 = "Tokyo"},
                                                        {.Name1 = "\x97\xe9\x96\xd8"}})));
    struct Case {
        const char* name;
        QStringList options;
        std::string file;
        int status;
        int pages; // in the PDF; 0 for none
        QString message;
    };
    const std::vector<Case> cases{
        {"every card", {}, book, 0, 2, QString()},
        {"marked", {QStringLiteral("--mark"), QStringLiteral("A")}, book, 0, 1, QString()},
        {"missing", {}, m_dir.filePath("missing.txt").toStdString(), 1, 0, texts::kNotFound},
        {"no address book", {}, write("plain.txt", "abc\r\n"), 1, 0, texts::kNoCards},
        {"no card chosen",
         {QStringLiteral("--mark"), QStringLiteral("B")},
         book,
         1,
         0,
         QStringLiteral("addr.txt には印刷する宛名面がありません")},
        {"sender not in the book",
         {QStringLiteral("--sender"), QStringLiteral("4")},
         book,
         2,
         0,
         QStringLiteral("addr.txt にはカード 4 がありません")},
    };
    for (const Case& c : cases) {
        const QString pdf = m_dir.filePath("postcards.pdf");
        QFile::remove(pdf);
        QProcess blent;
        blent.start(QStringLiteral(BLENT_EXE), QStringList{QStringLiteral("--postcards"), pdf} +
                                                   c.options +
                                                   QStringList{QString::fromStdString(c.file)});
        ASSERT_TRUE(blent.waitForFinished(60000)) << c.name << " hangs";
        EXPECT_EQ(blent.exitCode(), c.status) << c.name;
        const QString error = QString::fromUtf8(blent.readAllStandardError());
        EXPECT_TRUE(error.contains(c.message)) << c.name << ": " << error.toStdString();
        EXPECT_EQ(QFile::exists(pdf), c.pages > 0) << c.name;
        if (c.pages > 0) {
            EXPECT_EQ(test::PdfPageCount(pdf), c.pages) << c.name;
        }
    }
}

} // namespace
} // namespace velm::blent
