#include "LoopbackService.h"
#include "ServiceTexts.h"

#include "rest/MemTable.h"
#include "rest/RESTRequest.h"
#include "rest/RESTRequestError.h"
#include "rest/RESTTimeouts.h"
#include "rest/RequestShutdown.h"

#include <QJsonObject>
#include <QTcpServer>
#include <QTest>
#include <QtConcurrent>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using namespace nivo;

Q_DECLARE_METATYPE(HttpReply)

namespace {
enum Outcome { Loaded, NotOpen, RESTError };

HttpReply Reply(int status, const QByteArray &contentType, const QByteArray &body)
{
    HttpReply reply;
    reply.status = status;
    if (!contentType.isEmpty())
        reply.headers.append(std::pair("content-type"_ba, contentType));
    reply.body = body;
    return reply;
}

// A table that holds an earlier reply, so that a load that leaves it alone shows.
TMemTable FilledTable(bool declared)
{
    TMemTable table = declared ? TMemTable({{u"value"_s, 8000}, {u"a"_s, 255}}) : TMemTable();
    table.LoadJSON(QJsonObject{{u"value"_s, u"antigo"_s}});
    return table;
}
} // namespace

class RESTReplyTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetServiceTexts(); }
    void cleanup()
    {
        ResetServiceTexts();
        SetRESTTimeouts(TRESTTimeouts());
    }

    void reply_statusAndBody_giveTableOrError_data()
    {
        QTest::addColumn<HttpReply>("reply");
        QTest::addColumn<QString>("root");
        QTest::addColumn<bool>("declared");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("rows");

        const QByteArray json = "application/json";
        const QByteArray two = R"({"items": [{"a": "1"}, {"a": "2"}]})";
        QTest::newRow("200, array under the root") << Reply(200, json, two) << u"items"_s << false << int(Loaded) << 2;
        QTest::newRow("404 with a JSON body loads") << Reply(404, json, two) << u"items"_s << false << int(Loaded) << 2;
        QTest::newRow("401 with an empty array") << Reply(401, json, R"({"items": []})") << u"items"_s << true
                                                 << int(Loaded) << 0;
        QTest::newRow("400 loads") << Reply(400, json, two) << u"items"_s << true << int(Loaded) << 2;
        QTest::newRow("499 loads") << Reply(499, QByteArray(), two) << u"items"_s << false << int(Loaded) << 2;
        QTest::newRow("503, whatever the body") << Reply(503, json, two) << u"items"_s << false << int(RESTError) << 0;
        QTest::newRow("500 with an empty body") << Reply(500, json, "") << u"items"_s << true << int(RESTError) << 0;
        QTest::newRow("HTML page") << Reply(200, "text/html", "<html><body>Erro</body></html>") << u"items"_s
                                   << true << int(RESTError) << 0;
        QTest::newRow("body of blanks is not JSON") << Reply(200, json, " \r\n") << QString() << true
                                                    << int(RESTError) << 0;
        QTest::newRow("object without the root element")
            << Reply(200, json, R"({"value": "x"})") << u"items"_s << true << int(RESTError) << 0;
        QTest::newRow("array reply where a root is named")
            << Reply(200, json, R"([{"a": "1"}])") << u"items"_s << false << int(RESTError) << 0;
        QTest::newRow("empty body") << Reply(200, json, "") << QString() << true << int(NotOpen) << 0;
        QTest::newRow("empty body on 404") << Reply(404, QByteArray(), "") << u"items"_s << false << int(NotOpen) << 0;
        QTest::newRow("empty array, declared fields")
            << Reply(200, json, R"({"items": []})") << u"items"_s << true << int(Loaded) << 0;
        QTest::newRow("empty array, fields from the reply")
            << Reply(200, json, R"({"items": []})") << u"items"_s << false << int(NotOpen) << 0;
        QTest::newRow("rows without members, fields from the reply")
            << Reply(200, json, R"({"items": [{}, {}]})") << u"items"_s << false << int(NotOpen) << 0;
        QTest::newRow("null under the root, declared fields")
            << Reply(200, json, R"({"items": null})") << u"items"_s << true << int(Loaded) << 0;
        QTest::newRow("single object under the root")
            << Reply(200, json, R"({"_messages": {"message": "SUCESSO"}})") << u"_messages"_s << false << int(Loaded) << 1;
        QTest::newRow("whole reply, object") << Reply(200, json, R"({"value": "k"})") << QString() << true
                                             << int(Loaded) << 1;
        QTest::newRow("whole reply, array") << Reply(200, json, two.mid(10, two.size() - 11)) << QString() << false
                                            << int(Loaded) << 2;
    }
    void reply_statusAndBody_giveTableOrError()
    {
        QFETCH(HttpReply, reply);
        QFETCH(QString, root);
        QFETCH(bool, declared);
        QFETCH(int, outcome);
        QFETCH(int, rows);

        LoopbackService service;
        service.enqueue(reply);
        TMemTable table = FilledTable(declared);
        const auto run = [&] {
            ExecuteRESTRequestToDataSet(service.url(u"/api/nivo/x"_s), rmGET, u"k"_s, nullptr, root, table, QString());
        };
        if (outcome == RESTError) {
            QVERIFY_THROWS_EXCEPTION(ERESTRequestError, run());
            return;
        }
        run();
        QCOMPARE(table.Active(), outcome == Loaded);
        QCOMPARE(table.RecordCount(), rows);
        QCOMPARE(table.HasDeclaredFields(), declared);
    }

    void largeBody_arrivingInPieces_loadsWhole()
    {
        QByteArray body = "{\"items\": [";
        constexpr int Rows = 20000;
        for (int i = 0; i < Rows; ++i)
            body += (i ? ","_ba : ""_ba) + "{\"a\": \"" + QByteArray::number(i) + '-' + QByteArray(100, 'x') + "\"}";
        body += "]}";
        LoopbackService service;
        service.enqueue(HttpReply::json(200, body));
        TMemTable table;
        ExecuteRESTRequestToDataSet(service.url(u"/api/nivo/x"_s), rmGET, u"k"_s, nullptr, u"items"_s, table,
                                    QString());
        QCOMPARE(table.RecordCount(), Rows);
        QVERIFY(table.Locate(u"a"_s, QString::number(Rows - 1) + u'-' + QString(100, u'x')));
    }

    void redirect_isFollowedWithTheHeaders()
    {
        LoopbackService service;
        // The redirect's own body is not part of the reply.
        HttpReply redirect = HttpReply::redirect(service.url(u"/api/nivo/novo"_s).toUtf8());
        redirect.body = R"({"items": [{"eea_id": "redirect"}]})";
        service.enqueue(redirect);
        service.enqueue(HttpReply::json(200, R"({"items": [{"eea_id": "7"}]})"));
        TMemTable table;
        ExecuteRESTRequestToDataSet(service.url(u"/api/nivo/velho"_s), rmGET, u"k"_s, nullptr, u"items"_s, table,
                                    QString());
        QCOMPARE(table.RecordCount(), 1);
        QCOMPARE(table.FieldAsString(u"eea_id"_s), u"7"_s);
        const QList<HttpRequest> requests = service.requests();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.at(1).requestLine, "GET /api/nivo/novo HTTP/1.1"_ba);
        QCOMPARE(requests.at(1).header("KeyAuthentication"), "k"_ba);
    }

    void transport_failures_raiseRESTError_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::newRow("connection refused") << u"refused"_s;
        QTest::newRow("no reply in time") << u"slow"_s;
        QTest::newRow("connection closed without reply") << u"dropped"_s;
        QTest::newRow("malformed port") << u"malformed"_s;
    }
    void transport_failures_raiseRESTError()
    {
        QFETCH(QString, scenario);

        LoopbackService service;
        QString endPoint = service.url(u"/api/nivo/x"_s);
        if (scenario == u"refused") {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            endPoint = u"http://127.0.0.1:%1/api/nivo/x"_s.arg(closed.serverPort());
            closed.close();
        } else if (scenario == u"slow") {
            SetRESTTimeouts({5000ms, 200ms});
            HttpReply slow = HttpReply::json(200, R"({"items": []})");
            slow.delay = 5s;
            service.enqueue(slow);
        } else if (scenario == u"dropped") {
            service.enqueue(HttpReply::dropConnection());
        } else {
            endPoint = u"http://127.0.0.1:porta/api/nivo/x"_s;
        }
        TMemTable table;
        QVERIFY_THROWS_EXCEPTION(ERESTRequestError, ExecuteRESTRequestToDataSet(endPoint, rmGET, u"k"_s, nullptr,
                                                                                u"items"_s, table, QString()));
    }

    void reply_charset_decodesBeforeParsing_data()
    {
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("value");

        QTest::newRow("UTF-8 when none is named") << "application/json"_ba << "{\"v\": \"a\xC3\xA7\xC3\xA3o\"}"_ba
                                                  << u"ação"_s;
        QTest::newRow("ISO-8859-1") << "application/json; charset=ISO-8859-1"_ba << "{\"v\": \"a\xE7\xE3o\"}"_ba
                                    << u"ação"_s;
        QTest::newRow("quoted UTF-16LE") << "text/plain; charset=\"utf-16le\""_ba
                                         << QByteArray(reinterpret_cast<const char *>(u"{\"v\": \"ação\"}"), 26)
                                         << u"ação"_s;
        QTest::newRow("broken UTF-8 bytes are replaced") << "application/json; charset=utf-8"_ba
                                                         << "{\"v\": \"a\xFFo\"}"_ba << u"a\uFFFDo"_s;
        QTest::newRow("unknown charset read as UTF-8") << "application/json; charset=x-desconhecido"_ba
                                                       << "{\"v\": \"\xC3\xA9\"}"_ba << u"é"_s;
    }
    void reply_charset_decodesBeforeParsing()
    {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(QString, value);

        LoopbackService service;
        service.enqueue(Reply(200, contentType, body));
        TMemTable table;
        ExecuteRESTRequestToDataSet(service.url(u"/api/nivo/x"_s), rmGET, u"k"_s, nullptr, QString(), table, QString());
        QCOMPARE(table.FieldAsString(u"v"_s), value);
    }

    void request_onPoolThread_loadsTheTable()
    {
        LoopbackService service;
        service.enqueue(HttpReply::json(200, R"({"items": [{"eea_name": "Alfa"}]})"));
        const QString name = QtConcurrent::run([&service] {
                                 TMemTable table;
                                 ExecuteRESTRequestToDataSet(service.url(u"/api/nivo/x"_s), rmGET, u"k"_s, nullptr,
                                                             u"items"_s, table, QString());
                                 return table.FieldAsString(u"eea_name"_s);
                             }).result();
        QCOMPARE(name, u"Alfa"_s);
    }

    // At exit a request waiting on a slow service ends at once, and none starts until requests are
    // allowed again.
    void abortRequests_endsWaitingRequest_andRefusesNewOnes()
    {
        LoopbackService service;
        HttpReply slow = HttpReply::json(200, R"({"items": [{"v": "tarde"}]})");
        slow.delay = 5s;
        service.enqueue(slow);
        service.enqueue(HttpReply::json(200, R"({"items": [{"v": "depois"}]})"));
        const QString endPoint = service.url(u"/api/nivo/x"_s);
        const auto load = [endPoint] {
            TMemTable table;
            try {
                ExecuteRESTRequestToDataSet(endPoint, rmGET, u"k"_s, nullptr, u"items"_s, table, QString());
            } catch (const ERESTRequestError &) {
                return u"erro"_s;
            }
            return table.FieldAsString(u"v"_s);
        };

        QFuture<QString> waiting = QtConcurrent::run(load);
        QTRY_COMPARE(service.requests().size(), 1);
        AbortRequests();
        QCOMPARE(waiting.result(), u"erro"_s);
        QCOMPARE(QtConcurrent::run(load).result(), u"erro"_s);
        QCOMPARE(service.requests().size(), 1);

        AllowRequests();
        QCOMPARE(QtConcurrent::run(load).result(), u"depois"_s);
    }
};

QTEST_GUILESS_MAIN(RESTReplyTest)
#include "RESTReplyTest.moc"
