#include "app/ListChoiceDialog.h"

#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <vector>

namespace velm
{
namespace
{

const Platform::ListChoice kChoice{
    QStringLiteral("バックアップから復元"),
    QStringLiteral("選んでください"),
    {QStringLiteral("日時"), QStringLiteral("カード数"), QStringLiteral("サイズ")},
    {{QStringLiteral("2026/12/08 15:30:12"), QStringLiteral("2"), QStringLiteral("780 バイト")},
     {QStringLiteral("2026/12/08 15:30:11"), QStringLiteral("1"), QStringLiteral("390 バイト")},
     {QStringLiteral("2026/12/07 09:00:00"), QStringLiteral("-"), QStringLiteral("5 バイト")}},
};

TEST(ListChoiceDialog, ShowsTheRowsAndTakesTheOneChosenByKeyboard)
{
    struct Case {
        std::vector<Qt::Key> keys;
        QDialog::DialogCode result;
        int row;
    };
    const std::vector<Case> cases{
        {{Qt::Key_Return}, QDialog::Accepted, 0},
        {{Qt::Key_Down, Qt::Key_Return}, QDialog::Accepted, 1},
        {{Qt::Key_End, Qt::Key_Down, Qt::Key_Enter}, QDialog::Accepted, 2},
        {{Qt::Key_Down, Qt::Key_Escape}, QDialog::Rejected, 1},
    };
    for (const Case& c : cases) {
        ListChoiceDialog dialog(kChoice, nullptr);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(dialog.windowTitle(), kChoice.title);
        QTreeWidget* list = dialog.list();
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(list->headerItem()->text(2), QStringLiteral("サイズ"));
        EXPECT_EQ(list->topLevelItem(2)->text(1), QStringLiteral("-"));
        EXPECT_EQ(dialog.chosenRow(), 0) << "the newest is chosen at start";
        for (Qt::Key key : c.keys)
            QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_EQ(dialog.chosenRow(), c.row);
    }
}

} // namespace
} // namespace velm
