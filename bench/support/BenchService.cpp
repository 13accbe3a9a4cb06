#include "BenchService.h"

#include "MessageReplies.h"

#include "rest/BaseUrl.h"
#include "rest/PercentEncoding.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

// The application code of a messages request, from its raw query.
int RequestedCount(const QByteArray &query)
{
    for (const QByteArray &item : query.split('&')) {
        if (item.startsWith("externalApplicationCode="))
            return item.mid(int(sizeof("externalApplicationCode=")) - 1).toInt();
    }
    return -1;
}

} // namespace

BenchService::BenchService(const QList<int> &messageCounts)
    : m_counts(messageCounts)
    , m_server([this](const HttpRequest &request) { return answer(request); })
{
    for (int count : messageCounts)
        m_replies.insert(count, MessagesReply(count));
    m_server.listen();
}

void BenchService::useAsServiceAddress() const
{
    nivo::SetIpHost(u"127.0.0.1"_s);
    nivo::SetPort(QString::number(port()));
}

nivo::TMessagesFilter BenchService::messagesFilter(int count)
{
    nivo::TMessagesFilter filter;
    filter.externalApplicationCode = QString::number(count);
    filter.periodoInicial = QDate(2024, 5, 1);
    filter.periodoFinal = QDate(2024, 5, 20);
    return filter;
}

QString BenchService::messagesUrl(quint16 port, int count)
{
    QByteArray query;
    for (const nivo::TRequestParameter &param : nivo::MessagesParams(messagesFilter(count)))
        query += (query.isEmpty() ? '?' : '&') + nivo::PercentEncodeHeader(param.name) + '='
            + nivo::PercentEncodeQueryValue(param.value);
    return u"http://127.0.0.1:"_s + QString::number(port) + u"/api/nivo"_s + nivo::lMESSAGES_END_POINT
        + QString::fromLatin1(query);
}

HttpReply BenchService::answer(const HttpRequest &request) const
{
    const QByteArray path = request.path();
    if (path.endsWith(nivo::ENDPOINT_AUTHENTICATION.toLatin1()))
        return HttpReply::json(200, R"({"value":"bench-key"})"_ba);
    if (path.endsWith(nivo::lEXTERNAL_APPLICATIONS_ENDPOINT.toLatin1())) {
        QJsonArray items;
        for (int count : m_counts) {
            items.append(QJsonObject{{u"eea_id"_s, QString::number(count)},
                                     {u"eea_name"_s, u"%1 mensagens"_s.arg(count)}});
        }
        return HttpReply::json(200, QJsonDocument(QJsonObject{{u"items"_s, items}}).toJson(QJsonDocument::Compact));
    }
    if (path.endsWith(nivo::lMESSAGES_END_POINT.toLatin1()) && request.method() == "GET") {
        const auto reply = m_replies.constFind(RequestedCount(request.query()));
        if (reply != m_replies.cend())
            return HttpReply::json(200, *reply);
    }
    return HttpReply::json(404, R"({"message":"unknown request"})"_ba);
}
