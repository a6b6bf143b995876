#include "print/PaperOutput.h"

#include "PdfTools.h"
#include "ScriptedPrintDesk.h"
#include "TestDocument.h"

#include <QDir>
#include <QFile>
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

} // namespace
} // namespace velm::print
