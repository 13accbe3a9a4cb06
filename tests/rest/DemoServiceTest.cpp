#include "DemoService.h"
#include "LoopbackHttpServer.h"
#include "ServiceTexts.h"

#include "rest/BaseUrl.h"
#include "rest/KeyAuthentication.h"
#include "rest/MemTable.h"
#include "rest/MonitorApi.h"
#include "rest/RESTRequest.h"
#include "rest/RESTRequestError.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace nivo;

namespace {
const QByteArray DemoKey = "k+y/demo==";

TMessagesFilter WholePeriod(const QString &application)
{
    TMessagesFilter filter;
    filter.externalApplicationCode = application;
    filter.periodoInicial = QDate(2024, 1, 1);
    filter.periodoFinal = QDate(2024, 12, 31);
    return filter;
}
} // namespace

// The demo service answers the viewer's own requests, over its own data set.
class DemoServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetServiceTexts();
        QString error;
        std::optional<DemoData> data = DemoData::load(QStringLiteral(ORVEL_DEMO_DATA_FILE), &error);
        QVERIFY2(data, qPrintable(error));
        data->moveDatesTo(QDate(2024, 5, 20));
        m_service = std::make_unique<DemoService>(std::move(*data), DemoKey);
        m_server = std::make_unique<LoopbackHttpServer>(
            [service = m_service.get()](const HttpRequest &request) { return service->handle(request); });
        QVERIFY(m_server->listen());
        SetIpHost(u"127.0.0.1"_s);
        SetPort(QString::number(m_server->port()));
    }
    void cleanup()
    {
        m_server.reset();
        m_service.reset();
        ResetServiceTexts();
    }

    void signIn_demoUserGetsTheKey_othersAreRefused_data()
    {
        QTest::addColumn<QString>("password");  // empty: the demo user's own
        QTest::addColumn<bool>("accepted");
        QTest::newRow("demo password") << QString() << true;
        QTest::newRow("wrong password") << u"errada"_s << false;
        QTest::newRow("password past one Base64 line") << QString(60, u'x') << false;
    }
    void signIn_demoUserGetsTheKey_othersAreRefused()
    {
        QFETCH(QString, password);
        QFETCH(bool, accepted);

        TMemTable login(LoginFields());
        ExecuteRESTRequestToDataSet(
            GetBaseUrl() + ENDPOINT_AUTHENTICATION, rmPOST, KeyAuthentication(), nullptr, QString(), login,
            AuthenticationBody(m_service->data().userName, password.isEmpty() ? m_service->data().password : password));
        const QString value = login.FieldAsString(u"value"_s);
        QCOMPARE(IsAuthenticationRefused(value), !accepted);
        if (accepted)
            QCOMPARE(value, key());
    }

    void monitorRequest_wrongKey_raisesRESTError()
    {
        TMemTable applications;
        QVERIFY_THROWS_EXCEPTION(ERESTRequestError,
                                 ExecuteRESTRequestToDataSet(GetBaseUrl() + lEXTERNAL_APPLICATIONS_ENDPOINT, rmGET,
                                                             KeyAuthentication(), nullptr, ROOT_ITEMS, applications,
                                                             QString()));
    }

    void externalApplications_includeNamesThatDifferInCaseOnly()
    {
        TMemTable applications;
        ExecuteRESTRequestToDataSet(GetBaseUrl() + lEXTERNAL_APPLICATIONS_ENDPOINT, rmGET, key(), nullptr,
                                    ROOT_ITEMS, applications, QString());
        QStringList names;
        for (applications.First(); !applications.Eof(); applications.Next())
            names.append(applications.FieldAsString(u"eea_name"_s));
        QVERIFY(names.size() >= 3);
        bool caseTwins = false;
        for (qsizetype i = 0; i < names.size(); ++i) {
            for (qsizetype j = i + 1; j < names.size(); ++j)
                caseTwins = caseTwins || (names[i] != names[j] && names[i].compare(names[j], Qt::CaseInsensitive) == 0);
        }
        QVERIFY(caseTwins);
    }

    void messages_filterAndOrderApply_data()
    {
        QTest::addColumn<bool>("pending");
        QTest::addColumn<bool>("success");
        QTest::addColumn<bool>("error");
        QTest::addColumn<int>("order");
        QTest::addColumn<QDate>("day");  // a one-day period; null for the whole year

        QTest::newRow("all, by send date") << true << true << true << int(moSendDate) << QDate();
        QTest::newRow("errors, by response date") << false << false << true << int(moResponseDate) << QDate();
        QTest::newRow("pending and success") << true << true << false << int(moSendDate) << QDate();
        QTest::newRow("one day") << true << true << true << int(moSendDate) << QDate(2024, 5, 20);
    }
    void messages_filterAndOrderApply()
    {
        QFETCH(bool, pending);
        QFETCH(bool, success);
        QFETCH(bool, error);
        QFETCH(int, order);
        QFETCH(QDate, day);

        TMessagesFilter filter = WholePeriod(u"1"_s);
        filter.listarPendente = pending;
        filter.listarSucesso = success;
        filter.listarErro = error;
        filter.order = TMessageOrder(order);
        if (day.isValid())
            filter.periodoInicial = filter.periodoFinal = day;
        TMemTable messages = loadMessages(filter);
        QVERIFY(messages.RecordCount() > 0);

        const QString dateField = order == moSendDate ? u"em_dt_send"_s : u"em_dt_response"_s;
        QDateTime previous;
        bool datesBegun = false;
        for (messages.First(); !messages.Eof(); messages.Next()) {
            QCOMPARE(messages.FieldAsString(u"eea_name"_s), u"Faturamento ERP"_s);
            const int status = messages.FieldByName(u"imageIndex"_s).AsInteger();
            QVERIFY((status == 0 && pending) || (status == 1 && error) || (status == 2 && success));
            if (day.isValid())
                QCOMPARE(messages.FieldAsString(u"date_pendency_registration"_s).left(10), day.toString(Qt::ISODate));
            // Newest first, messages without the date before all others.
            const QString text = messages.FieldAsString(dateField);
            if (text.isEmpty()) {
                QVERIFY(!datesBegun);
                continue;
            }
            const QDateTime moment = QDateTime::fromString(text, Qt::ISODateWithMs);
            QVERIFY(moment.isValid());
            QVERIFY(!datesBegun || moment <= previous);
            datesBegun = true;
            previous = moment;
        }
    }

    void messages_pendingItemWithoutMessage_hasNoId()
    {
        TMemTable messages = loadMessages(WholePeriod(u"1"_s));
        bool withoutId = false;
        for (messages.First(); !messages.Eof(); messages.Next())
            withoutId = withoutId || messages.FieldByName(u"em_id"_s).IsNull();
        QVERIFY(withoutId);
    }

    void resend_turnsTheMessageToSuccess()
    {
        TMessagesFilter errors = WholePeriod(u"1"_s);
        errors.listarPendente = false;
        errors.listarSucesso = false;
        TMemTable failed = loadMessages(errors);
        QVERIFY(!failed.IsEmpty());
        const QString id = failed.FieldAsString(u"em_id"_s);

        TMemTable outcome = resend(id);
        QVERIFY(IsResendSuccessful(outcome.FieldAsString(u"message"_s)));
        QVERIFY(!outcome.FieldAsString(u"detailedMessage"_s).isEmpty());

        TMessagesFilter successes = WholePeriod(u"1"_s);
        successes.listarPendente = false;
        successes.listarErro = false;
        TMemTable succeeded = loadMessages(successes);
        QVERIFY(succeeded.Locate(u"em_id"_s, id));
        failed = loadMessages(errors);
        QVERIFY(!failed.Locate(u"em_id"_s, id));
    }

    void resend_unknownOrRefused_isNotSuccess_data()
    {
        QTest::addColumn<QString>("application");  // empty: an id that no message has
        QTest::newRow("unknown message") << QString();
        QTest::newRow("destination refuses") << u"5"_s;
    }
    void resend_unknownOrRefused_isNotSuccess()
    {
        QFETCH(QString, application);
        QString id = u"999999"_s;
        if (!application.isEmpty()) {
            TMemTable messages = loadMessages(WholePeriod(application));
            QVERIFY(messages.Locate(u"imageIndex"_s, u"1"_s));
            id = messages.FieldAsString(u"em_id"_s);
        }
        TMemTable outcome = resend(id);
        QVERIFY(outcome.Active());
        QVERIFY(!IsResendSuccessful(outcome.FieldAsString(u"message"_s)));
        QVERIFY(!outcome.FieldAsString(u"detailedMessage"_s).isEmpty());
    }

private:
    QString key() const { return QString::fromLatin1(DemoKey); }

    TMemTable loadMessages(const TMessagesFilter &filter) const
    {
        TMemTable messages(DataMessagesFields());
        const TRequestParameterList params = MessagesParams(filter);
        ExecuteRESTRequestToDataSet(GetBaseUrl() + lMESSAGES_END_POINT, rmGET, key(), &params, ROOT_ITEMS, messages,
                                    QString());
        return messages;
    }

    TMemTable resend(const QString &id) const
    {
        TMemTable outcome;
        const TRequestParameterList params = ResendParams(id);
        ExecuteRESTRequestToDataSet(GetBaseUrl() + lMESSAGES_END_POINT, rmPOST, key(), &params, ROOT_MESSAGES, outcome,
                                    QString());
        return outcome;
    }

    std::unique_ptr<DemoService> m_service;
    std::unique_ptr<LoopbackHttpServer> m_server;
};

QTEST_GUILESS_MAIN(DemoServiceTest)
#include "DemoServiceTest.moc"
