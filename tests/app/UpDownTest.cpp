#include "app/UpDown.h"

#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

namespace velm
{

std::ostream& operator<<(std::ostream& out, UpDown::Direction direction)
{
    switch (direction) {
    case UpDown::Direction::None:
        return out << "None";
    case UpDown::Direction::Up:
        return out << "Up";
    case UpDown::Direction::Down:
        return out << "Down";
    }
    return out << "?";
}

namespace
{

using Direction = UpDown::Direction;
using Button = UpDown::Button;

struct CheckCall {
    qint16 value = 0;
    Direction direction = Direction::None;
};

// A control in a shown window, with a change check that records every call and answers
// with `allow`, optionally running `duringCheck` first.
class UpDownTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_window = std::make_unique<QWidget>();
        m_control = new UpDown(m_window.get());
        m_control->move(10, 10);
        m_control->setChangeCheck([this](qint16 value, Direction direction) {
            m_calls.push_back({value, direction});
            if (m_duringCheck)
                m_duringCheck();
            return m_allow;
        });
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void setRange(int minimum, int maximum, int position)
    {
        m_control->setMinimum(minimum);
        m_control->setMaximum(maximum);
        m_control->setPosition(position);
        m_calls.clear();
    }

    QToolButton* arrow(Button button) const
    {
        return m_control->findChild<QToolButton*>(button == Button::Next ? "nextArrow"
                                                                         : "previousArrow");
    }

    std::unique_ptr<QWidget> m_window;
    UpDown* m_control = nullptr;
    std::vector<CheckCall> m_calls;
    bool m_allow = true;
    std::function<void()> m_duringCheck;
};

TEST_F(UpDownTest, StartsAtPositionOneInTheRangeZeroToOneAsTwoArrowsSideBySide)
{
    UpDown fresh;
    EXPECT_EQ(fresh.minimum(), 0);
    EXPECT_EQ(fresh.maximum(), 1);
    EXPECT_EQ(fresh.position(), 1);
    EXPECT_EQ(fresh.size(), QSize(32, 20));

    ASSERT_NE(arrow(Button::Previous), nullptr);
    ASSERT_NE(arrow(Button::Next), nullptr);
    EXPECT_EQ(arrow(Button::Previous)->geometry(), QRect(0, 0, 16, 20));
    EXPECT_EQ(arrow(Button::Next)->geometry(), QRect(16, 0, 16, 20));
    EXPECT_EQ(arrow(Button::Previous)->arrowType(), Qt::LeftArrow);
    EXPECT_EQ(arrow(Button::Next)->arrowType(), Qt::RightArrow);
    EXPECT_EQ(m_control->focusPolicy(), Qt::TabFocus);
    EXPECT_EQ(arrow(Button::Next)->focusPolicy(), Qt::NoFocus);
}

struct ArrowCase {
    const char* name;
    int minimum, maximum, position;
    Button button;
    std::optional<CheckCall> expectedCall; // nothing: the check is not asked at all
    int expectedPosition;
};

TEST_F(UpDownTest, ArrowPressAsksTheCheckAndMovesOnlyInsideTheRange)
{
    const ArrowCase cases[] = {
        {"next inside", 0, 5, 2, Button::Next, CheckCall{3, Direction::Up}, 3},
        {"previous inside", 0, 5, 2, Button::Previous, CheckCall{1, Direction::Down}, 1},
        {"next at maximum", 0, 5, 5, Button::Next, CheckCall{6, Direction::None}, 5},
        {"previous at minimum", 0, 5, 0, Button::Previous, CheckCall{-1, Direction::None}, 0},
        {"previous to minimum", 0, 5, 1, Button::Previous, CheckCall{0, Direction::Down}, 0},
        {"next to maximum", 0, 5, 4, Button::Next, CheckCall{5, Direction::Up}, 5},
        {"negative range", -10, -3, -5, Button::Previous, CheckCall{-6, Direction::Down}, -6},
        {"one-value range", 7, 7, 7, Button::Next, CheckCall{8, Direction::None}, 7},
        {"next at 16-bit top", 0, 32767, 32767, Button::Next, std::nullopt, 32767},
        {"previous at 16-bit bottom", -32768, 0, -32768, Button::Previous, std::nullopt, -32768},
    };
    for (const ArrowCase& c : cases) {
        SCOPED_TRACE(c.name);
        setRange(c.minimum, c.maximum, c.position);
        QSignalSpy clicks(m_control, &UpDown::clicked);

        m_control->pressArrow(c.button);

        if (c.expectedCall) {
            ASSERT_EQ(m_calls.size(), 1u);
            EXPECT_EQ(m_calls[0].value, c.expectedCall->value);
            EXPECT_EQ(m_calls[0].direction, c.expectedCall->direction);
        } else {
            EXPECT_TRUE(m_calls.empty());
        }
        EXPECT_EQ(m_control->position(), c.expectedPosition);
        const bool moved = c.expectedPosition != c.position;
        ASSERT_EQ(clicks.count(), moved ? 1 : 0);
        if (moved) {
            EXPECT_EQ(clicks[0][0].value<Button>(), c.button);
        }
    }
}

struct SetPositionCase {
    const char* name;
    int minimum, maximum, position;
    int value;
    CheckCall expectedCall;
    int expectedPosition;
};

TEST_F(UpDownTest, SetPositionAsksTheCheckAndClampsToTheRange)
{
    const SetPositionCase cases[] = {
        {"up inside", 0, 10, 3, 7, {7, Direction::Up}, 7},
        {"down inside", 0, 10, 3, 1, {1, Direction::Down}, 1},
        {"unchanged", 0, 10, 3, 3, {3, Direction::None}, 3},
        {"beyond maximum", 0, 10, 3, 12, {12, Direction::None}, 10},
        {"below minimum", 0, 10, 3, -4, {-4, Direction::None}, 0},
        {"exactly maximum", 0, 10, 3, 10, {10, Direction::Up}, 10},
        {"exactly minimum", 0, 10, 3, 0, {0, Direction::Down}, 0},
        {"above 16 bits", 0, 32767, 3, 100000, {32767, Direction::Up}, 32767},
        {"below 16 bits", -32768, 0, 0, -100000, {-32768, Direction::Down}, -32768},
        {"above 16 bits, small range", 0, 10, 3, 70000, {32767, Direction::None}, 10},
    };
    for (const SetPositionCase& c : cases) {
        SCOPED_TRACE(c.name);
        setRange(c.minimum, c.maximum, c.position);
        QSignalSpy clicks(m_control, &UpDown::clicked);

        m_control->setPosition(c.value);

        ASSERT_EQ(m_calls.size(), 1u);
        EXPECT_EQ(m_calls[0].value, c.expectedCall.value);
        EXPECT_EQ(m_calls[0].direction, c.expectedCall.direction);
        EXPECT_EQ(m_control->position(), c.expectedPosition);
        EXPECT_EQ(clicks.count(), 0) << "setting the position by code never reports a click";
    }
}

TEST_F(UpDownTest, RefusedChangeLeavesEverythingAsItWas)
{
    setRange(0, 10, 5);
    m_allow = false;
    QSignalSpy clicks(m_control, &UpDown::clicked);

    m_control->pressArrow(Button::Next);
    m_control->pressArrow(Button::Previous);
    m_control->setPosition(8);
    m_control->setPosition(20);

    EXPECT_EQ(m_calls.size(), 4u);
    EXPECT_EQ(m_control->position(), 5);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(UpDownTest, CheckCanTellAnArrowPressFromAPositionSetByCode)
{
    setRange(0, 10, 5);
    std::vector<bool> stepping;
    m_duringCheck = [this, &stepping] {
        stepping.push_back(m_control->isStepping());
    };

    m_control->pressArrow(Button::Next);
    m_control->setPosition(2);
    QTest::keyClick(m_control, Qt::Key_Left);
    QTest::mouseClick(arrow(Button::Next), Qt::LeftButton);
    m_allow = false;
    m_control->pressArrow(Button::Previous);

    EXPECT_EQ(stepping, (std::vector<bool>{true, false, true, true, true}));
    EXPECT_FALSE(m_control->isStepping()) << "only while the check runs";
}

TEST_F(UpDownTest, RangeIsReadAfterTheCheckHasChangedIt)
{
    struct Case {
        const char* name;
        int maximum, position;
        int maximumSetByCheck;
        bool byArrow; // otherwise setPosition(position + 1)
        int expectedPosition;
    };
    const Case cases[] = {
        {"arrow, maximum raised", 3, 3, 4, true, 4},
        {"code, maximum raised", 3, 3, 4, false, 4},
        {"arrow, maximum lowered", 5, 3, 3, true, 3},
        {"code, maximum lowered", 5, 3, 3, false, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setRange(0, c.maximum, c.position);
        m_duringCheck = [this, &c] {
            m_control->setMaximum(c.maximumSetByCheck);
        };
        QSignalSpy clicks(m_control, &UpDown::clicked);

        if (c.byArrow)
            m_control->pressArrow(Button::Next);
        else
            m_control->setPosition(c.position + 1);

        EXPECT_EQ(m_control->maximum(), c.maximumSetByCheck);
        EXPECT_EQ(m_control->position(), c.expectedPosition);
        const bool clickExpected = c.byArrow && c.expectedPosition != c.position;
        EXPECT_EQ(clicks.count(), clickExpected ? 1 : 0);
    }
}

TEST_F(UpDownTest, RangeSettersClampTo16BitsKeepTheRangeOrderedAndPullThePositionIn)
{
    struct Case {
        const char* name;
        int minimum, maximum, position;
        bool setMinimum; // otherwise setMaximum
        int value;
        int expectedMinimum, expectedMaximum, expectedPosition;
    };
    const Case cases[] = {
        {"maximum above 16 bits", 0, 5, 2, false, 40000, 0, 32767, 2},
        {"minimum below 16 bits", 0, 5, 2, true, -40000, -32768, 5, 2},
        {"maximum below position", 0, 9, 7, false, 4, 0, 4, 4},
        {"minimum above position", 0, 9, 2, true, 5, 5, 9, 5},
        {"maximum below minimum", 3, 9, 5, false, 1, 1, 1, 1},
        {"minimum above maximum", 0, 4, 2, true, 8, 8, 8, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setRange(-32768, 32767, c.position);
        setRange(c.minimum, c.maximum, c.position);
        QSignalSpy clicks(m_control, &UpDown::clicked);

        if (c.setMinimum)
            m_control->setMinimum(c.value);
        else
            m_control->setMaximum(c.value);

        EXPECT_EQ(m_control->minimum(), c.expectedMinimum);
        EXPECT_EQ(m_control->maximum(), c.expectedMaximum);
        EXPECT_EQ(m_control->position(), c.expectedPosition);
        EXPECT_TRUE(m_calls.empty()) << "range setters do not ask the change check";
        EXPECT_EQ(clicks.count(), 0);
    }
}

TEST_F(UpDownTest, WithoutACheckEveryChangeInsideTheRangeIsAllowed)
{
    UpDown plain;
    plain.setMaximum(3);
    plain.pressArrow(Button::Next);
    EXPECT_EQ(plain.position(), 2);
    plain.setPosition(9);
    EXPECT_EQ(plain.position(), 3);
}

TEST_F(UpDownTest, MouseClicksOnTheArrowsStepOncePerClick)
{
    setRange(0, 10, 5);
    auto* editor = new QLineEdit(m_window.get());
    editor->show();
    editor->setFocus();
    QSignalSpy clicks(m_control, &UpDown::clicked);

    QTest::mouseClick(arrow(Button::Next), Qt::LeftButton);
    QTest::mouseClick(arrow(Button::Next), Qt::LeftButton);
    QTest::mouseClick(arrow(Button::Previous), Qt::LeftButton);

    EXPECT_EQ(m_control->position(), 6);
    ASSERT_EQ(clicks.count(), 3);
    EXPECT_EQ(clicks[0][0].value<Button>(), Button::Next);
    EXPECT_EQ(clicks[1][0].value<Button>(), Button::Next);
    EXPECT_EQ(clicks[2][0].value<Button>(), Button::Previous);
    ASSERT_EQ(m_calls.size(), 3u);
    EXPECT_EQ(m_calls[2].value, 6);
    EXPECT_EQ(m_calls[2].direction, Direction::Down);
    EXPECT_TRUE(editor->hasFocus()) << "clicking an arrow does not take the focus";
}

// The card editor's use: position 1 is the lowest reachable card although the minimum is 0,
// and moving on from the last slot raises the maximum when that slot holds a card.
TEST_F(UpDownTest, MouseClicksFollowACheckThatRefusesAndRaisesTheMaximum)
{
    bool slotFilled = false;
    m_control->setChangeCheck([this, &slotFilled](qint16, Direction direction) {
        const bool allow = !(m_control->position() == 1 && direction == Direction::Down);
        if (slotFilled && m_control->position() == m_control->maximum())
            m_control->setMaximum(m_control->maximum() + 1);
        return allow;
    });
    QSignalSpy clicks(m_control, &UpDown::clicked);

    QTest::mouseClick(arrow(Button::Previous), Qt::LeftButton);
    QTest::mouseClick(arrow(Button::Next), Qt::LeftButton);
    EXPECT_EQ(m_control->position(), 1);
    EXPECT_EQ(clicks.count(), 0);

    slotFilled = true;
    QTest::mouseClick(arrow(Button::Next), Qt::LeftButton);
    EXPECT_EQ(m_control->maximum(), 2);
    EXPECT_EQ(m_control->position(), 2);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(UpDownTest, PlainLeftAndRightKeysStepWhileKeysWithCtrlAreLeftToTheWindow)
{
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int expectedPosition;
    };
    const Case cases[] = {
        {"Right", Qt::Key_Right, Qt::NoModifier, 6},
        {"Left", Qt::Key_Left, Qt::NoModifier, 4},
        {"Shift+Right", Qt::Key_Right, Qt::ShiftModifier, 6},
        {"Ctrl+Right", Qt::Key_Right, Qt::ControlModifier, 5},
        {"Ctrl+Left", Qt::Key_Left, Qt::ControlModifier, 5},
        {"Alt+Left", Qt::Key_Left, Qt::AltModifier, 5},
        {"Up", Qt::Key_Up, Qt::NoModifier, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setRange(0, 10, 5);
        QSignalSpy clicks(m_control, &UpDown::clicked);

        QTest::keyClick(m_control, c.key, c.modifiers);

        EXPECT_EQ(m_control->position(), c.expectedPosition);
        EXPECT_EQ(clicks.count(), c.expectedPosition != 5 ? 1 : 0);
    }
}

TEST_F(UpDownTest, TheArrowsShowTheFocusMarkWhileTheControlHasTheFocus)
{
    auto* box = new QLineEdit(m_window.get());
    box->move(10, 40);
    box->show();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    box->setFocus();
    const auto arrowImages = [this] {
        return std::vector<QImage>{arrow(Button::Previous)->grab().toImage(),
                                   arrow(Button::Next)->grab().toImage()};
    };
    const std::vector<QImage> unfocused = arrowImages();

    QTest::keyClick(box, Qt::Key_Tab);
    ASSERT_TRUE(m_control->hasFocus());
    const std::vector<QImage> focused = arrowImages();
    EXPECT_NE(focused[0], unfocused[0]);
    EXPECT_NE(focused[1], unfocused[1]);

    box->setFocus();
    EXPECT_EQ(arrowImages(), unfocused);
}

TEST_F(UpDownTest, HeldArrowRepeatsUntilReleasedAndStopsAtTheMaximum)
{
    setRange(0, 100, 10);
    QSignalSpy clicks(m_control, &UpDown::clicked);

    QTest::mousePress(arrow(Button::Next), Qt::LeftButton);
    EXPECT_EQ(m_control->position(), 11) << "the first step comes with the press";
    QTest::qWait(900);
    QTest::mouseRelease(arrow(Button::Next), Qt::LeftButton);
    const int heldSteps = m_control->position() - 10;
    EXPECT_GE(heldSteps, 3);
    EXPECT_EQ(clicks.count(), heldSteps);

    QTest::qWait(300);
    EXPECT_EQ(m_control->position(), 10 + heldSteps) << "no step after the release";

    setRange(0, 12, 10);
    QTest::mousePress(arrow(Button::Next), Qt::LeftButton);
    QTest::qWait(900);
    QTest::mouseRelease(arrow(Button::Next), Qt::LeftButton);
    EXPECT_EQ(m_control->position(), 12);
}

TEST_F(UpDownTest, ModalDialogOpenedByAStepEndsTheRepeat)
{
    setRange(0, 100, 10);
    int dialogs = 0;
    QObject::connect(m_control, &UpDown::clicked, m_control, [&] {
        ++dialogs;
        QDialog dialog(m_window.get());
        QTimer::singleShot(800, &dialog, &QDialog::accept);
        dialog.exec();
    });

    QTest::mousePress(arrow(Button::Next), Qt::LeftButton);
    QTest::qWait(500);

    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(m_control->position(), 11);
    EXPECT_FALSE(arrow(Button::Next)->isDown());
}

} // namespace
} // namespace velm
