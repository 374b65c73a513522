#pragma once

#include <QNetworkAccessManager>
#include <QObject>

class QUrl;

// Counts a start of the program: one request of the counter address, in the
// background. Whatever comes back, or fails to, is never read or shown.
class UsagePing final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UsagePing)

public:
    explicit UsagePing(QObject *parent);

    void Request(const QUrl &counter);

private:
    QNetworkAccessManager m_network;
};
