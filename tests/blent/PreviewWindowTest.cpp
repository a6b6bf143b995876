#include "blent/PreviewWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <gtest/gtest.h>
#include <string>

namespace velm::blent
{
namespace
{

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

// 130 lines at 60 a page: three pages, shown one at a time with the page number.
TEST(PreviewWindow, ShowsThePagesAndMovesBetweenThem)
{
    std::string text;
    for (int i = 0; i < 130; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    PrintDocument document{"/tmp/preview.txt", text, {}, false};
    document.format.linesPerPage = 60;
    document.format.windowWidthPx = 640;
    document.format.memoWidthPx = 500;

    PreviewWindow window(document);
    window.show();
    QCoreApplication::processEvents();
    auto* preview = window.findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->pageCount(), 3);
    EXPECT_EQ(window.width(), 640);

    QAction* next = ActionNamed(window, QStringLiteral("次の頁"));
    QAction* previous = ActionNamed(window, QStringLiteral("前の頁"));
    ASSERT_TRUE(next && previous);
    const auto* label = window.findChild<QLabel*>();
    struct Step {
        QAction* action;
        int page;
    };
    for (const Step& step : {Step{next, 2}, Step{next, 3}, Step{next, 3}, Step{previous, 2},
                             Step{previous, 1}, Step{previous, 1}}) {
        step.action->trigger();
        EXPECT_EQ(preview->currentPage(), step.page);
        EXPECT_EQ(label->text().trimmed(), QStringLiteral("%1 / 3").arg(step.page));
    }
}

} // namespace
} // namespace velm::blent
