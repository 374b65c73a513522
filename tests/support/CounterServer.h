#pragma once

#include <QByteArrayList>
#include <QTcpServer>

// A real HTTP server on loopback that stands in for the desktop's proxy, so
// that requests for any host reach it. It records each request's first line
// and answers 200, or, when silent, accepts and never answers.
class CounterServer final : public QTcpServer
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CounterServer)

public:
    enum class Mode { Answer, Silent };

    explicit CounterServer(Mode mode);

    QByteArrayList requestLines() const { return m_requestLines; }
    // "http://127.0.0.1:PORT", for http_proxy.
    QByteArray proxyAddress() const;

private:
    void serve();

    Mode m_mode;
    QByteArrayList m_requestLines;
};
