#pragma once

#include <QWidget>
#include <functional>

class QToolButton;

namespace velm
{

// A horizontal up-down control: two arrows side by side, 32 x 20 pixels in all. The left
// arrow steps the position down ("previous"), the right arrow steps it up ("next").
//
// Minimum, maximum and position are signed 16-bit values; the control starts at minimum 0,
// maximum 1, position 1. The position never leaves minimum..maximum and never wraps around.
// Before every change, whether by an arrow or by setPosition, the change check (when one is
// set) is asked with the new value and the direction, and may refuse. The check may change
// the range while it runs; the range is always read again after it returns.
//
// The arrows step once when pressed and keep stepping while held. Clicking them does not
// take the keyboard focus; the control itself takes it by Tab, and then the arrows show the
// focus mark. While focused, Left and Right
// without Ctrl, Alt or Meta act as presses of the left and right arrow; with one of those
// modifiers the keys are left to the window, which handles Ctrl+Left/Right itself.
//
// The arrow buttons are named "previousArrow" and "nextArrow".
class UpDown : public QWidget
{
    Q_OBJECT

  public:
    enum class Direction { None, Up, Down };
    Q_ENUM(Direction)
    enum class Button { Next, Previous };
    Q_ENUM(Button)

    // Returns whether the change to newValue may happen.
    using ChangeCheck = std::function<bool(qint16 newValue, Direction direction)>;

    explicit UpDown(QWidget* parent = nullptr);

    void setChangeCheck(ChangeCheck check);

    qint16 minimum() const { return m_minimum; }
    qint16 maximum() const { return m_maximum; }
    qint16 position() const { return m_position; }

    // Values outside the signed 16-bit range are clamped to it. A minimum above the maximum
    // raises the maximum to it, a maximum below the minimum lowers the minimum to it. A
    // position left outside the new range is pulled to its nearest end without asking the
    // change check and without a click: the range setters never report a move.
    void setMinimum(int value);
    void setMaximum(int value);

    // Asks the change check for the value (clamped to 16 bits); the direction is None when
    // the value equals the position, or lies beyond the range on the side it moves towards.
    // When allowed, the position becomes the value clamped to the range as it stands after
    // the check. Emits no click.
    void setPosition(int value);

    // What a press on one arrow does: asks the change check for position + 1 (Next) or
    // position - 1 (Previous). When the check refuses, or the new value lies outside the
    // range as it stands after the check, nothing moves and no click is emitted; otherwise
    // the position moves and clicked(button) is emitted. Beyond the 16-bit range nothing is
    // asked and nothing moves.
    void pressArrow(Button button);

    // True while the change check is asked on behalf of an arrow press, false while it is
    // asked for a position set by code. A check that does more for a step of the user than
    // for a position set by code tells the two apart with it.
    bool isStepping() const { return m_stepping; }

  signals:
    // Emitted after an arrow press, by mouse or key, that moved the position.
    void clicked(velm::UpDown::Button button);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

  private:
    QToolButton* makeArrow(Button button);
    Direction directionTowards(int value) const;
    bool changeAllowed(qint16 value, Direction direction) const;
    void keepPositionInRange();
    void releaseArrows();
    void updateArrows();

    qint16 m_minimum = 0;
    qint16 m_maximum = 1;
    qint16 m_position = 1;
    bool m_stepping = false;
    ChangeCheck m_check;
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
};

} // namespace velm
