#include "blent/BlentMain.h"
#include "blent/BlentTexts.h"
#include "blent/TextSheet.h"
#include "print/PdfTools.h"
#include "print/PreviewWindow.h"
#include "print/ScriptedPrintDesk.h"

#include <QLabel>
#include <QPageRanges>
#include <QPrinter>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace velm::blent
{
namespace
{

using test::ScriptedPrintDesk;

class OpenPreviewTest : public ::testing::Test
{
  protected:
    std::string write(const char* name, std::string_view bytes) const
    {
        const std::string path = m_dir.filePath(QString::fromLatin1(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    QTemporaryDir m_dir;
    ScriptedPrintDesk m_desk;
};

// Started without a file, the tool asks for one; cancelling that ends it quietly.
TEST_F(OpenPreviewTest, WithoutAFileAsksForOne)
{
    const std::string path = write("chosen.txt", "abc\r\n");
    m_desk.fileDialogResults = {std::nullopt, QString::fromStdString(path)};
    const auto cancelled = OpenPreview(std::nullopt, m_desk);
    ASSERT_TRUE(std::holds_alternative<int>(cancelled));
    EXPECT_EQ(std::get<int>(cancelled), 0);

    const auto opened = OpenPreview(std::nullopt, m_desk);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<print::PreviewWindow>>(opened));
    EXPECT_EQ(std::get<std::unique_ptr<print::PreviewWindow>>(opened)->windowTitle(),
              QStringLiteral("chosen.txt - Blent"));
    ASSERT_EQ(m_desk.fileDialogRuns.size(), 2u);
    EXPECT_EQ(m_desk.fileDialogRuns[0].title, QStringLiteral("印刷するファイルを開く"));
}

TEST_F(OpenPreviewTest, AFileThatCannotBePrintedIsReported)
{
    const auto opened = OpenPreview(m_dir.path().toStdString(), m_desk);
    ASSERT_TRUE(std::holds_alternative<int>(opened));
    EXPECT_EQ(std::get<int>(opened), 1);
    ASSERT_EQ(m_desk.warnings.size(), 1u);
    EXPECT_TRUE(m_desk.warnings[0].contains(texts::kNotAFile));
}

// A fold-bound text of 7 pages lies on 4 sheets. The preview counts printed pages, and a
// range of printed pages prints the sheets that hold them.
TEST_F(OpenPreviewTest, PrintsTheSheetsThatHoldTheChosenPages)
{
    std::string text;
    for (int line = 1; line <= 7 * 25; ++line)
        text += "line " + std::to_string(line) + "\r\n";
    const std::string path = write("fold.txt", text);
    write("fold.bpc", "banner\r\n25,x\r\n" + std::string(10, '\n') + "1,x\r\n");
    auto opened = OpenPreview(path, m_desk);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<print::PreviewWindow>>(opened));
    print::PreviewWindow& window = *std::get<std::unique_ptr<print::PreviewWindow>>(opened);
    EXPECT_EQ(window.document().pageCount(), 4);
    window.goToPage(3);
    EXPECT_EQ(window.findChild<QLabel*>()->text(), QStringLiteral("7 / 7"));
    window.goToPage(1);
    EXPECT_EQ(window.findChild<QLabel*>()->text(), QStringLiteral("3-4 / 7"));

    if (!test::HavePopplerTools())
        GTEST_SKIP() << "poppler-utils is not installed";
    const QString pdf = m_dir.filePath("pages.pdf");
    m_desk.printDialogs.push_back([&pdf](QPrinter& printer) {
        printer.setOutputFileName(pdf);
        printer.setPrintRange(QPrinter::PageRange);
        QPageRanges ranges;
        ranges.addRange(4, 5);
        printer.setPageRanges(ranges);
        return true;
    });
    window.print();
    ASSERT_EQ(m_desk.printDialogRuns.size(), 1u);
    EXPECT_EQ(m_desk.printDialogRuns[0].docName, QStringLiteral("fold.txt"));
    EXPECT_EQ(m_desk.printDialogRuns[0].outputFileName, m_dir.filePath("fold.pdf"));
    EXPECT_EQ(m_desk.printDialogRuns[0].lastPage, 7);
    EXPECT_EQ(test::PdfPageCount(pdf), 2);
    const QByteArray printed = test::PdfText(pdf);
    for (const int line : {51, 150})
        EXPECT_TRUE(printed.contains("line " + QByteArray::number(line))) << line;
    for (const int line : {50, 151})
        EXPECT_FALSE(printed.contains("line " + QByteArray::number(line) + "\n")) << line;
}

} // namespace
} // namespace velm::blent
