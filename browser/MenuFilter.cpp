#include "MenuFilter.h"

#include <QKeyEvent>
#include <QMouseEvent>

bool IsBrowserMouseMenuMessage(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return static_cast<const QMouseEvent *>(event)->button() == Qt::RightButton;
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

bool IsBrowserMenuKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    return key->key() == Qt::Key_Menu
        || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}
