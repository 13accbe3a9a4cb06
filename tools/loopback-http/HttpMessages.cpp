#include "HttpMessages.h"

QByteArray HttpRequest::method() const
{
    return requestLine.left(requestLine.indexOf(' '));
}

QByteArray HttpRequest::target() const
{
    const qsizetype start = requestLine.indexOf(' ') + 1;
    const qsizetype end = requestLine.lastIndexOf(' ');
    return start > 0 && end > start ? requestLine.mid(start, end - start) : QByteArray();
}

QByteArray HttpRequest::path() const
{
    const QByteArray t = target();
    const qsizetype question = t.indexOf('?');
    return question < 0 ? t : t.left(question);
}

QByteArray HttpRequest::query() const
{
    const QByteArray t = target();
    const qsizetype question = t.indexOf('?');
    return question < 0 ? QByteArray() : t.mid(question + 1);
}

QList<QByteArray> HttpRequest::headerValues(QByteArrayView name) const
{
    QList<QByteArray> values;
    for (const QByteArray &line : headerLines) {
        const qsizetype colon = line.indexOf(':');
        if (colon >= 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            values.append(line.mid(colon + 1).trimmed());
    }
    return values;
}

QByteArray HttpRequest::header(QByteArrayView name) const
{
    const QList<QByteArray> values = headerValues(name);
    return values.isEmpty() ? QByteArray() : values.first();
}

HttpReply HttpReply::json(int status, QByteArray body)
{
    HttpReply reply;
    reply.status = status;
    reply.headers.append(std::pair(QByteArray("Content-Type"), QByteArray("application/json; charset=utf-8")));
    reply.body = std::move(body);
    return reply;
}

HttpReply HttpReply::redirect(QByteArray location, int status)
{
    HttpReply reply;
    reply.status = status;
    reply.headers.append(std::pair(QByteArray("Location"), std::move(location)));
    return reply;
}

HttpReply HttpReply::dropConnection()
{
    HttpReply reply;
    reply.closeWithoutReply = true;
    return reply;
}

namespace {
QByteArray ReasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 307: return "Temporary Redirect";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}
} // namespace

QByteArray HttpReply::toBytes() const
{
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(status) + ' ' + ReasonPhrase(status) + "\r\n";
    for (const auto &[name, value] : headers)
        bytes += name + ": " + value + "\r\n";
    bytes += "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
    bytes += body;
    return bytes;
}
