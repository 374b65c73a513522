#include "ApplicationEvents.h"

#include <QCoreApplication>

ApplicationEvents::ApplicationEvents(Handler onMessage, QObject *parent)
    : QObject(parent)
    , m_onMessage(std::move(onMessage))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool ApplicationEvents::eventFilter(QObject *receiver, QEvent *event)
{
    bool handled = false;
    m_onMessage(receiver, event, handled);
    return handled;
}
