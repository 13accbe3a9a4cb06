#include "LoopbackHttpServer.h"

#include <QHostAddress>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>
#include <optional>

namespace {

// A whole request at the start of the buffer, or nothing yet.
std::optional<HttpRequest> TakeRequest(const QByteArray &buffer)
{
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return std::nullopt;
    HttpRequest request;
    qsizetype lineStart = 0;
    while (lineStart <= headerEnd) {
        const qsizetype lineEnd = buffer.indexOf("\r\n", lineStart);
        const QByteArray line = buffer.mid(lineStart, lineEnd - lineStart);
        if (lineStart == 0)
            request.requestLine = line;
        else
            request.headerLines.append(line);
        lineStart = lineEnd + 2;
    }
    const qsizetype length = request.header("Content-Length").toLongLong();
    const qsizetype bodyStart = headerEnd + 4;
    if (buffer.size() - bodyStart < length)
        return std::nullopt;
    request.body = buffer.mid(bodyStart, length);
    return request;
}

} // namespace

class LoopbackHttpServer::Listener final : public QObject
{
public:
    Listener(Handler handler, std::function<void(const HttpRequest &)> recorder)
        : m_handler(std::move(handler))
        , m_recorder(std::move(recorder))
    {
        connect(&m_server, &QTcpServer::newConnection, this, &Listener::acceptAll);
    }

    bool listen(quint16 port, quint16 *boundPort, QString *errorString)
    {
        const bool ok = m_server.listen(QHostAddress::LocalHost, port);
        *boundPort = m_server.serverPort();
        *errorString = m_server.errorString();
        return ok;
    }

private:
    void acceptAll()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection())
            serve(socket);
    }

    void serve(QTcpSocket *socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        auto answered = std::make_shared<bool>(false);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer, answered] {
            *buffer += socket->readAll();
            if (*answered)
                return;
            const std::optional<HttpRequest> request = TakeRequest(*buffer);
            if (!request)
                return;
            *answered = true;
            m_recorder(*request);
            answer(socket, m_handler(*request));
        });
    }

    static void answer(QTcpSocket *socket, const HttpReply &reply)
    {
        const auto send = [socket, reply] {
            if (reply.closeWithoutReply) {
                socket->abort();
                socket->deleteLater();
                return;
            }
            socket->write(reply.toBytes());
            socket->disconnectFromHost();
        };
        if (reply.delay.count() > 0)
            QTimer::singleShot(reply.delay, socket, send);
        else
            send();
    }

    QTcpServer m_server{this};
    Handler m_handler;
    std::function<void(const HttpRequest &)> m_recorder;
};

LoopbackHttpServer::LoopbackHttpServer(Handler handler)
    : m_listener(new Listener(std::move(handler), [this](const HttpRequest &request) { record(request); }))
{
    m_listener->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_listener, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("loopback-http"));
    m_thread.start();
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    m_thread.quit();
    m_thread.wait();
}

bool LoopbackHttpServer::listen(quint16 port)
{
    bool ok = false;
    QMetaObject::invokeMethod(
        m_listener, [&] { ok = m_listener->listen(port, &m_port, &m_errorString); }, Qt::BlockingQueuedConnection);
    return ok;
}

quint16 LoopbackHttpServer::port() const
{
    return m_port;
}

QString LoopbackHttpServer::errorString() const
{
    return m_errorString;
}

QList<HttpRequest> LoopbackHttpServer::requests() const
{
    const QMutexLocker lock(&m_mutex);
    return m_requests;
}

void LoopbackHttpServer::clearRequests()
{
    const QMutexLocker lock(&m_mutex);
    m_requests.clear();
}

void LoopbackHttpServer::record(const HttpRequest &request)
{
    const QMutexLocker lock(&m_mutex);
    m_requests.append(request);
}
