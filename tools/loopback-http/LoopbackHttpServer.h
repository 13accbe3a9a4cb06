#pragma once

#include "HttpMessages.h"

#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

#include <functional>

// A small HTTP/1.1 server on 127.0.0.1 that runs on a thread of its own, so it answers while the
// thread that made it is blocked (in a synchronous request, for example). Each connection carries one
// request (a body is read by its Content-Length), is answered by the handler and closed. Every
// request is recorded byte for byte before it is answered.
class LoopbackHttpServer final
{
    Q_DISABLE_COPY_MOVE(LoopbackHttpServer)

public:
    // Runs on the server's thread, one request at a time; it must not throw.
    using Handler = std::function<HttpReply(const HttpRequest &)>;

    explicit LoopbackHttpServer(Handler handler);
    ~LoopbackHttpServer();

    // Listens on 127.0.0.1 at the port (0: a free one). False, with errorString(), when it cannot.
    bool listen(quint16 port = 0);
    quint16 port() const;
    QString errorString() const;

    QList<HttpRequest> requests() const;
    void clearRequests();

private:
    class Listener;

    void record(const HttpRequest &request);

    QThread m_thread;
    Listener *m_listener;
    quint16 m_port = 0;
    QString m_errorString;
    mutable QMutex m_mutex;
    QList<HttpRequest> m_requests;
};
