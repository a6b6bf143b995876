#include "print/PreviewWindow.h"

#include "PdfTools.h"
#include "ScriptedPrintDesk.h"
#include "TestDocument.h"
#include "print/PageView.h"
#include "print/PrintTexts.h"

#include <QAction>
#include <QLabel>
#include <QPageRanges>
#include <QPrinter>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace velm::print
{
namespace
{

using test::PageWords;
using test::ScriptedPrintDesk;
using test::TestDocument;

QAction* ActionNamed(const QMainWindow& window, const QString& text)
{
    for (QToolBar* bar : window.findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

// The printed page numbers in the order a PDF's text holds them.
std::vector<int> PageNumbersIn(const QString& pdf)
{
    std::vector<int> numbers;
    const QString text = QString::fromUtf8(test::PdfText(pdf));
    QRegularExpressionMatchIterator words =
        QRegularExpression(QStringLiteral("page (\\d+)")).globalMatch(text);
    while (words.hasNext())
        numbers.push_back(words.next().captured(1).toInt());
    return numbers;
}

class PreviewWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        auto document = std::make_unique<TestDocument>(3, 2, m_dir.filePath("test.pdf"));
        m_document = document.get();
        m_window = std::make_unique<PreviewWindow>(std::move(document), m_desk,
                                                   QStringLiteral("test.txt"));
        m_window->resize(500, 700);
        m_window->show();
    }

    QString counter() const { return m_window->findChild<QLabel*>()->text(); }

    QTemporaryDir m_dir;
    ScriptedPrintDesk m_desk;
    TestDocument* m_document = nullptr;
    std::unique_ptr<PreviewWindow> m_window;
};

// Three sheets of two printed pages each. A page is painted when it is shown, and only
// then; the counter gives the printed pages on screen.
TEST_F(PreviewWindowTest, PaintsOnlyThePageShownAndCountsPrintedPages)
{
    QAction* next = ActionNamed(*m_window, texts::kNextPage);
    QAction* previous = ActionNamed(*m_window, texts::kPreviousPage);
    ASSERT_TRUE(next && previous);
    m_window->grab();
    EXPECT_EQ(m_document->painted, std::vector<int>{0});
    struct Step {
        QAction* action;
        QString counter;
    };
    for (const Step& step : {Step{next, "3-4 / 6"}, Step{next, "5-6 / 6"}, Step{next, "5-6 / 6"},
                             Step{previous, "3-4 / 6"}}) {
        step.action->trigger();
        EXPECT_EQ(counter(), step.counter);
    }
    m_window->grab();
    EXPECT_EQ(m_document->painted, (std::vector<int>{0, 1}));
}

// The print dialog gets the job's name, the printed page numbers and a Print to File
// proposal beside the document; the pages that hold the chosen printed pages are printed,
// with the copies the printer does not make itself.
TEST_F(PreviewWindowTest, PrintsThePagesChosenInThePrintDialog)
{
    if (!test::HavePopplerTools())
        GTEST_SKIP() << "poppler-utils is not installed";
    struct Case {
        const char* name;
        std::vector<QPageRanges::Range> ranges; // empty: all pages
        int copies;
        bool collate;
        std::vector<int> printed;
    };
    const std::vector<Case> cases{
        {"all", {}, 1, true, {1, 2, 3, 4, 5, 6}},
        {"page 2 prints its sheet", {{2, 2}}, 1, true, {1, 2}},
        {"pages 4 to 5", {{4, 5}}, 1, true, {3, 4, 5, 6}},
        {"two collated copies", {{3, 3}, {5, 5}}, 2, true, {3, 4, 5, 6, 3, 4, 5, 6}},
        {"two copies page by page", {{3, 3}, {5, 5}}, 2, false, {3, 4, 3, 4, 5, 6, 5, 6}},
    };
    for (const Case& c : cases) {
        const QString pdf = m_dir.filePath(QString::fromLatin1(c.name) + ".pdf");
        m_desk.printDialogs.push_back([&c, &pdf](QPrinter& printer) {
            printer.setOutputFileName(pdf);
            QPageRanges ranges;
            for (const QPageRanges::Range& range : c.ranges)
                ranges.addRange(range.from, range.to);
            printer.setPrintRange(c.ranges.empty() ? QPrinter::AllPages : QPrinter::PageRange);
            printer.setPageRanges(ranges);
            printer.setCopyCount(c.copies);
            printer.setCollateCopies(c.collate);
            return true;
        });
        m_window->print();
        EXPECT_EQ(PageNumbersIn(pdf), c.printed) << c.name;
        EXPECT_EQ(test::PdfPageCount(pdf), static_cast<int>(c.printed.size()) / 2) << c.name;
    }
    ASSERT_EQ(m_desk.printDialogRuns.size(), cases.size());
    const auto& first = m_desk.printDialogRuns.front();
    EXPECT_EQ(first.docName, QStringLiteral("test.txt"));
    EXPECT_EQ(first.outputFileName, m_dir.filePath("test.pdf"));
    EXPECT_EQ(first.lastPage, 6);
    EXPECT_TRUE(m_desk.warnings.empty());
}

TEST_F(PreviewWindowTest, ACancelledPrintToFileLeavesNoFile)
{
    const QString pdf = m_dir.filePath("cancelled.pdf");
    m_desk.printDialogs.push_back([&pdf](QPrinter& printer) {
        printer.setOutputFileName(pdf);
        return true;
    });
    m_desk.cancelAt = 1;
    m_window->print();
    EXPECT_EQ(m_desk.progressTotals, std::vector<int>{3});
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(m_desk.warnings.empty());
}

// Saving proposes the document's own PDF, writes every page and says so in the status line;
// a PDF that cannot be written is reported.
TEST_F(PreviewWindowTest, SavesAsPdfWhereTheUserChooses)
{
    const QString saved = m_dir.filePath("saved.pdf");
    const QString unwritable = m_dir.filePath("missing/saved.pdf");
    m_desk.fileDialogResults = {saved, unwritable, std::nullopt};
    m_window->saveAsPdf();
    EXPECT_EQ(m_window->statusBar()->currentMessage(), texts::kPdfSaved.arg(saved));
    m_window->statusBar()->clearMessage();
    for (int run = 1; run < 3; ++run)
        m_window->saveAsPdf();
    EXPECT_EQ(m_window->statusBar()->currentMessage(), QString()) << "said only of a PDF written";
    ASSERT_EQ(m_desk.fileDialogRuns.size(), 3u);
    EXPECT_EQ(m_desk.fileDialogRuns[0].title, texts::kSavePdf);
    EXPECT_EQ(m_desk.fileDialogRuns[0].proposed, m_dir.filePath("test.pdf"));
    if (test::HavePopplerTools()) {
        EXPECT_EQ(test::PdfPageCount(saved), 3);
    }
    EXPECT_EQ(m_desk.warnings, std::vector<QString>{texts::kPdfFailed.arg(unwritable)});
}

} // namespace
} // namespace velm::print
