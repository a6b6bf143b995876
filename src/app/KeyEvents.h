#pragma once

#include <QKeyEvent>

namespace velm
{

// Whether the key is Enter, from the main keyboard or the keypad.
inline bool IsEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace velm
