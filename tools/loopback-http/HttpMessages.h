#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <chrono>
#include <utility>

// One request as it arrived, byte for byte.
struct HttpRequest
{
    QByteArray requestLine;         // e.g. "GET /api/nivo/x?a=1 HTTP/1.1", without CR LF
    QList<QByteArray> headerLines;  // in their order, each without CR LF
    QByteArray body;

    QByteArray method() const;
    QByteArray target() const;  // as sent, still percent-encoded
    QByteArray path() const;    // the target up to "?"
    QByteArray query() const;   // after "?", empty when there is none
    // The values of every header line with this name (letter case ignored), in order.
    QList<QByteArray> headerValues(QByteArrayView name) const;
    // The first such value; null when there is none.
    QByteArray header(QByteArrayView name) const;
};

// What to answer, and how.
struct HttpReply
{
    int status = 200;
    QList<std::pair<QByteArray, QByteArray>> headers;
    QByteArray body;
    std::chrono::milliseconds delay{0};  // wait this long before answering
    bool closeWithoutReply = false;      // drop the connection instead of answering

    static HttpReply json(int status, QByteArray body);  // with "Content-Type: application/json; charset=utf-8"
    static HttpReply redirect(QByteArray location, int status = 302);
    static HttpReply dropConnection();

    // Status line, headers (with Content-Length and "Connection: close") and body.
    QByteArray toBytes() const;
};
