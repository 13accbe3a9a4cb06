#include "rest/RESTRequest.h"

#include "core/TextRules.h"
#include "rest/Headers.h"
#include "rest/JSONDataSetAdapter.h"
#include "rest/PercentEncoding.h"
#include "rest/RESTRequestError.h"
#include "rest/RESTTimeouts.h"
#include "rest/RequestShutdown.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace nivo {

namespace {

bool ParamsGoInQuery(TRESTRequestMethod AMethod)
{
    return AMethod == rmGET || AMethod == rmDELETE;
}

// The manager's own operations where there is one, so that redirects are handled as for any client.
QNetworkReply *Send(QNetworkAccessManager &AManager, const QNetworkRequest &ARequest, TRESTRequestMethod AMethod,
                    const QByteArray &ABody)
{
    switch (AMethod) {
    case rmPOST:
        return AManager.post(ARequest, ABody);
    case rmPUT:
        return AManager.put(ARequest, ABody);
    case rmGET:
        return ABody.isNull() ? AManager.get(ARequest) : AManager.sendCustomRequest(ARequest, "GET"_ba, ABody);
    case rmDELETE:
        return ABody.isNull() ? AManager.deleteResource(ARequest)
                              : AManager.sendCustomRequest(ARequest, "DELETE"_ba, ABody);
    case rmPATCH:
        break;
    }
    return AManager.sendCustomRequest(ARequest, "PATCH"_ba, ABody);
}

QByteArray QueryString(const TRequestParameterList &AParams, bool AHasQuery)
{
    QByteArray query;
    for (const TRequestParameter &param : AParams) {
        query += (query.isEmpty() && !AHasQuery) ? '?' : '&';
        query += PercentEncodeHeader(param.name) + '=' + PercentEncodeQueryValue(param.value);
    }
    return query;
}

QByteArray FormBody(const TRequestParameterList &AParams)
{
    QByteArray body;
    for (const TRequestParameter &param : AParams) {
        if (!body.isEmpty())
            body += '&';
        body += PercentEncodeHeader(param.name) + '=' + PercentEncodeHeader(param.value);
    }
    return body;
}

// The charset parameter of a content type, without quotes; empty when there is none.
QByteArray CharsetOf(const QByteArray &AContentType)
{
    const QList<QByteArray> parts = AContentType.split(';');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QByteArray part = parts.at(i).trimmed();
        const qsizetype equals = part.indexOf('=');
        if (equals < 0 || part.left(equals).trimmed().compare("charset", Qt::CaseInsensitive) != 0)
            continue;
        QByteArray value = part.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return QByteArray();
}

// Qt numbers the errors of a reply that did arrive (4xx, 5xx, protocol) from 201 upwards; everything
// below means that there was no usable reply.
bool IsTransportError(QNetworkReply::NetworkError AError)
{
    return AError != QNetworkReply::NoError && AError < QNetworkReply::ContentAccessDenied;
}

} // namespace

void ExecuteRESTRequestToDataSet(const QString &AEndPoint, TRESTRequestMethod AMethodHttp,
                                 const QString &AKeyAuthentication, const TRequestParameterList *AParams,
                                 const QString &ARootElement, TMemTable &ADataSet,
                                 const QString &AJSONBodyContent)
{
    TRequestParameterList headers;
    ConfigHeaders(headers, AKeyAuthentication);

    const bool hasBodyText = !IsBlank(AJSONBodyContent);
    QByteArray target = AEndPoint.toUtf8();
    QByteArray body;
    if (hasBodyText)
        body = AJSONBodyContent.toUtf8();
    if (AParams && !AParams->isEmpty()) {
        if (ParamsGoInQuery(AMethodHttp) || hasBodyText)
            target += QueryString(*AParams, target.contains('?'));
        else
            body = FormBody(*AParams);
    }

    // Built already encoded, so that the request line carries exactly these bytes.
    const QUrl url = QUrl::fromEncoded(target, QUrl::StrictMode);
    if (!url.isValid())
        throw ERESTRequestError(u"Endereço do serviço inválido: %1"_s.arg(url.errorString()));

    QNetworkRequest request(url);
    for (const TRequestParameter &header : headers)
        request.setRawHeader(PercentEncodeHeader(header.name), PercentEncodeHeader(header.value));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);

    if (TRequestShutdown::Refused())
        throw ERESTRequestError(u"O programa está sendo encerrado."_s);
    QNetworkAccessManager manager;
    QNetworkReply *reply = Send(manager, request, AMethodHttp, body);

    // One watchdog for both limits: the connect limit until the request is out (again after each
    // redirect), then the idle limit, restarted whenever data moves.
    const TRESTTimeouts timeouts = RESTTimeouts();
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    const auto dataMoved = [&watchdog, &timeouts] { watchdog.start(timeouts.idle); };
    QObject::connect(reply, &QNetworkReply::requestSent, &watchdog, dataMoved);
    QObject::connect(reply, &QNetworkReply::uploadProgress, &watchdog, dataMoved);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &watchdog, dataMoved);
    QObject::connect(reply, &QNetworkReply::downloadProgress, &watchdog, dataMoved);
    QObject::connect(reply, &QNetworkReply::redirected, &watchdog,
                     [&watchdog, &timeouts] { watchdog.start(timeouts.connect); });
    QObject::connect(&watchdog, &QTimer::timeout, reply, [reply, &timedOut] {
        timedOut = true;
        reply->abort();
    });

    bool shutDown = false;
    const auto abortForShutdown = [reply, &shutDown] {
        shutDown = true;
        reply->abort();
    };
    QObject::connect(&TRequestShutdown::Instance(), &TRequestShutdown::abortRequested, reply, abortForShutdown);
    // Asked for between the call and the connection above.
    if (TRequestShutdown::Refused())
        abortForShutdown();

    // The body is taken as it arrives, so that a large body is not copied whole from the reply's pieces
    // once it is complete (a stall of about 160 ms for 44 MB, on top of the transfer).
    QByteArray received;
    const auto takeArrived = [reply, &received] {
        const qint64 available = reply->bytesAvailable();
        if (available <= 0)
            return;
        const qsizetype at = received.size();
        received.resize(at + available);
        received.resize(at + qMax<qint64>(0, reply->read(received.data() + at, available)));
    };
    QObject::connect(reply, &QNetworkReply::readyRead, reply, takeArrived);

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    watchdog.start(timeouts.connect);
    if (!reply->isFinished())
        loop.exec();
    watchdog.stop();

    if (shutDown)
        throw ERESTRequestError(u"O programa está sendo encerrado."_s);
    if (timedOut)
        throw ERESTRequestError(u"O serviço não respondeu a tempo."_s);
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (IsTransportError(reply->error()) || !status.isValid())
        throw ERESTRequestError(u"Não foi possível falar com o serviço: %1"_s.arg(reply->errorString()));
    if (status.toInt() >= 500)
        throw ERESTRequestError(u"O serviço respondeu com o estado %1."_s.arg(status.toInt()));

    takeArrived();
    LoadJSONToDataSet(received, CharsetOf(reply->rawHeader("Content-Type")), ARootElement, ADataSet);
}

} // namespace nivo
