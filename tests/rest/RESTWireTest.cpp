#include "LoopbackService.h"
#include "ServiceTexts.h"

#include "rest/BaseUrl.h"
#include "rest/KeyAuthentication.h"
#include "rest/MemTable.h"
#include "rest/MonitorApi.h"
#include "rest/RESTRequest.h"
#include "rest/RESTRequestError.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace nivo;

Q_DECLARE_METATYPE(nivo::TRequestParameterList)
Q_DECLARE_METATYPE(nivo::TRESTRequestMethod)

namespace {
const QByteArrayList FixedHeaderNames = {"KeyAuthentication", "access-control-allow-headers",
                                         "access-control-allow-methods", "access-control-allow-origin",
                                         "content-type"};

// Every header line whose name is one of the five fixed ones, in any letter case, as it arrived.
QByteArrayList FixedHeaderLines(const HttpRequest &request)
{
    QByteArrayList lines;
    for (const QByteArray &line : request.headerLines) {
        const QByteArray name = line.left(line.indexOf(':'));
        for (const QByteArray &fixed : FixedHeaderNames) {
            if (name.compare(fixed, Qt::CaseInsensitive) == 0)
                lines.append(line);
        }
    }
    return lines;
}

TMessagesFilter ExampleFilter()
{
    TMessagesFilter filter;
    filter.externalApplicationCode = u"17"_s;
    filter.periodoInicial = QDate(2020, 10, 10);
    filter.periodoFinal = QDate(2020, 10, 15);
    return filter;
}
} // namespace

class RESTWireTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetServiceTexts();
        QVERIFY(m_service.isListening());
        m_service.useAsServiceAddress();
    }
    void cleanup() { ResetServiceTexts(); }

    void request_paramsAndBody_goOutByteExact_data()
    {
        QTest::addColumn<TRESTRequestMethod>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<TRequestParameterList>("params");
        QTest::addColumn<QString>("bodyText");
        QTest::addColumn<QByteArray>("requestLine");
        QTest::addColumn<QByteArray>("body");

        const QString messages = lMESSAGES_END_POINT;
        QTest::newRow("no parameters") << rmGET << lEXTERNAL_APPLICATIONS_ENDPOINT << TRequestParameterList()
                                       << QString() << "GET /api/nivo/eai/monitor/v1/external-applications HTTP/1.1"_ba
                                       << QByteArray();
        QTest::newRow("parentheses in a value")
            << rmGET << messages
            << TRequestParameterList{{u"listarPendente"_s, u"true"_s}, {u"order"_s, u"-(NULL_FIRST)em_dt_send"_s}}
            << QString()
            << "GET /api/nivo/eai/monitor/v1/messages?listarPendente=true&order=-%28NULL_FIRST%29em_dt_send HTTP/1.1"_ba
            << QByteArray();
        QTest::newRow("colons in a value")
            << rmGET << messages << TRequestParameterList{{u"periodoInicial"_s, u"2020-10-10T00:00:00.000Z"_s}}
            << QString() << "GET /api/nivo/eai/monitor/v1/messages?periodoInicial=2020-10-10T00%3A00%3A00.000Z HTTP/1.1"_ba
            << QByteArray();
        QTest::newRow("the seven message parameters")
            << rmGET << messages << MessagesParams(ExampleFilter()) << QString()
            << "GET /api/nivo/eai/monitor/v1/messages?externalApplicationCode=17&listarPendente=true"
               "&listarSucesso=true&listarErro=true&periodoInicial=2020-10-10T00%3A00%3A00.000Z"
               "&periodoFinal=2020-10-15T23%3A59%3A59.000Z&order=-%28NULL_FIRST%29em_dt_send HTTP/1.1"_ba
            << QByteArray();
        TMessagesFilter byResponse = ExampleFilter();
        byResponse.externalApplicationCode = u"ALFA 01"_s;
        byResponse.listarPendente = false;
        byResponse.listarErro = false;
        byResponse.order = moResponseDate;
        QTest::newRow("message parameters, response order")
            << rmGET << messages << MessagesParams(byResponse) << QString()
            << "GET /api/nivo/eai/monitor/v1/messages?externalApplicationCode=ALFA+01&listarPendente=false"
               "&listarSucesso=true&listarErro=false&periodoInicial=2020-10-10T00%3A00%3A00.000Z"
               "&periodoFinal=2020-10-15T23%3A59%3A59.000Z&order=-%28NULL_FIRST%29em_dt_response HTTP/1.1"_ba
            << QByteArray();
        QTest::newRow("name in header form, value in query form")
            << rmGET << messages << TRequestParameterList{{u"nome composto*"_s, u"a b+c*d/é%&="_s}} << QString()
            << "GET /api/nivo/eai/monitor/v1/messages?nome%20composto%2A=a+b%2Bc*d%2F%C3%A9%25%26%3D HTTP/1.1"_ba
            << QByteArray();
        QTest::newRow("address that has a query already")
            << rmGET << messages + u"?fixo=1"_s << TRequestParameterList{{u"a"_s, u"b"_s}} << QString()
            << "GET /api/nivo/eai/monitor/v1/messages?fixo=1&a=b HTTP/1.1"_ba << QByteArray();
        QTest::newRow("resend form body")
            << rmPOST << messages << ResendParams(u"4711"_s) << QString()
            << "POST /api/nivo/eai/monitor/v1/messages HTTP/1.1"_ba << "messageCode=4711"_ba;
        QTest::newRow("form body in header form")
            << rmPOST << messages << TRequestParameterList{{u"messageCode"_s, u"a b+c/é"_s}, {u"x"_s, u"*"_s}}
            << QString() << "POST /api/nivo/eai/monitor/v1/messages HTTP/1.1"_ba
            << "messageCode=a%20b%2Bc%2F%C3%A9&x=%2A"_ba;
        QTest::newRow("blank body text sends no body")
            << rmPOST << ENDPOINT_AUTHENTICATION << TRequestParameterList() << u" \t\r\n \u0001"_s
            << "POST /api/nivo/authentication HTTP/1.1"_ba << QByteArray();
        QTest::newRow("body text goes untrimmed as UTF-8")
            << rmPOST << ENDPOINT_AUTHENTICATION << TRequestParameterList() << u" {\"a\": \"ção\"}\n"_s
            << "POST /api/nivo/authentication HTTP/1.1"_ba << " {\"a\": \"\xC3\xA7\xC3\xA3o\"}\n"_ba;
        QTest::newRow("parameters beside a body text go in the query")
            << rmPOST << messages << ResendParams(u"9"_s) << u"{}"_s
            << "POST /api/nivo/eai/monitor/v1/messages?messageCode=9 HTTP/1.1"_ba << "{}"_ba;
    }
    void request_paramsAndBody_goOutByteExact()
    {
        QFETCH(TRESTRequestMethod, method);
        QFETCH(QString, path);
        QFETCH(TRequestParameterList, params);
        QFETCH(QString, bodyText);
        QFETCH(QByteArray, requestLine);
        QFETCH(QByteArray, body);

        const HttpRequest request = send(method, path, params.isEmpty() ? nullptr : &params, bodyText);
        QCOMPARE(request.requestLine, requestLine);
        QCOMPARE(request.body, body);
    }

    void headers_fixedFive_goOutInOrderOnlyOnce_data()
    {
        QTest::addColumn<TRESTRequestMethod>("method");
        QTest::addColumn<QString>("bodyText");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("keyOnWire");

        QTest::newRow("letters, digits, - . _ unchanged") << rmGET << QString() << u"Ab9-._z"_s << "Ab9-._z"_ba;
        QTest::newRow("slash, plus, equals") << rmGET << QString() << u"a/b+c=="_s << "a%2Fb%2Bc%3D%3D"_ba;
        QTest::newRow("non-ASCII letter") << rmGET << QString() << u"chave-é"_s << "chave-%C3%A9"_ba;
        QTest::newRow("placeholder") << rmGET << QString() << KeyAuthentication() << "0"_ba;
        QTest::newRow("empty key") << rmGET << QString() << QString() << QByteArray();
        QTest::newRow("POST with body text") << rmPOST << u"{}"_s << u"k k"_s << "k%20k"_ba;
        QTest::newRow("POST with form body") << rmPOST << QString() << u"k"_s << "k"_ba;
    }
    void headers_fixedFive_goOutInOrderOnlyOnce()
    {
        QFETCH(TRESTRequestMethod, method);
        QFETCH(QString, bodyText);
        QFETCH(QString, key);
        QFETCH(QByteArray, keyOnWire);

        const TRequestParameterList params = ResendParams(u"1"_s);
        const HttpRequest request = send(method, lMESSAGES_END_POINT, &params, bodyText, key);
        const QByteArrayList expected = {
            "KeyAuthentication: " + keyOnWire,
            "access-control-allow-headers: %2A",
            "access-control-allow-methods: GET%2CPUT%2CPOST%2CDELETE%2CPATCH%2COPTIONS",
            "access-control-allow-origin: %2A",
            "content-type: application%2Fjson",
        };
        QCOMPARE(FixedHeaderLines(request), expected);
        QVERIFY(request.header("Cookie").isNull());
        QVERIFY(request.header("Authorization").isNull());
    }

    void signIn_body_isValidJsonWithEscapedBreaks_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("body");

        const QByteArray a19 = "YWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFh";
        QTest::newRow("11-digit user") << u"12345678901"_s << u"senha"_s
                                       << "{ \"login\": \"YzEyMzQ1Njc4OTAx.c2VuaGE=\"}"_ba;
        QTest::newRow("56-byte password, no break")
            << u"12345678901"_s << QString(56, u'a')
            << "{ \"login\": \"YzEyMzQ1Njc4OTAx.YWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWE=\"}"_ba;
        QTest::newRow("57-byte password ends with a break")
            << u"12345678901"_s << QString(57, u'a') << "{ \"login\": \"YzEyMzQ1Njc4OTAx." + a19 + "\\r\\n\"}";
        QTest::newRow("58-byte password") << u"12345678901"_s << QString(58, u'a')
                                          << "{ \"login\": \"YzEyMzQ1Njc4OTAx." + a19 + "\\r\\nYQ==\"}";
        QTest::newRow("57 bytes in 29 characters")
            << u"12345678901"_s << QString(28, u'ç') + u'a'
            << "{ \"login\": \"YzEyMzQ1Njc4OTAx.w6fDp8Onw6fDp8Onw6fDp8Onw6fDp8Onw6fDp8Onw6fDp8Onw6fDp8Onw6fDp8Onw6fDp8Onw6dh\\r\\n\"}"_ba;
    }
    void signIn_body_isValidJsonWithEscapedBreaks()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QByteArray, body);

        const HttpRequest request = send(rmPOST, ENDPOINT_AUTHENTICATION, nullptr, AuthenticationBody(user, password));
        QCOMPARE(request.requestLine, "POST /api/nivo/authentication HTTP/1.1"_ba);
        QCOMPARE(request.body, body);

        // What a strict service reads back: the user and the password as typed.
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(request.body, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QStringList parts = document.object().value(u"login"_s).toString().split(u'.');
        QCOMPARE(parts.size(), 2);
        QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(parts.at(0).toLatin1())), u'c' + user);
        QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(parts.at(1).toLatin1())), password);
    }

    void baseUrl_hostWithBlanks_keepsThemAndFails()
    {
        const qsizetype before = m_service.requests().size();
        SetIpHost(u" 127.0.0.1 "_s);
        QCOMPARE(GetBaseUrl(), u"http:// 127.0.0.1 :"_s + QString::number(m_service.port()) + u"/api/nivo"_s);
        TMemTable table;
        QVERIFY_THROWS_EXCEPTION(ERESTRequestError,
                                 ExecuteRESTRequestToDataSet(GetBaseUrl() + ENDPOINT_AUTHENTICATION, rmPOST,
                                                             KeyAuthentication(), nullptr, QString(), table, u"{}"_s));
        QCOMPARE(m_service.requests().size(), before);
    }

private:
    HttpRequest send(TRESTRequestMethod method, const QString &path, const TRequestParameterList *params,
                     const QString &bodyText, const QString &key = KeyAuthentication())
    {
        const qsizetype before = m_service.requests().size();
        m_service.enqueue(HttpReply::json(200, "{}"));
        TMemTable table;
        ExecuteRESTRequestToDataSet(GetBaseUrl() + path, method, key, params, QString(), table, bodyText);
        const QList<HttpRequest> requests = m_service.requests();
        if (requests.size() != before + 1)
            qFatal("expected one request, got %lld", qint64(requests.size() - before));
        return requests.last();
    }

    LoopbackService m_service;
};

QTEST_GUILESS_MAIN(RESTWireTest)
#include "RESTWireTest.moc"
