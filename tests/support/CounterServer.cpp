#include "CounterServer.h"

#include <QTcpSocket>

CounterServer::CounterServer(Mode mode)
    : m_mode(mode)
{
    connect(this, &QTcpServer::newConnection, this, &CounterServer::serve);
    listen(QHostAddress::LocalHost);
}

QByteArray CounterServer::proxyAddress() const
{
    return "http://127.0.0.1:" + QByteArray::number(serverPort());
}

void CounterServer::serve()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            m_requestLines << socket->readLine().trimmed();
            socket->readAll();
            if (m_mode == Mode::Answer) {
                socket->write("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
                socket->disconnectFromHost();
            }
        });
    }
}
