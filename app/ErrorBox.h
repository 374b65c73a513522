#pragma once

#include <QString>

#include <stdexcept>

class QWidget;

// An error that ends the handler raising it; its text is shown to the user.
class HandlerError final : public std::runtime_error
{
public:
    explicit HandlerError(const QString &message);
};

// The error box's text: the message, with a full stop appended when its last
// character sorts above '.'.
QString ErrorBoxText(const QString &message);

// Shows the application's standard error box: captioned with the application
// title, critical icon, one OK button. It is modal but does not block the
// caller, so the handler that failed has ended before the user answers.
void ShowErrorBox(const QString &message, QWidget *parent);

// Runs one event handler. Whatever it throws ends the handler and is shown in
// the error box; nothing ever crosses the Qt event loop.
template<typename Handler>
void RunHandler(QWidget *parent, Handler &&handler) noexcept
{
    try {
        handler();
    } catch (const std::exception &error) {
        ShowErrorBox(QString::fromUtf8(error.what()), parent);
    } catch (...) {
        ShowErrorBox(QString(), parent);
    }
}
