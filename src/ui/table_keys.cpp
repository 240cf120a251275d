#include "ui/table_keys.h"

#include <QKeyEvent>

namespace liorna {

std::optional<TableKey> tableKey(const QKeyEvent* event)
{
    // Keys with Ctrl, Alt or Meta belong to the window's shortcuts.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event->key()) {
    case Qt::Key_Left: return TableKey::Left;
    case Qt::Key_Right: return TableKey::Right;
    case Qt::Key_Up: return TableKey::Up;
    case Qt::Key_Down: return TableKey::Down;
    case Qt::Key_Space: return TableKey::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter: return TableKey::Enter;
    case Qt::Key_Backspace: return TableKey::Backspace;
    case Qt::Key_1: return TableKey::Digit1;
    case Qt::Key_2: return TableKey::Digit2;
    case Qt::Key_3: return TableKey::Digit3;
    case Qt::Key_4: return TableKey::Digit4;
    case Qt::Key_5: return TableKey::Digit5;
    case Qt::Key_Tab: return TableKey::Tab;
    default: return std::nullopt;
    }
}

bool moves(TableKey key)
{
    return key == TableKey::Left || key == TableKey::Right || key == TableKey::Up || key == TableKey::Down;
}

} // namespace liorna
