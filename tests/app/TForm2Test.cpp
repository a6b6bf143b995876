#include "app/TForm2.h"

#include "app/ScriptedPlatform.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace velm
{
namespace
{

const QColor kBlue(0, 0, 255);
const QColor kMagenta(255, 0, 255);

std::string ColourName(const QColor& colour)
{
    return colour.name().toStdString();
}

class TForm2Test : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        mainWindow.setGeometry(200, 150, 582, 146);
        mainWindow.show();
    }

    QColor linkColour() const { return box->linkLabel()->palette().color(QPalette::WindowText); }

    void sendToLink(QEvent::Type type)
    {
        if (type == QEvent::Enter) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(box->linkLabel(), &enter);
        } else {
            QEvent event(type);
            QApplication::sendEvent(box->linkLabel(), &event);
        }
    }

    int visibleAboutBoxes() const
    {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<TForm2*>(widget) && widget->isVisible())
                ++count;
        return count;
    }

    ScriptedPlatform platform;
    QWidget mainWindow;
    std::unique_ptr<TForm2> box = std::make_unique<TForm2>(platform, &mainWindow);
};

TEST_F(TForm2Test, StartsHiddenWithItsFixedLook)
{
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(box->windowTitle(), QStringLiteral("VELM"));
    EXPECT_EQ(box->minimumSize(), QSize(197, 114));
    EXPECT_EQ(box->maximumSize(), QSize(197, 114));
    // A fixed dialog: a title and a close button, nothing to minimise or maximise.
    const Qt::WindowFlags flags = box->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    for (const Qt::WindowType hint : {Qt::CustomizeWindowHint, Qt::WindowTitleHint,
                                      Qt::WindowCloseButtonHint, Qt::MSWindowsFixedSizeDialogHint})
        EXPECT_TRUE(flags.testFlag(hint)) << hint;
    for (const Qt::WindowType hint : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                      Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(flags.testFlag(hint)) << hint;
    EXPECT_EQ(box->okButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(box->linkLabel()->width(), 161);
    EXPECT_TRUE(box->linkLabel()->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(box->linkLabel()->font().underline());
    EXPECT_EQ(box->linkLabel()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(ColourName(linkColour()), ColourName(kBlue));
    EXPECT_TRUE(box->linkLabel()->text().startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(box->linkLabel()->text().contains(QStringLiteral(".example.com/")));
}

TEST_F(TForm2Test, ShowingTwiceKeepsOneBoxAndRefreshesTheVersionLine)
{
    box->showAbout(QStringLiteral("VELM v0.29"));
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->versionLabel()->text(), QStringLiteral("住所録／VELM v0.29"));

    box->showAbout(QStringLiteral("VELM v0.30"));
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(visibleAboutBoxes(), 1);
    EXPECT_EQ(box->versionLabel()->text(), QStringLiteral("住所録／VELM v0.30"));
    EXPECT_TRUE(mainWindow.isEnabled()) << "the box must leave the main window usable";
}

TEST_F(TForm2Test, IsCentredOnTheMainWindowEachTimeItAppears)
{
    box->showAbout(QStringLiteral("VELM v0.29"));
    EXPECT_EQ(box->geometry().center(), mainWindow.geometry().center());

    box->hide();
    mainWindow.move(420, 300);
    box->showAbout(QStringLiteral("VELM v0.29"));
    EXPECT_EQ(box->geometry().center(), mainWindow.geometry().center());
}

TEST_F(TForm2Test, OkAndTheCloseBoxHideTheBoxWithoutDestroyingIt)
{
    struct Case {
        const char* name;
        std::function<void(TForm2&)> dismiss;
    };
    const std::vector<Case> cases = {
        {"OK clicked",
         [](TForm2& b) {
             QTest::mouseClick(b.okButton(), Qt::LeftButton);
         }},
        {"close box",
         [](TForm2& b) {
             b.close();
         }},
        {"Esc",
         [](TForm2& b) {
             QTest::keyClick(&b, Qt::Key_Escape);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QPointer<TForm2> guard(box.get());
        box->showAbout(QStringLiteral("VELM v0.29"));
        c.dismiss(*box);
        QApplication::processEvents();
        ASSERT_FALSE(guard.isNull());
        EXPECT_FALSE(box->isVisible());

        box->showAbout(QStringLiteral("VELM v0.29"));
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(visibleAboutBoxes(), 1);
        box->hide();
    }
}

TEST_F(TForm2Test, LinkTurnsMagentaUnderThePointerAndBlueWhenItLeaves)
{
    struct Case {
        const char* name;
        std::vector<QEvent::Type> events;
        QColor expected;
    };
    const std::vector<Case> cases = {
        {"enter", {QEvent::Enter}, kMagenta},
        {"enter then leave", {QEvent::Enter, QEvent::Leave}, kBlue},
        {"leave without enter", {QEvent::Leave}, kBlue},
        {"enter, leave, enter", {QEvent::Enter, QEvent::Leave, QEvent::Enter}, kMagenta},
    };
    box->showAbout(QStringLiteral("VELM v0.29"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sendToLink(QEvent::Leave);
        for (QEvent::Type type : c.events)
            sendToLink(type);
        EXPECT_EQ(ColourName(linkColour()), ColourName(c.expected));
    }
}

TEST_F(TForm2Test, ClickingTheLinkOpensItsOwnCaption)
{
    box->showAbout(QStringLiteral("VELM v0.29"));
    QTest::mouseClick(box->linkLabel(), Qt::LeftButton);
    ASSERT_EQ(platform.shellOpens.size(), 1u);
    EXPECT_EQ(platform.shellOpens.front(), box->linkLabel()->text());

    // The address comes from the caption at the moment of the click.
    box->linkLabel()->setText(QStringLiteral("https://other.example.com/"));
    QTest::mouseClick(box->linkLabel(), Qt::LeftButton);
    ASSERT_EQ(platform.shellOpens.size(), 2u);
    EXPECT_EQ(platform.shellOpens.back(), QStringLiteral("https://other.example.com/"));
}

TEST_F(TForm2Test, OtherClicksOpenNothing)
{
    struct Case {
        const char* name;
        std::function<void(TForm2&)> click;
    };
    const std::vector<Case> cases = {
        {"right button on the link",
         [](TForm2& b) {
             QTest::mouseClick(b.linkLabel(), Qt::RightButton);
         }},
        {"version line",
         [](TForm2& b) {
             QTest::mouseClick(b.versionLabel(), Qt::LeftButton);
         }},
        {"maker's line",
         [](TForm2& b) {
             QTest::mouseClick(b.makerLabel(), Qt::LeftButton);
         }},
        {"released outside the link",
         [](TForm2& b) {
             QTest::mousePress(b.linkLabel(), Qt::LeftButton, {}, QPoint(5, 5));
             QTest::mouseRelease(b.linkLabel(), Qt::LeftButton, {}, QPoint(-20, -20));
         }},
    };
    box->showAbout(QStringLiteral("VELM v0.29"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.click(*box);
        EXPECT_TRUE(platform.shellOpens.empty());
    }
}

} // namespace
} // namespace velm
