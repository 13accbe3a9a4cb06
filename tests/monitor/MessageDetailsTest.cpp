#include "LoopbackService.h"
#include "ScriptedDialogService.h"
#include "ServiceTexts.h"
#include "TestEnvironment.h"

#include "monitor/OrvelForm.h"
#include "widgets/AccessoryRow.h"
#include "widgets/BusyIndicator.h"
#include "widgets/RotatedSvgIcon.h"
#include "widgets/SlidingStackedWidget.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(HttpReply)

namespace {

const QString SessionExpired = u"Sessão expirada. Efetue nova conexão."_s;
const QString ResendQuestion = u"Deseja realmente reenviar a mensagem?"_s;
const QString CloseQuestion = u"Deseja realmente fechar o aplicativo?"_s;

HttpReply Items(const QJsonArray &items)
{
    return HttpReply::json(200, QJsonDocument(QJsonObject{{u"items"_s, items}}).toJson(QJsonDocument::Compact));
}

QJsonObject Message(const QString &id, const QString &description)
{
    return QJsonObject{{u"em_id"_s, id},
                       {u"et_description"_s, description},
                       {u"es_key"_s, QString(u"key-"_s + description)},
                       {u"imageIndex"_s, u"1"_s},
                       {u"em_dt_send"_s, u"2020-10-10T13:00:00.000Z"_s},
                       {u"em_dt_response"_s, u"2020-10-10T13:00:05.000Z"_s}};
}

QJsonArray Messages(int count)
{
    QJsonArray items;
    for (int i = 0; i < count; ++i)
        items.append(Message(u"id-%1"_s.arg(i), u"Mensagem %1"_s.arg(i)));
    return items;
}

HttpReply ResendReply(const QJsonArray &messages)
{
    return HttpReply::json(200, QJsonDocument(QJsonObject{{u"_messages"_s, messages}}).toJson(QJsonDocument::Compact));
}

QJsonObject Verdict(const QString &message, const QString &detailed)
{
    return QJsonObject{{u"message"_s, message}, {u"detailedMessage"_s, detailed}};
}

// The monitor screen against its own stand-in service, shown with one application and its messages.
class Screen
{
public:
    explicit Screen(const QJsonArray &messages)
    {
        service.useAsServiceAddress();
        form.setWindowState(Qt::WindowNoState);
        form.resize(1000, 700);
        service.enqueue(Items({QJsonObject{{u"eea_id"_s, u"1"_s}, {u"eea_name"_s, u"Alfa"_s}}}));
        service.enqueue(Items(messages));
        form.show();
    }

    template <typename T>
    T *find(const char *name)
    {
        T *child = form.findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }

    QListView *list() { return find<QListView>("ListBox1"); }
    SlidingStackedWidget *pages() { return find<SlidingStackedWidget>("TabControl1"); }
    QString page() { return pages()->currentWidget()->objectName(); }
    QString text(const char *name) { return find<QWidget>(name)->property("text").toString(); }
    QPlainTextEdit *memo() { return find<QPlainTextEdit>("Memo1"); }
    BusyIndicator *indicator() { return find<BusyIndicator>("AniIndicator2"); }
    QPushButton *resendButton() { return find<QPushButton>("btnReenviarMensagem"); }
    QWidget *pullArea() { return find<QWidget>("LayoutPullToRefresh"); }

    bool settle()
    {
        if (!QTest::qWaitFor([this] { return indicator()->isHidden() && !pages()->isSliding(); }, 10000))
            return false;
        QTest::qWait(50);
        return indicator()->isHidden();
    }

    void clickRow(int row)
    {
        QListView *view = list();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
    }

    void click(QAbstractButton *button)
    {
        QTRY_VERIFY(!pages()->isSliding());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void back()
    {
        QTest::keyClick(&form, Qt::Key_Escape);
    }

    // Pointer moves in window coordinates, as a finger's: the list moves down under it as the area opens.
    QPoint at(int windowY) { return list()->viewport()->mapFrom(&form, QPoint(600, windowY)); }
    void pull(const QList<int> &moves)
    {
        const int pressY = list()->mapTo(&form, QPoint(0, 20)).y();
        QTest::mousePress(list()->viewport(), Qt::LeftButton, {}, at(pressY));
        for (int distance : moves) {
            QTest::mouseMove(list()->viewport(), at(pressY + distance));
            QCoreApplication::sendPostedEvents();
        }
        m_lastY = pressY + moves.last();
    }
    void release() { QTest::mouseRelease(list()->viewport(), Qt::LeftButton, {}, at(m_lastY)); }

    int messageRequests()
    {
        int count = 0;
        for (const HttpRequest &request : service.requests())
            count += request.method() == "GET" && request.path().endsWith("/messages");
        return count;
    }

    LoopbackService service;
    TfrmOrvel form;

private:
    int m_lastY = 0;
};

} // namespace

class MessageDetailsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        UseBrazilianLocaleAndZone();
    }

    void init()
    {
        m_dialogs = ScriptedDialogService::install();
        ResetServiceTexts();
    }

    void cleanup()
    {
        ScriptedDialogService::uninstall();
        m_dialogs.reset();
        ResetServiceTexts();
    }

    // A key differing only in letter case comes first: the exact one must be found.
    void rowClick_messageWithId_showsItsRecordOnDetailsPage()
    {
        QJsonObject other = Message(u"ABC"_s, u"Outra"_s);
        QJsonObject wanted = Message(u"abc"_s, u"Pedido"_s);
        wanted[u"eea_address_base"_s] = u"http://erp:8080/"_s;
        wanted[u"et_address_endpoint"_s] = u"/pedidos"_s;
        wanted[u"em_response_code"_s] = u"201"_s;
        wanted[u"es_key"_s] = u"PED-77"_s;
        wanted[u"ea_key_description"_s] = u"Número do pedido"_s;
        wanted[u"em_dt_send"_s] = u"2020-10-10T21:30:15.000-03:00"_s;
        wanted[u"em_dt_response"_s] = QString();
        Screen screen({other, wanted});
        QVERIFY(screen.settle());

        screen.clickRow(1);
        QCOMPARE(screen.page(), u"TabItem2"_s);
        QVERIFY(screen.settle());

        QCOMPARE(screen.text("txtEndPoint"), u"http://erp:8080//pedidos"_s);
        QCOMPARE(screen.text("txtCodigoResposta"), u"201"_s);
        QCOMPARE(screen.text("txtChaveEnvio"), u"PED-77"_s);
        QCOMPARE(screen.text("txtNomeChave"), u"Número do pedido"_s);
        QCOMPARE(screen.text("txtEnviadaEm"), u"11/10/2020 00:30:15"_s);
        QCOMPARE(screen.text("txtRespondidaEm"), QString());
        QCOMPARE(screen.form.SelectedMessageKey(), u"abc"_s);
        QVERIFY(m_dialogs->calls().isEmpty());
        QCOMPARE(screen.service.requests().size(), 2);
    }

    // Pending messages have no em_id; the first of them must not stand for the one clicked.
    void rowClick_pendingMessage_warnsAndStaysOnList()
    {
        Screen screen({Message(QString(), u"Aguardando 1"_s), Message(QString(), u"Aguardando 2"_s)});
        QVERIFY(screen.settle());

        screen.clickRow(1);

        QCOMPARE(m_dialogs->texts(), QStringList{u"Mensagem está pendente de processamento e ainda não foi enviada."_s});
        QCOMPARE(m_dialogs->calls().first().type, nivo::mtWarning);
        QCOMPARE(m_dialogs->calls().first().buttons, nivo::TMsgDlgButtons{nivo::mbOK});
        QCOMPARE(screen.page(), u"TabItem1"_s);
        QVERIFY(!screen.pages()->isSliding());
    }

    void payloadRow_click_showsPayloadLaidOut_data()
    {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QString>("payload");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one-line JSON, response") << "ListBoxItem6"_ba << uR"({"a":1,"b":[true,"x"]})"_s
                                                 << u"{\n    \"a\": 1,\n    \"b\": [\n        true,\n        \"x\"\n    ]\n}"_s;
        QTest::newRow("XML with comment and CDATA, sent")
            << "ListBoxItem3"_ba << u"<a><!-- nota --><b><![CDATA[<x> & y]]></b><c>1</c></a>"_s
            << u"<a>\n    <!-- nota -->\n    <b><![CDATA[<x> & y]]></b>\n    <c>1</c>\n</a>"_s;
        QTest::newRow("plain text as it came") << "ListBoxItem6"_ba << u"Erro 500: {falha} <interna"_s
                                               << u"Erro 500: {falha} <interna"_s;
        QTest::newRow("nothing") << "ListBoxItem6"_ba << QString() << QString();
    }
    void payloadRow_click_showsPayloadLaidOut()
    {
        QFETCH(QByteArray, row);
        QFETCH(QString, payload);
        QFETCH(QString, shown);
        QJsonObject message = Message(u"m-1"_s, u"Pedido"_s);
        message[row == "ListBoxItem3" ? u"em_message_send"_s : u"em_message_response"_s] = payload;
        message[row == "ListBoxItem3" ? u"em_message_response"_s : u"em_message_send"_s] = u"a outra"_s;
        Screen screen({message});
        QVERIFY(screen.settle());
        screen.clickRow(0);

        screen.click(screen.find<AccessoryRow>(row.constData()));
        QCOMPARE(screen.page(), u"TabItem3"_s);
        QCOMPARE(screen.memo()->toPlainText(), shown);
        QVERIFY(screen.memo()->isReadOnly());
        QCOMPARE(screen.memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    }

    void voltar_onEachPage_stepsBackAndClears()
    {
        QJsonObject message = Message(u"m-1"_s, u"Pedido"_s);
        message[u"em_message_send"_s] = u"<a/>"_s;
        Screen screen({message});
        QVERIFY(screen.settle());
        screen.clickRow(0);
        screen.click(screen.find<AccessoryRow>("ListBoxItem3"));
        QVERIFY(!screen.memo()->toPlainText().isEmpty());

        screen.click(screen.find<QToolButton>("Button2"));
        QCOMPARE(screen.page(), u"TabItem2"_s);
        QVERIFY(screen.memo()->toPlainText().isEmpty());

        screen.click(screen.find<QToolButton>("btnVoltarTab2"));
        QCOMPARE(screen.page(), u"TabItem1"_s);
        QVERIFY(screen.list()->selectionModel()->selectedIndexes().isEmpty());
        QCOMPARE(screen.form.SelectedMessageKey(), QString());
    }

    void resend_notConfirmed_sendsNothing()
    {
        Screen screen({Message(u"m-1"_s, u"Pedido"_s)});
        QVERIFY(screen.settle());
        screen.clickRow(0);
        m_dialogs->answer(nivo::mrNo);

        screen.click(screen.resendButton());
        QVERIFY(screen.settle());

        QCOMPARE(m_dialogs->texts(), QStringList{ResendQuestion});
        const ScriptedDialogService::Call question = m_dialogs->calls().first();
        QCOMPARE(question.type, nivo::mtConfirmation);
        QCOMPARE(question.buttons, (nivo::TMsgDlgButtons{nivo::mbYes, nivo::mbNo}));
        QCOMPARE(question.defaultButton, nivo::mbNo);
        QCOMPARE(screen.service.requests().size(), 2);
        QCOMPARE(screen.page(), u"TabItem2"_s);
    }

    void resend_reply_isJudgedByItsFirstMessage_data()
    {
        QTest::addColumn<HttpReply>("reply");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<int>("type");
        QTest::newRow("Sucesso in any case") << ResendReply({Verdict(u"Sucesso"_s, u"Reenviada."_s)})
                                             << QStringList{u"Reenviada."_s} << int(nivo::mtInformation);
        QTest::newRow("blank before SUCESSO is a refusal") << ResendReply({Verdict(u" SUCESSO"_s, u"Recusada."_s)})
                                                           << QStringList{u"Recusada."_s} << int(nivo::mtError);
        QTest::newRow("only the first message")
            << ResendReply({Verdict(u"erro"_s, u"Primeira."_s), Verdict(u"SUCESSO"_s, u"Segunda."_s)})
            << QStringList{u"Primeira."_s} << int(nivo::mtError);
        QTest::newRow("no message field: nothing") << ResendReply({QJsonObject{{u"detailedMessage"_s, u"x"_s}}})
                                                   << QStringList{} << 0;
        QTest::newRow("no messages: nothing") << ResendReply({}) << QStringList{} << 0;
        QTest::newRow("service error") << HttpReply::json(503, "{}") << QStringList{SessionExpired}
                                       << int(nivo::mtWarning);
    }
    void resend_reply_isJudgedByItsFirstMessage()
    {
        QFETCH(HttpReply, reply);
        QFETCH(QStringList, dialogs);
        QFETCH(int, type);
        Screen screen({Message(u"m-1"_s, u"Pedido"_s), Message(u"M-2"_s, u"Nota"_s)});
        QVERIFY(screen.settle());
        screen.clickRow(1);
        QVERIFY(screen.settle());
        screen.service.enqueue(reply);
        // The success dialog is left with OK: the reload it starts needs its own reply.
        screen.service.enqueue(Items(Messages(1)));
        m_dialogs->answer(nivo::mrYes);
        bool idleUnderDialog = true;
        m_dialogs->setWhileOpen([&](const ScriptedDialogService::Call &call) {
            if (call.text != ResendQuestion)
                idleUnderDialog = idleUnderDialog && screen.resendButton()->isEnabled() && screen.indicator()->isHidden();
        });

        screen.click(screen.resendButton());
        QVERIFY(!screen.resendButton()->isEnabled());
        QVERIFY(screen.indicator()->isVisible());
        QTRY_VERIFY(screen.service.requests().size() >= 3);
        QVERIFY(screen.settle());

        const HttpRequest resend = screen.service.requests()[2];
        QCOMPARE(resend.method(), "POST"_ba);
        QCOMPARE(resend.path(), "/api/nivo/eai/monitor/v1/messages"_ba);
        QCOMPARE(QUrlQuery(QString::fromLatin1(resend.body)).queryItemValue(u"messageCode"_s, QUrl::FullyDecoded),
                 u"M-2"_s);
        QCOMPARE(m_dialogs->texts().mid(1), dialogs);
        if (!dialogs.isEmpty()) {
            QCOMPARE(int(m_dialogs->calls().last().type), type);
            QCOMPARE(m_dialogs->calls().last().buttons, nivo::TMsgDlgButtons{nivo::mbOK});
        }
        QVERIFY(idleUnderDialog);
        QVERIFY(screen.resendButton()->isEnabled());
        const bool resent = type == nivo::mtInformation;
        QCOMPARE(screen.page(), resent ? u"TabItem1"_s : u"TabItem2"_s);
        QCOMPARE(screen.messageRequests(), resent ? 2 : 1);
    }

    void resend_successClosedWithOk_reloadsWithDrawerFilter()
    {
        Screen screen({Message(u"m-1"_s, u"Pedido"_s)});
        QVERIFY(screen.settle());
        QTest::mouseClick(screen.find<QCheckBox>("ListBoxItemPendente"), Qt::LeftButton);
        screen.clickRow(0);
        screen.service.enqueue(ResendReply({Verdict(u"sucesso"_s, u"Reenviada."_s)}));
        screen.service.enqueue(Items(Messages(2)));
        m_dialogs->answer(nivo::mrYes);

        screen.click(screen.resendButton());
        QTRY_COMPARE(screen.messageRequests(), 2);
        QVERIFY(screen.settle());

        QCOMPARE(screen.page(), u"TabItem1"_s);
        QCOMPARE(screen.list()->model()->rowCount(), 2);
        const QUrlQuery reload(QString::fromLatin1(screen.service.requests().last().query()));
        QCOMPARE(reload.queryItemValue(u"listarPendente"_s), u"true"_s);
        QCOMPARE(reload.queryItemValue(u"listarErro"_s), u"true"_s);
    }

    void pull_onTheList_reloadsOnlyAtTheLimit_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("scrolled");
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<int>("height");
        QTest::addColumn<qreal>("angle");
        QTest::addColumn<int>("reloads");
        QTest::newRow("30 units") << 3 << 0 << QList<int>{30} << 30 << qreal(60) << 0;
        QTest::newRow("80 units, held at 50") << 3 << 0 << QList<int>{80} << 50 << qreal(0) << 1;
        QTest::newRow("past 50 and back to 40") << 3 << 0 << QList<int>{60, 40} << 40 << qreal(80) << 0;
        QTest::newRow("empty list") << 0 << 0 << QList<int>{80} << 50 << qreal(0) << 1;
        QTest::newRow("first row partly hidden") << 40 << 10 << QList<int>{80} << 0 << qreal(0) << 0;
    }
    void pull_onTheList_reloadsOnlyAtTheLimit()
    {
        QFETCH(int, rows);
        QFETCH(int, scrolled);
        QFETCH(QList<int>, moves);
        QFETCH(int, height);
        QFETCH(qreal, angle);
        QFETCH(int, reloads);
        Screen screen(Messages(rows));
        QVERIFY(screen.settle());
        QVERIFY(QTest::qWaitForWindowExposed(&screen.form));
        m_dialogs->clear();
        screen.list()->verticalScrollBar()->setValue(scrolled);
        screen.service.enqueue(Items(Messages(1)));

        screen.pull(moves);
        QCOMPARE(screen.pullArea()->height(), height);
        QCOMPARE(screen.find<RotatedSvgIcon>("imgRefresh")->angle(), angle);
        screen.release();
        QTRY_COMPARE(screen.pullArea()->height(), 0);
        QVERIFY(screen.settle());

        QCOMPARE(screen.messageRequests(), 1 + reloads);
        QCOMPARE(screen.page(), u"TabItem1"_s);
        QVERIFY(m_dialogs->calls().isEmpty());
    }

    void backKey_onEachPage_stepsBack_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("after");
        QTest::newRow("payload page: to the details") << u"TabItem3"_s << u"TabItem2"_s;
        QTest::newRow("details page: to the list") << u"TabItem2"_s << u"TabItem1"_s;
    }
    void backKey_onEachPage_stepsBack()
    {
        QFETCH(QString, page);
        QFETCH(QString, after);
        Screen screen({Message(u"m-1"_s, u"Pedido"_s)});
        QVERIFY(screen.settle());
        screen.clickRow(0);
        if (page == u"TabItem3"_s)
            screen.click(screen.find<AccessoryRow>("ListBoxItem3"));
        QTRY_VERIFY(!screen.pages()->isSliding());

        screen.back();

        QCOMPARE(screen.page(), after);
        QVERIFY(screen.pages()->isSliding());
        if (after == u"TabItem1"_s)
            QCOMPARE(screen.form.SelectedMessageKey(), QString());
        QVERIFY(m_dialogs->calls().isEmpty());
    }

    void backKey_onList_clearsSearchThenAsksToClose()
    {
        Screen screen({Message(u"m-1"_s, u"Pedido"_s)});
        QVERIFY(screen.settle());
        auto *search = screen.find<QLineEdit>("SearchBox1");
        QTest::mouseClick(screen.find<QToolButton>("btnSearchVisible"), Qt::LeftButton);
        QTest::keyClicks(search, u"zzz"_s);
        QCOMPARE(screen.list()->model()->rowCount(), 0);

        QTest::keyClick(search, Qt::Key_Escape);
        QVERIFY(search->isHidden());
        QVERIFY(search->text().isEmpty());
        QCOMPARE(screen.list()->model()->rowCount(), 1);
        QVERIFY(m_dialogs->calls().isEmpty());

        m_dialogs->answer(nivo::mrNo);
        screen.back();
        QCOMPARE(m_dialogs->texts(), QStringList{CloseQuestion});
        QCOMPARE(m_dialogs->calls().first().type, nivo::mtConfirmation);
        QCOMPARE(m_dialogs->calls().first().buttons, (nivo::TMsgDlgButtons{nivo::mbYes, nivo::mbNo}));
        QCOMPARE(m_dialogs->calls().first().defaultButton, nivo::mbNo);
        QVERIFY(screen.form.isVisible());

        m_dialogs->answer(nivo::mrYes);
        screen.back();
        QVERIFY(!screen.form.isVisible());
    }

    // The press closed a pop-up (or went to another window): its release is not a Back of this form.
    void backKey_releaseWithoutPress_isLeftAlone()
    {
        Screen screen({Message(u"m-1"_s, u"Pedido"_s)});
        QVERIFY(screen.settle());

        QTest::keyRelease(&screen.form, Qt::Key_Escape);

        QVERIFY(m_dialogs->calls().isEmpty());
        QVERIFY(screen.form.isVisible());
    }

private:
    std::shared_ptr<ScriptedDialogService> m_dialogs;
};

QTEST_MAIN(MessageDetailsTest)
#include "MessageDetailsTest.moc"
