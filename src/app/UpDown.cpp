#include "app/UpDown.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>
#include <limits>
#include <utility>

namespace velm
{

namespace
{

constexpr int arrowWidth = 16;
constexpr int controlHeight = 20;

qint16 clampToInt16(int value)
{
    return static_cast<qint16>(std::clamp<int>(value, std::numeric_limits<qint16>::min(),
                                               std::numeric_limits<qint16>::max()));
}

bool fitsInt16(int value)
{
    return value >= std::numeric_limits<qint16>::min() &&
           value <= std::numeric_limits<qint16>::max();
}

} // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent)
{
    previous_ = makeArrow(Button::Previous);
    next_ = makeArrow(Button::Next);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(previous_);
    layout->addWidget(next_);

    setFixedSize(2 * arrowWidth, controlHeight);
    setFocusPolicy(Qt::TabFocus);
}

QToolButton* UpDown::makeArrow(Button button)
{
    auto* arrow = new QToolButton(this);
    const bool isNext = button == Button::Next;
    arrow->setObjectName(isNext ? QStringLiteral("nextArrow") : QStringLiteral("previousArrow"));
    arrow->setArrowType(isNext ? Qt::RightArrow : Qt::LeftArrow);
    arrow->setFixedSize(arrowWidth, controlHeight);
    arrow->setFocusPolicy(Qt::NoFocus);
    // With auto-repeat a held button emits pressed() again at every repeat, so stepping on
    // pressed() gives one step at the press and one per repeat, and none at the release.
    arrow->setAutoRepeat(true);
    connect(arrow, &QToolButton::pressed, this, [this, button] { pressArrow(button); });
    return arrow;
}

void UpDown::setChangeCheck(ChangeCheck check)
{
    check_ = std::move(check);
}

void UpDown::setMinimum(int value)
{
    minimum_ = clampToInt16(value);
    maximum_ = std::max(maximum_, minimum_);
    keepPositionInRange();
}

void UpDown::setMaximum(int value)
{
    maximum_ = clampToInt16(value);
    minimum_ = std::min(minimum_, maximum_);
    keepPositionInRange();
}

void UpDown::setPosition(int value)
{
    const qint16 target = clampToInt16(value);
    if (!changeAllowed(target, directionTowards(target)))
        return;
    position_ = std::clamp(target, minimum_, maximum_);
}

void UpDown::pressArrow(Button button)
{
    const int target = position_ + (button == Button::Next ? 1 : -1);
    if (!fitsInt16(target))
        return;
    stepping_ = true;
    const bool allowed = changeAllowed(static_cast<qint16>(target), directionTowards(target));
    stepping_ = false;
    if (!allowed)
        return;
    // The check may have moved the range, so it is read only now.
    if (target < minimum_ || target > maximum_)
        return;
    position_ = static_cast<qint16>(target);
    emit clicked(button);
}

UpDown::Direction UpDown::directionTowards(int value) const
{
    if (value < position_)
        return value < minimum_ ? Direction::None : Direction::Down;
    if (value > position_)
        return value > maximum_ ? Direction::None : Direction::Up;
    return Direction::None;
}

bool UpDown::changeAllowed(qint16 value, Direction direction) const
{
    return !check_ || check_(value, direction);
}

void UpDown::keepPositionInRange()
{
    position_ = std::clamp(position_, minimum_, maximum_);
}

void UpDown::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers windowModifiers =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const bool plain = (event->modifiers() & windowModifiers) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Left) {
        pressArrow(Button::Previous);
        return;
    }
    if (plain && event->key() == Qt::Key_Right) {
        pressArrow(Button::Next);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool UpDown::event(QEvent* event)
{
    // A modal dialog opened by a handler of the step (an error, a question) takes the mouse
    // release away from the held arrow. Without releasing the arrow here it would keep
    // repeating behind the dialog and open one dialog after another.
    if (event->type() == QEvent::WindowBlocked)
        releaseArrows();
    return QWidget::event(event);
}

void UpDown::releaseArrows()
{
    previous_->setDown(false);
    next_->setDown(false);
}

} // namespace velm
