#include "UsagePing.h"

#include <QNetworkProxyFactory>
#include <QNetworkReply>

UsagePing::UsagePing(QObject *parent)
    : QObject(parent)
{
    // Go the way the desktop's other programs go, through its proxy if it has one.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
}

void UsagePing::Request(const QUrl &counter)
{
    QNetworkReply *reply = m_network.get(QNetworkRequest(counter));
    connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
}
