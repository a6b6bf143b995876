#include "FormFixture.h"
#include "app/TForm2.h"

#include <QAction>
#include <QLabel>
#include <gtest/gtest.h>

namespace velm
{
namespace
{

TEST(HelpCommands, AboutShowsOneBoxWithTheVersionLine)
{
    FormFixture fixture;
    TForm1& form = fixture.start();
    form.show();

    form.About1->trigger();
    form.About1->trigger();

    const auto boxes = form.findChildren<TForm2*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.front()->isVisible());
    const auto labels = boxes.front()->findChildren<QLabel*>();
    const bool hasVersionLine = std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->text() == QStringLiteral("住所録／VELM v0.29");
    });
    EXPECT_TRUE(hasVersionLine);
    EXPECT_TRUE(fixture.platform.errors.empty());
}

TEST(HelpCommands, ManualOpensFromTheProgramFolderEvenWhenMissing)
{
    FormFixture fixture;
    TForm1& form = fixture.start();

    form.M1->trigger();

    ASSERT_EQ(fixture.platform.shellOpens.size(), 1u);
    EXPECT_EQ(fixture.platform.shellOpens.front(),
              QString::fromStdString(fixture.pathInExeDir("velm.htm")));
    EXPECT_TRUE(fixture.platform.notices.empty());
    EXPECT_TRUE(fixture.platform.errors.empty());
}

TEST(HelpCommands, WithoutAProgramThatOpensTheManualANoticeGivesItsFullPath)
{
    FormFixture fixture;
    fixture.writeFile("velm.htm", "<!DOCTYPE html>");
    fixture.platform.shellOpenFindsAProgram = false;
    TForm1& form = fixture.start();

    form.M1->trigger();

    const QString manual = QString::fromStdString(fixture.pathInExeDir("velm.htm"));
    EXPECT_EQ(fixture.platform.shellOpens, std::vector<QString>{manual});
    EXPECT_EQ(fixture.platform.notices,
              std::vector<QString>{QStringLiteral("解説を開くプログラムが見つかりません。"
                                                  "次のファイルをブラウザで開いてください。\n") +
                                   manual});
    EXPECT_TRUE(fixture.platform.errors.empty());
}

TEST(HelpCommands, TimerStartsByItsExactPathWithItsSwitches)
{
    FormFixture fixture;
    fixture.writeFile("Zanter.exe", "");
    TForm1& form = fixture.start();
    ASSERT_TRUE(form.Zanter->isEnabled());

    form.Zanter->trigger();

    ASSERT_EQ(fixture.platform.processes.size(), 1u);
    EXPECT_EQ(fixture.platform.processes.front().program,
              QString::fromStdString(fixture.pathInExeDir("Zanter.exe")));
    const QStringList switches{QStringLiteral("/w"), QStringLiteral("/s"), QStringLiteral("/n")};
    EXPECT_EQ(fixture.platform.processes.front().arguments, switches);
}

TEST(HelpCommands, TimerStaysDisabledWhenTheToolArrivesAfterStartUp)
{
    FormFixture fixture;
    TForm1& form = fixture.start();
    fixture.writeFile("Zanter.exe", "");

    form.Zanter->trigger();

    EXPECT_FALSE(form.Zanter->isEnabled());
    EXPECT_TRUE(fixture.platform.processes.empty());
}

} // namespace
} // namespace velm
