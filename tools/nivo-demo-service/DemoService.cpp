#include "DemoService.h"

#include <QDateTime>
#include <QHash>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QByteArray ApiPath = "/api/nivo";
const QByteArray MessagesPath = ApiPath + "/eai/monitor/v1/messages";

HttpReply Json(int status, const QJsonObject &object)
{
    return HttpReply::json(status, QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// name=value pairs of a query or a form body; in a query "+" stands for a space.
QHash<QString, QString> Pairs(const QByteArray &text, bool plusIsSpace)
{
    QHash<QString, QString> pairs;
    for (QByteArray item : text.split('&')) {
        if (plusIsSpace)
            item.replace('+', ' ');
        const qsizetype equals = item.indexOf('=');
        const QByteArray name = equals < 0 ? item : item.left(equals);
        const QByteArray value = equals < 0 ? QByteArray() : item.mid(equals + 1);
        pairs.insert(QString::fromUtf8(QByteArray::fromPercentEncoding(name)),
                     QString::fromUtf8(QByteArray::fromPercentEncoding(value)));
    }
    return pairs;
}

QString TextOf(const QJsonValue &value)
{
    return value.isDouble() ? QString::number(value.toInteger()) : value.toString();
}

qint64 InstantOf(const QJsonValue &value)
{
    const QDateTime moment = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    return moment.isValid() ? moment.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

QString Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

HttpReply ResendOutcome(const QString &message, const QString &detailedMessage)
{
    const QJsonObject entry{{u"message"_s, message}, {u"detailedMessage"_s, detailedMessage}};
    return Json(200, QJsonObject{{u"_messages"_s, QJsonArray{entry}}});
}
} // namespace

DemoService::DemoService(DemoData data, QByteArray key)
    : m_data(std::move(data))
    , m_key(std::move(key))
{
}

HttpReply DemoService::handle(const HttpRequest &request)
{
    const QByteArray method = request.method();
    const QByteArray path = request.path();
    if (method == "POST" && path == ApiPath + "/authentication")
        return signIn(request.body);
    if (QByteArray::fromPercentEncoding(request.header("KeyAuthentication")) != m_key)
        return Json(401, {{u"message"_s, u"Chave de autenticação inválida ou expirada."_s}});
    if (method == "GET" && path == ApiPath + "/eai/monitor/v1/external-applications")
        return externalApplications();
    if (method == "GET" && path == MessagesPath)
        return messages(request.query());
    if (method == "POST" && path == MessagesPath)
        return resend(request.body);
    return Json(404, {{u"message"_s, u"Recurso não encontrado."_s}});
}

HttpReply DemoService::signIn(const QByteArray &body) const
{
    // login = Base64("c" + user) "." Base64(password); the decoder skips the line breaks.
    const QString login = QJsonDocument::fromJson(body).object().value(u"login"_s).toString();
    const qsizetype dot = login.indexOf(u'.');
    const QString user = QString::fromUtf8(QByteArray::fromBase64(login.left(dot).toLatin1()));
    const QString password = QString::fromUtf8(QByteArray::fromBase64(login.mid(dot + 1).toLatin1()));
    if (dot < 0 || user != u'c' + m_data.userName || password != m_data.password)
        return Json(401, {{u"value"_s, u"Acesso negado pelo sistema"_s}});
    return Json(200, {{u"value"_s, QString::fromLatin1(m_key)}});
}

HttpReply DemoService::externalApplications() const
{
    return Json(200, {{u"items"_s, m_data.externalApplications}});
}

HttpReply DemoService::messages(const QByteArray &query) const
{
    const QHash<QString, QString> params = Pairs(query, true);
    const QString application = params.value(u"externalApplicationCode"_s);
    const bool wanted[3] = {params.value(u"listarPendente"_s) == u"true", params.value(u"listarErro"_s) == u"true",
                            params.value(u"listarSucesso"_s) == u"true"};
    // The period is wall-clock time, as is the start of each registration text.
    const QString from = params.value(u"periodoInicial"_s).left(19);
    const QString to = params.value(u"periodoFinal"_s).left(19);

    QList<QJsonObject> selected;
    for (const QJsonObject &message : m_data.messages) {
        const int status = message.value(u"imageIndex"_s).toInt(-1);
        const QString registered = message.value(u"date_pendency_registration"_s).toString().left(19);
        if (message.value(u"eea_id"_s).toString() == application && status >= 0 && status < 3 && wanted[status]
            && (from.isEmpty() || registered >= from) && (to.isEmpty() || registered <= to))
            selected.append(message);
    }

    // "-(NULL_FIRST)em_dt_send": descending by that date, messages without one first.
    static const QRegularExpression orderForm(u"^(-?)\\((NULL_FIRST|NULL_LAST)\\)(\\w+)$"_s);
    const QRegularExpressionMatch order = orderForm.match(params.value(u"order"_s));
    if (order.hasMatch()) {
        const bool descending = !order.captured(1).isEmpty();
        const bool nullsFirst = order.captured(2) == u"NULL_FIRST";
        const QString member = order.captured(3);
        std::stable_sort(selected.begin(), selected.end(), [&](const QJsonObject &a, const QJsonObject &b) {
            const qint64 x = InstantOf(a.value(member));
            const qint64 y = InstantOf(b.value(member));
            const qint64 none = std::numeric_limits<qint64>::min();
            if ((x == none) != (y == none))
                return (x == none) == nullsFirst;
            return descending ? x > y : x < y;
        });
    }

    QJsonArray items;
    for (const QJsonObject &message : std::as_const(selected))
        items.append(message);
    return Json(200, {{u"items"_s, items}});
}

HttpReply DemoService::resend(const QByteArray &body)
{
    const QString code = Pairs(body, false).value(u"messageCode"_s);
    const auto found = std::find_if(m_data.messages.begin(), m_data.messages.end(), [&](const QJsonObject &m) {
        return m.contains(u"em_id"_s) && TextOf(m.value(u"em_id"_s)) == code;
    });
    if (code.isEmpty() || found == m_data.messages.end())
        return ResendOutcome(u"ERRO"_s, u"Mensagem %1 não encontrada para reenvio."_s.arg(code));
    QJsonObject &message = *found;
    if (m_data.resendRefusedFor.contains(message.value(u"eea_id"_s).toString()))
        return ResendOutcome(u"ERRO"_s, u"O destino recusou a mensagem: serviço indisponível (HTTP 503)."_s);

    const QString now = Now();
    message.insert(u"imageIndex"_s, 2);
    message.insert(u"es_status"_s, u"Sucesso"_s);
    message.insert(u"em_dt_send"_s, now);
    message.insert(u"em_dt_response"_s, now);
    message.insert(u"em_response_code"_s, u"200"_s);
    message.insert(u"em_message_response"_s,
                   u"OK - documento %1 reenviado e recebido"_s.arg(message.value(u"es_key"_s).toString()));
    return ResendOutcome(u"SUCESSO"_s, u"Mensagem reenviada com sucesso."_s);
}
