#pragma once

#include <QObject>

#include <functional>

// The application-wide message hook: every event of the application passes
// onMessage before it is delivered, with handled false on entry; an event
// that comes back handled is dropped.
class ApplicationEvents final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ApplicationEvents)

public:
    using Handler = std::function<void(QObject *receiver, QEvent *event, bool &handled)>;

    ApplicationEvents(Handler onMessage, QObject *parent);

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    Handler m_onMessage;
};
