#pragma once

#include "HttpMessages.h"
#include "LoopbackHttpServer.h"

#include <QList>
#include <QMutex>
#include <QString>

// The monitoring service as tests need it: listens on a free port of 127.0.0.1, answers each request
// with the next scripted reply (500 with a note once the script has run out) and records every
// request byte for byte. It answers from a thread of its own, so a test may call the synchronous
// request routine directly.
class LoopbackService final
{
    Q_DISABLE_COPY_MOVE(LoopbackService)

public:
    LoopbackService();

    bool isListening() const { return m_server.port() != 0; }
    quint16 port() const { return m_server.port(); }
    // "http://127.0.0.1:PORT" followed by the path.
    QString url(const QString &path) const;
    // Points IpHost and Port here, so GetBaseUrl() is this service + "/api/nivo".
    void useAsServiceAddress() const;

    void enqueue(const HttpReply &reply);
    QList<HttpRequest> requests() const { return m_server.requests(); }

private:
    HttpReply next();

    QMutex m_mutex;
    QList<HttpReply> m_script;
    LoopbackHttpServer m_server;
};
