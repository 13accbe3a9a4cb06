#pragma once

#include "LoopbackHttpServer.h"

#include "rest/MonitorApi.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// The monitoring service for the benchmarks, on 127.0.0.1 through the loopback server: one external
// application per message count, whose code is that count, and the messages reply of that many
// messages (MessageReplies.h) for it. Sign-in accepts anyone. The replies are made once, up front.
class BenchService final
{
    Q_DISABLE_COPY_MOVE(BenchService)

public:
    explicit BenchService(const QList<int> &messageCounts);

    bool isListening() const { return m_server.port() != 0; }
    quint16 port() const { return m_server.port(); }
    // Points IpHost and Port here.
    void useAsServiceAddress() const;

    // The filter of a messages request for that many messages, and that request as a whole address of
    // the service listening on that port.
    static nivo::TMessagesFilter messagesFilter(int count);
    static QString messagesUrl(quint16 port, int count);
    // Shared, not copied.
    QByteArray messagesReply(int count) const { return m_replies.value(count); }

private:
    HttpReply answer(const HttpRequest &request) const;

    QList<int> m_counts;
    QHash<int, QByteArray> m_replies;
    LoopbackHttpServer m_server;
};
