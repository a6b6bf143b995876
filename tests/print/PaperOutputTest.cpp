#include "print/PaperOutput.h"

#include "PdfTools.h"
#include "ScriptedPrintDesk.h"
#include "TestDocument.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velm::print
{
namespace
{

using test::ScriptedPrintDesk;
using test::TestDocument;

// A PDF is written whole or not at all: a cancel or a failure leaves the file that was
// there before.
TEST(WritePdf, ReplacesTheFileOnlyWithACompletePdf)
{
    if (!test::HavePopplerTools())
        GTEST_SKIP() << "poppler-utils is not installed";
    struct Case {
        const char* name;
        int cancelAt;
        const char* path;
        OutputResult result;
        int pages; // in the file afterwards; 0: the old file is still there
    };
    const std::vector<Case> cases{
        {"written", -1, "out.pdf", OutputResult::Done, 3},
        {"cancelled at the start", 0, "out.pdf", OutputResult::Cancelled, 0},
        {"cancelled on the last page", 2, "out.pdf", OutputResult::Cancelled, 0},
        {"folder missing", -1, "missing/out.pdf", OutputResult::Failed, -1},
    };
    const TestDocument document(3, 1, QString());
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(c.path));
        {
            QFile old(path);
            if (old.open(QIODevice::WriteOnly))
                old.write("old");
        }
        ScriptedPrintDesk desk;
        desk.cancelAt = c.cancelAt;
        const auto progress = desk.startProgress(QString(), 3, nullptr);
        EXPECT_EQ(WritePdf(document, path, progress.get()), c.result) << c.name;
        if (c.pages > 0) {
            EXPECT_EQ(test::PdfPageCount(path), c.pages) << c.name;
        }
        if (c.pages == 0) {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::ReadOnly)) << c.name;
            EXPECT_EQ(old.readAll(), "old") << c.name;
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), c.pages >= 0 ? 1 : 0)
            << c.name << ": a temporary file is left";
    }
}

// Qt writes page sizes in whole points; a PDF page is the paper's exact size all the same,
// written or printed to a file, and its drawing keeps its distance from the top edge.
TEST(WritePdf, GivesEachPageTheExactSizeOfItsPaperMeasuredFromTheTop)
{
    if (!test::HavePopplerTools())
        GTEST_SKIP() << "poppler-utils is not installed";
    const auto writeFile = [](const PagedDocument& document, const QString& path) {
        return WritePdf(document, path, nullptr);
    };
    const auto printToFile = [](const PagedDocument& document, const QString& path) {
        QPrinter printer(QPrinter::HighResolution);
        PreparePrinter(printer, document);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return PrintPages(document, printer, {0}, nullptr);
    };
    const std::vector<std::pair<const char*, QPageSize>> papers{
        {"A6, 297.64 x 419.53 pt", QPageSize(QPageSize::A6)},
        {"whole points",
         QPageSize(QSizeF(300, 420), QPageSize::Point, QString(), QPageSize::ExactMatch)},
    };
    std::vector<double> tops;
    for (const auto& [route, output] :
         {std::pair{"PDF", +writeFile}, std::pair{"Print to File", +printToFile}}) {
        for (const auto& [name, paper] : papers) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("out.pdf"));
            ASSERT_EQ(output(TestDocument(1, 1, path, paper), path), OutputResult::Done) << name;
            const std::vector<test::PdfPage> pages = test::PdfWordBoxes(path);
            ASSERT_EQ(pages.size(), 1u) << route << ", " << name;
            // Qt gives a size in millimetres to two decimals; whole points are off by up
            // to 0.18 mm.
            const QSizeF size = paper.size(QPageSize::Millimeter);
            EXPECT_NEAR(pages[0].width, size.width(), 0.006) << route << ", " << name;
            EXPECT_NEAR(pages[0].height, size.height(), 0.006) << route << ", " << name;
            ASSERT_FALSE(pages[0].words.empty()) << route << ", " << name;
            tops.push_back(pages[0].words.front().top);
        }
    }
    for (const double top : tops)
        EXPECT_NEAR(top, tops.front(), 0.01);
}

} // namespace
} // namespace velm::print
