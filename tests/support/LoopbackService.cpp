#include "LoopbackService.h"

#include "rest/BaseUrl.h"

#include <QMutexLocker>

using namespace Qt::StringLiterals;

LoopbackService::LoopbackService()
    : m_server([this](const HttpRequest &) { return next(); })
{
    m_server.listen();
}

QString LoopbackService::url(const QString &path) const
{
    return u"http://127.0.0.1:"_s + QString::number(port()) + path;
}

void LoopbackService::useAsServiceAddress() const
{
    nivo::SetIpHost(u"127.0.0.1"_s);
    nivo::SetPort(QString::number(port()));
}

void LoopbackService::enqueue(const HttpReply &reply)
{
    const QMutexLocker lock(&m_mutex);
    m_script.append(reply);
}

HttpReply LoopbackService::next()
{
    const QMutexLocker lock(&m_mutex);
    if (m_script.isEmpty())
        return HttpReply::json(500, R"({"message": "no scripted reply left"})"_ba);
    return m_script.takeFirst();
}
