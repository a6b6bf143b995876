#include "blent/CommandLine.h"
#include "blent/PrintDocument.h"
#include "sheets/Sheets.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
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
        {{"/tmp/addrb5.txt"}, {"/tmp/addrb5.txt", std::nullopt}},
        {{"/tmp/My", "Tools/addrb7.txt"}, {"/tmp/My Tools/addrb7.txt", std::nullopt}},
        {{"/tmp/a", "", "b.txt"}, {"/tmp/a  b.txt", std::nullopt}},
        {{"--pdf", "out.pdf", "/tmp/My", "Tools/a.txt"}, {"/tmp/My Tools/a.txt", "out.pdf"}},
        // Only a leading option is one: later words belong to the path.
        {{"a", "--pdf", "b"}, {"a --pdf b", std::nullopt}},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseCommandLine(c.args);
        ASSERT_TRUE(std::holds_alternative<Invocation>(parsed)) << c.expected.file;
        EXPECT_EQ(std::get<Invocation>(parsed), c.expected);
    }
}

TEST(CommandLine, RejectsAMissingFileOrPdfPath)
{
    const std::vector<std::vector<std::string>> cases{
        {}, {""}, {"--pdf"}, {"--pdf", "out.pdf"}, {"--pdf", "", "a.txt"}};
    for (const auto& args : cases)
        EXPECT_TRUE(std::holds_alternative<UsageError>(ParseCommandLine(args))) << args.size();
}

class PrintDocumentTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("blent-doc-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "with space");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Write(const std::string& name, const std::string_view bytes) const
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    fs::path m_dir;
};

TEST_F(PrintDocumentTest, FormatFileIsTheSamePathWithBpc)
{
    EXPECT_EQ(FormatFilePath("/x/addrb7.txt"), "/x/addrb7.bpc");
    EXPECT_EQ(FormatFilePath("/x/My Tools/addr"), "/x/My Tools/addr.bpc");
    EXPECT_EQ(FormatFilePath("/x.d/addr.list.txt"), "/x.d/addr.list.bpc");
}

TEST_F(PrintDocumentTest, ReadsTheTextAndItsFormatFileLeavingBothUnchanged)
{
    const std::string text = "\x84\xA0"
                             "a\r\n"; // │a
    const std::string path = Write("with space/addrb5.txt", text);
    Write("with space/addrb5.bpc", Makeitiranbpc());
    const auto before = fs::last_write_time(path);

    const auto loaded = LoadPrintDocument(path);
    ASSERT_TRUE(std::holds_alternative<PrintDocument>(loaded));
    const PrintDocument& document = std::get<PrintDocument>(loaded);
    EXPECT_EQ(document.text, text);
    EXPECT_TRUE(document.hasFormatFile);
    EXPECT_EQ(document.format, ParsePrintFormat(Makeitiranbpc()));
    EXPECT_EQ(fs::last_write_time(path), before);
    EXPECT_EQ(fs::file_size(path), text.size());
}

TEST_F(PrintDocumentTest, WithoutAFormatFileUsesTheDefaults)
{
    const auto loaded = LoadPrintDocument(Write("addr.txt", "abc\r\n"));
    ASSERT_TRUE(std::holds_alternative<PrintDocument>(loaded));
    EXPECT_FALSE(std::get<PrintDocument>(loaded).hasFormatFile);
    EXPECT_EQ(std::get<PrintDocument>(loaded).format, PrintFormat{});
    const PrintFormat defaults;
    EXPECT_EQ(defaults.paperCode, 9);
    EXPECT_DOUBLE_EQ(defaults.fontSizePt, 10.5);
    EXPECT_DOUBLE_EQ(defaults.leftMarginMm, 15);
}

TEST_F(PrintDocumentTest, ATextThatCannotBeReadIsAnError)
{
    for (const fs::path& path : {m_dir / "missing.txt", m_dir / "with space"}) {
        const auto loaded = LoadPrintDocument(path.string());
        ASSERT_TRUE(std::holds_alternative<LoadError>(loaded)) << path;
        EXPECT_EQ(std::get<LoadError>(loaded).path, path.string());
        EXPECT_FALSE(std::get<LoadError>(loaded).reason.empty());
    }
}

} // namespace
} // namespace velm::blent
