#include "app/UpDown.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <algorithm>
#include <limits>
#include <utility>

namespace velm
{

namespace
{

constexpr int kArrowWidth = 16;
constexpr int kControlHeight = 20;

qint16 ClampToInt16(int value)
{
    return static_cast<qint16>(std::clamp<int>(value, std::numeric_limits<qint16>::min(),
                                               std::numeric_limits<qint16>::max()));
}

bool FitsInt16(int value)
{
    return value >= std::numeric_limits<qint16>::min() &&
           value <= std::numeric_limits<qint16>::max();
}

// An arrow of the control. The arrows never take the focus themselves, so each draws the
// focus mark while the control has it.
class Arrow : public QToolButton
{
  public:
    using QToolButton::QToolButton;

  protected:
    void paintEvent(QPaintEvent* event) override
    {
        QToolButton::paintEvent(event);
        if (!parentWidget()->hasFocus())
            return;
        QStylePainter painter(this);
        QStyleOptionFocusRect mark;
        mark.initFrom(this);
        mark.rect =
            rect().adjusted(kFocusMarkInset, kFocusMarkInset, -kFocusMarkInset, -kFocusMarkInset);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, mark);
    }

  private:
    static constexpr int kFocusMarkInset = 2;
};

} // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent)
{
    m_previous = makeArrow(Button::Previous);
    m_next = makeArrow(Button::Next);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_previous);
    layout->addWidget(m_next);

    setFixedSize(2 * kArrowWidth, kControlHeight);
    setFocusPolicy(Qt::TabFocus);
}

QToolButton* UpDown::makeArrow(Button button)
{
    auto* arrow = new Arrow(this);
    const bool isNext = button == Button::Next;
    arrow->setObjectName(isNext ? QStringLiteral("nextArrow") : QStringLiteral("previousArrow"));
    arrow->setArrowType(isNext ? Qt::RightArrow : Qt::LeftArrow);
    arrow->setFixedSize(kArrowWidth, kControlHeight);
    arrow->setFocusPolicy(Qt::NoFocus);
    // With auto-repeat a held button emits pressed() again at every repeat, so stepping on
    // pressed() gives one step at the press and one per repeat, and none at the release.
    arrow->setAutoRepeat(true);
    connect(arrow, &QToolButton::pressed, this, [this, button] { pressArrow(button); });
    return arrow;
}

void UpDown::setChangeCheck(ChangeCheck check)
{
    m_check = std::move(check);
}

void UpDown::setMinimum(int value)
{
    m_minimum = ClampToInt16(value);
    m_maximum = std::max(m_maximum, m_minimum);
    keepPositionInRange();
}

void UpDown::setMaximum(int value)
{
    m_maximum = ClampToInt16(value);
    m_minimum = std::min(m_minimum, m_maximum);
    keepPositionInRange();
}

void UpDown::setPosition(int value)
{
    const qint16 target = ClampToInt16(value);
    if (!changeAllowed(target, directionTowards(target)))
        return;
    m_position = std::clamp(target, m_minimum, m_maximum);
}

void UpDown::pressArrow(Button button)
{
    const int target = m_position + (button == Button::Next ? 1 : -1);
    if (!FitsInt16(target))
        return;
    m_stepping = true;
    const bool allowed = changeAllowed(static_cast<qint16>(target), directionTowards(target));
    m_stepping = false;
    if (!allowed)
        return;
    // The check may have moved the range, so it is read only now.
    if (target < m_minimum || target > m_maximum)
        return;
    m_position = static_cast<qint16>(target);
    emit clicked(button);
}

UpDown::Direction UpDown::directionTowards(int value) const
{
    if (value < m_position)
        return value < m_minimum ? Direction::None : Direction::Down;
    if (value > m_position)
        return value > m_maximum ? Direction::None : Direction::Up;
    return Direction::None;
}

bool UpDown::changeAllowed(qint16 value, Direction direction) const
{
    return !m_check || m_check(value, direction);
}

void UpDown::keepPositionInRange()
{
    m_position = std::clamp(m_position, m_minimum, m_maximum);
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

void UpDown::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    updateArrows();
}

void UpDown::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    updateArrows();
}

void UpDown::updateArrows()
{
    m_previous->update();
    m_next->update();
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
    m_previous->setDown(false);
    m_next->setDown(false);
}

} // namespace velm
