#include "LoopbackService.h"
#include "ScriptedDialogService.h"
#include "ServiceTexts.h"
#include "TestEnvironment.h"

#include "monitor/OrvelForm.h"
#include "widgets/BusyIndicator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(HttpReply)

namespace {

const QString NoRecords = u"Nenhum registro encontrado."_s;
const QString SessionExpired = u"Sessão expirada. Efetue nova conexão."_s;

HttpReply Items(const QJsonArray &items, int status = 200)
{
    return HttpReply::json(status, QJsonDocument(QJsonObject{{u"items"_s, items}}).toJson(QJsonDocument::Compact));
}

HttpReply Applications(const QList<std::pair<QString, QString>> &idsAndNames)
{
    QJsonArray items;
    for (const auto &[id, name] : idsAndNames)
        items.append(QJsonObject{{u"eea_id"_s, id}, {u"eea_name"_s, name}, {u"eea_address_base"_s, u"http://x"_s}});
    return Items(items);
}

QJsonObject Message(const QString &id, const QString &description, const QString &key, const QString &imageIndex,
                    const QString &send = u"2020-10-10T13:00:00.000Z"_s, const QString &response = QString())
{
    return QJsonObject{{u"em_id"_s, id},
                       {u"et_description"_s, description},
                       {u"es_key"_s, key},
                       {u"imageIndex"_s, imageIndex},
                       {u"em_dt_send"_s, send},
                       {u"em_dt_response"_s, response},
                       {u"em_message_send"_s, u"<a/>"_s}};
}

HttpReply Messages(const QStringList &descriptions)
{
    QJsonArray items;
    for (const QString &d : descriptions)
        items.append(Message(u"id-"_s + d, d, u"key-"_s + d, u"1"_s));
    return Items(items);
}

QString QueryValue(const HttpRequest &request, const QString &name)
{
    return QUrlQuery(QString::fromLatin1(request.query())).queryItemValue(name, QUrl::FullyDecoded);
}

QString Iso(const QDate &date)
{
    return date.toString(u"yyyy-MM-dd"_s);
}

// The monitor screen against its own stand-in service, shown as after a sign-in.
class Screen
{
public:
    Screen()
    {
        service.useAsServiceAddress();
        form.setWindowState(Qt::WindowNoState);
        form.resize(1000, 700);
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
    QComboBox *selector() { return find<QComboBox>("ComboBox1"); }
    BusyIndicator *indicator() { return find<BusyIndicator>("AniIndicator2"); }
    QCheckBox *status(const char *name) { return find<QCheckBox>(name); }

    // A shown row's value of a row style part, read by the part's name.
    QVariant part(int row, const QByteArray &name)
    {
        QAbstractItemModel *model = list()->model();
        return model->index(row, 0).data(model->roleNames().key(name));
    }

    QStringList texts()
    {
        QStringList shown;
        for (int i = 0; i < list()->model()->rowCount(); ++i)
            shown.append(part(i, "text").toString());
        return shown;
    }

    // Waits until no load runs any more, and lets a load that should not have started show itself.
    bool settle()
    {
        if (!QTest::qWaitFor([this] { return indicator()->isHidden(); }, 10000))
            return false;
        QTest::qWait(100);
        return indicator()->isHidden();
    }

    void apply() { QTest::mouseClick(find<QPushButton>("btnAplicarFiltros"), Qt::LeftButton); }

    QList<HttpRequest> requests() const { return service.requests(); }

    LoopbackService service;
    TfrmOrvel form;
};

} // namespace

class MonitorFormTest : public QObject
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

    void show_threeApplications_fillsSelectorInOrderAndLoadsFirstOnceWithStartFilter()
    {
        Screen screen;
        screen.service.enqueue(Applications({{u"7"_s, u"Gama"_s}, {u"3"_s, u"Alfa"_s}, {u"5"_s, u"Beta"_s}}));
        screen.service.enqueue(Messages({u"Nota"_s}));

        screen.form.show();
        QVERIFY(screen.indicator()->isVisible());
        QVERIFY(screen.settle());

        QComboBox *selector = screen.selector();
        QCOMPARE(selector->count(), 3);
        QCOMPARE((QStringList{selector->itemText(0), selector->itemText(1), selector->itemText(2)}),
                 (QStringList{u"Gama"_s, u"Alfa"_s, u"Beta"_s}));
        QCOMPARE(selector->currentIndex(), 0);

        QVERIFY(!screen.status("ListBoxItemPendente")->isChecked());
        QVERIFY(!screen.status("ListBoxItemSucesso")->isChecked());
        QVERIFY(screen.status("ListBoxItemErro")->isChecked());
        QVERIFY(screen.find<QRadioButton>("rbDataEnvio")->isChecked());
        const QDate today = QDate::currentDate();
        QCOMPARE(screen.find<QDateEdit>("DateEdit1")->date(), today.addDays(-5));
        QCOMPARE(screen.find<QDateEdit>("DateEdit2")->date(), today);

        const QList<HttpRequest> requests = screen.requests();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests[0].path(), "/api/nivo/eai/monitor/v1/external-applications"_ba);
        QCOMPARE(requests[1].path(), "/api/nivo/eai/monitor/v1/messages"_ba);
        const HttpRequest &list = requests[1];
        QCOMPARE(QueryValue(list, u"externalApplicationCode"_s), u"7"_s);
        QCOMPARE(QueryValue(list, u"listarPendente"_s), u"false"_s);
        QCOMPARE(QueryValue(list, u"listarSucesso"_s), u"false"_s);
        QCOMPARE(QueryValue(list, u"listarErro"_s), u"true"_s);
        QCOMPARE(QueryValue(list, u"periodoInicial"_s), Iso(today.addDays(-5)) + u"T00:00:00.000Z"_s);
        QCOMPARE(QueryValue(list, u"periodoFinal"_s), Iso(today) + u"T23:59:59.000Z"_s);
        QCOMPARE(QueryValue(list, u"order"_s), u"-(NULL_FIRST)em_dt_send"_s);

        QCOMPARE(screen.texts(), QStringList{u"Nota"_s});
        QVERIFY(m_dialogs->calls().isEmpty());
    }

    void selectorChange_whileIdle_reloadsOnceWithFirstMatchingCode_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        QTest::newRow("same name in capitals sends the first one's code") << 1 << u"10"_s;
        QTest::newRow("another name sends its own code") << 2 << u"30"_s;
    }
    void selectorChange_whileIdle_reloadsOnceWithFirstMatchingCode()
    {
        QFETCH(int, index);
        QFETCH(QString, code);
        Screen screen;
        screen.service.enqueue(Applications({{u"10"_s, u"Alfa"_s}, {u"20"_s, u"ALFA"_s}, {u"30"_s, u"Beta"_s}}));
        screen.service.enqueue(Messages({u"Nota"_s}));
        screen.form.show();
        QVERIFY(screen.settle());
        QCOMPARE(QueryValue(screen.requests().last(), u"externalApplicationCode"_s), u"10"_s);

        screen.service.enqueue(Messages({u"Pedido"_s}));
        screen.selector()->setCurrentIndex(index);
        QVERIFY(screen.settle());

        QCOMPARE(screen.requests().size(), 3);
        QCOMPARE(QueryValue(screen.requests().last(), u"externalApplicationCode"_s), code);
        QCOMPARE(screen.texts(), QStringList{u"Pedido"_s});
    }

    void selectorChange_whileLoadRuns_startsNoneAndNextLoadUsesIt()
    {
        Screen screen;
        screen.service.enqueue(Applications({{u"10"_s, u"Alfa"_s}, {u"30"_s, u"Beta"_s}}));
        screen.service.enqueue(Messages({u"Nota"_s}));
        screen.form.show();
        QVERIFY(screen.settle());

        HttpReply slow = Messages({u"Pedido"_s});
        slow.delay = 300ms;
        screen.service.enqueue(slow);
        screen.apply();
        QVERIFY(screen.indicator()->isVisible());
        screen.selector()->setCurrentIndex(1);
        QVERIFY(screen.settle());
        QCOMPARE(screen.requests().size(), 3);
        QCOMPARE(QueryValue(screen.requests().last(), u"externalApplicationCode"_s), u"10"_s);

        screen.service.enqueue(Messages({u"Boleto"_s}));
        screen.apply();
        QVERIFY(screen.settle());
        QCOMPARE(screen.requests().size(), 4);
        QCOMPARE(QueryValue(screen.requests().last(), u"externalApplicationCode"_s), u"30"_s);
        QCOMPARE(screen.texts(), QStringList{u"Boleto"_s});
    }

    void show_applicationsFailOrNone_skipsListLoad_data()
    {
        QTest::addColumn<HttpReply>("reply");
        QTest::addColumn<QStringList>("dialogs");
        QTest::newRow("no application") << Items({}) << QStringList{};
        QTest::newRow("service error") << HttpReply::json(500, "{}") << QStringList{SessionExpired};
        QTest::newRow("no items member") << HttpReply::json(200, R"({"x": 1})") << QStringList{SessionExpired};
    }
    void show_applicationsFailOrNone_skipsListLoad()
    {
        QFETCH(HttpReply, reply);
        QFETCH(QStringList, dialogs);
        Screen screen;
        screen.service.enqueue(reply);

        screen.form.show();
        QVERIFY(screen.settle());

        QCOMPARE(screen.selector()->count(), 0);
        QCOMPARE(screen.requests().size(), 1);
        QCOMPARE(m_dialogs->texts(), dialogs);
    }

    void load_reply_givesRowsAndWarnings_data()
    {
        QTest::addColumn<HttpReply>("reply");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("dialogs");
        const QJsonObject good1 = Message(u"1"_s, u"Primeira"_s, u"K1"_s, u"1"_s);
        const QJsonObject good3 = Message(u"3"_s, u"Terceira"_s, u"K3"_s, u"2"_s);
        QTest::newRow("empty items") << Items({}) << QStringList{} << QStringList{NoRecords};
        QTest::newRow("empty body") << HttpReply::json(200, "") << QStringList{} << QStringList{NoRecords};
        QTest::newRow("401 with empty items") << Items({}, 401) << QStringList{} << QStringList{NoRecords};
        QTest::newRow("no items member") << HttpReply::json(200, R"({"message": "negado"})") << QStringList{}
                                         << QStringList{SessionExpired};
        QTest::newRow("server error") << HttpReply::json(503, "{}") << QStringList{} << QStringList{SessionExpired};
        QTest::newRow("not json") << HttpReply::json(200, "<html></html>") << QStringList{}
                                  << QStringList{SessionExpired};
        QTest::newRow("date not iso stops silently")
            << Items({good1, Message(u"2"_s, u"Segunda"_s, u"K2"_s, u"1"_s, u"10/10/2020 10:00"_s), good3})
            << QStringList{u"Primeira"_s} << QStringList{};
        QTest::newRow("imageIndex not integer stops silently")
            << Items({good1, Message(u"2"_s, u"Segunda"_s, u"K2"_s, u"erro"_s), good3}) << QStringList{u"Primeira"_s}
            << QStringList{};
        QTest::newRow("imageIndex empty stops silently")
            << Items({good1, good3, Message(u"2"_s, u"Segunda"_s, u"K2"_s, QString())})
            << QStringList{u"Primeira"_s, u"Terceira"_s} << QStringList{};
    }
    void load_reply_givesRowsAndWarnings()
    {
        QFETCH(HttpReply, reply);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, dialogs);
        Screen screen;
        screen.service.enqueue(Applications({{u"1"_s, u"Alfa"_s}}));
        screen.service.enqueue(reply);

        screen.form.show();
        QVERIFY(screen.settle());

        QCOMPARE(screen.texts(), rows);
        QCOMPARE(m_dialogs->texts(), dialogs);
        for (const auto &call : m_dialogs->calls()) {
            QCOMPARE(call.type, nivo::mtWarning);
            QCOMPARE(call.buttons, nivo::TMsgDlgButtons{nivo::mbOK});
            QCOMPARE(call.defaultButton, nivo::mbOK);
        }
        QCOMPARE(screen.find<QStackedWidget>("TabControl1")->currentWidget()->objectName(), u"TabItem1"_s);
        QCOMPARE(screen.requests().size(), 2);
    }

    void load_records_makeRowsWithStatusDatesAndKey()
    {
        Screen screen;
        screen.service.enqueue(Applications({{u"1"_s, u"Alfa"_s}}));
        screen.service.enqueue(Items({
            Message(u"m-1"_s, u"Envio de pedido"_s, u"PED-1"_s, u"0"_s, u"2020-10-10T21:30:15.000-03:00"_s, QString()),
            Message(u"m-2"_s, u"Envio de nota"_s, u"NF-2"_s, u"3"_s, u"2020-10-10T00:00:00.000Z"_s,
                    u"2020-10-10T00:00:05Z"_s),
            Message(QString(), u"Aguardando"_s, u"X-3"_s, u"2"_s, QString(), QString()),
        }));

        screen.form.show();
        QVERIFY(screen.settle());

        QCOMPARE(screen.list()->model()->rowCount(), 3);
        const QList<QByteArray> parts{"text", "detail", "detailtop", "responsedate", "messageKey", "imageIndex"};
        const QList<QVariantList> expected{
            {u"Envio de pedido"_s, u"PED-1"_s, u"11/10/2020 00:30:15"_s, QString(), u"m-1"_s, 0},
            {u"Envio de nota"_s, u"NF-2"_s, u"10/10/2020"_s, u"10/10/2020 00:00:05"_s, u"m-2"_s, 3},
            {u"Aguardando"_s, u"X-3"_s, QString(), QString(), QString(), 2},
        };
        for (int row = 0; row < expected.size(); ++row) {
            for (int p = 0; p < parts.size(); ++p)
                QCOMPARE(screen.part(row, parts[p]).toString(), expected[row][p].toString());
        }
        QVERIFY(m_dialogs->calls().isEmpty());

        QListView *list = screen.list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
        QCOMPARE(screen.form.SelectedMessageKey(), u"m-2"_s);
    }

    void apply_withRowsShown_emptiesListFirstAndSendsChangedFilter()
    {
        Screen screen;
        screen.service.enqueue(Applications({{u"1"_s, u"Alfa"_s}}));
        screen.service.enqueue(Messages({u"Nota"_s, u"Pedido"_s}));
        screen.form.show();
        QVERIFY(screen.settle());

        QTest::mouseClick(screen.status("ListBoxItemPendente"), Qt::LeftButton);
        QTest::mouseClick(screen.status("ListBoxItemSucesso"), Qt::LeftButton);
        QTest::mouseClick(screen.status("ListBoxItemErro"), Qt::LeftButton);
        QTest::mouseClick(screen.find<QRadioButton>("rbDataResposta"), Qt::LeftButton);
        screen.find<QDateEdit>("DateEdit1")->setDate(QDate(2020, 10, 10));
        screen.find<QDateEdit>("DateEdit2")->setDate(QDate(2020, 10, 15));
        QVERIFY(screen.settle());
        QCOMPARE(screen.requests().size(), 2);
        QCOMPARE(screen.texts().size(), 2);

        HttpReply slow = Messages({u"Boleto"_s});
        slow.delay = 300ms;
        screen.service.enqueue(slow);
        screen.apply();
        QCOMPARE(screen.list()->model()->rowCount(), 0);
        QVERIFY(screen.indicator()->isVisible());
        QVERIFY(screen.settle());

        QCOMPARE(screen.texts(), QStringList{u"Boleto"_s});
        const HttpRequest list = screen.requests().last();
        QCOMPARE(QueryValue(list, u"listarPendente"_s), u"true"_s);
        QCOMPARE(QueryValue(list, u"listarSucesso"_s), u"true"_s);
        QCOMPARE(QueryValue(list, u"listarErro"_s), u"false"_s);
        QCOMPARE(QueryValue(list, u"periodoInicial"_s), u"2020-10-10T00:00:00.000Z"_s);
        QCOMPARE(QueryValue(list, u"periodoFinal"_s), u"2020-10-15T23:59:59.000Z"_s);
        QCOMPARE(QueryValue(list, u"order"_s), u"-(NULL_FIRST)em_dt_response"_s);
        QVERIFY(screen.find<QWidget>("MultiView1")->isVisible());
    }

    // The older load's reply comes after the newer load started: it must not reach the screen.
    void apply_twice_olderResultIsDropped()
    {
        Screen screen;
        screen.service.enqueue(Applications({{u"1"_s, u"Alfa"_s}}));
        screen.service.enqueue(Messages({u"Nota"_s}));
        screen.form.show();
        QVERIFY(screen.settle());

        HttpReply older = Items({});
        older.delay = 300ms;
        screen.service.enqueue(older);
        screen.service.enqueue(Messages({u"Nova"_s}));
        screen.apply();
        QTRY_COMPARE(screen.requests().size(), 3);
        screen.apply();
        QTRY_COMPARE(screen.requests().size(), 4);
        QVERIFY(screen.settle());
        QTest::qWait(400);

        QCOMPARE(screen.texts(), QStringList{u"Nova"_s});
        QVERIFY(m_dialogs->calls().isEmpty());
        QVERIFY(screen.indicator()->isHidden());
    }

    void status_untick_keepsOneTickedWithoutReload_data()
    {
        QTest::addColumn<QStringList>("tickFirst");
        QTest::addColumn<QString>("untick");
        QTest::addColumn<bool>("warned");
        QTest::newRow("the only ticked status") << QStringList{} << u"ListBoxItemErro"_s << true;
        QTest::newRow("one of two") << QStringList{u"ListBoxItemSucesso"_s} << u"ListBoxItemErro"_s << false;
        QTest::newRow("pendente while sucesso is ticked")
            << QStringList{u"ListBoxItemPendente"_s, u"ListBoxItemSucesso"_s} << u"ListBoxItemPendente"_s << false;
    }
    void status_untick_keepsOneTickedWithoutReload()
    {
        QFETCH(QStringList, tickFirst);
        QFETCH(QString, untick);
        QFETCH(bool, warned);
        Screen screen;
        screen.service.enqueue(Applications({{u"1"_s, u"Alfa"_s}}));
        screen.service.enqueue(Messages({u"Nota"_s}));
        screen.form.show();
        QVERIFY(screen.settle());
        for (const QString &name : tickFirst)
            QTest::mouseClick(screen.status(name.toLatin1().constData()), Qt::LeftButton);

        QCheckBox *item = screen.status(untick.toLatin1().constData());
        QTest::mouseClick(item, Qt::LeftButton);
        QVERIFY(screen.settle());

        if (warned) {
            QCOMPARE(m_dialogs->texts(), QStringList{u"Ao menos um item de filtro deve estar selecionado."_s});
            QCOMPARE(m_dialogs->calls().first().type, nivo::mtWarning);
            QCOMPARE(m_dialogs->calls().first().buttons, nivo::TMsgDlgButtons{nivo::mbOK});
        } else {
            QVERIFY(m_dialogs->calls().isEmpty());
        }
        QCOMPARE(item->isChecked(), warned);
        QCOMPARE(screen.requests().size(), 2);
        QCOMPARE(screen.texts(), QStringList{u"Nota"_s});
    }

    void search_typedText_narrowsRowsAndStaysWhenBoxHidden()
    {
        Screen screen;
        screen.service.enqueue(Applications({{u"1"_s, u"Alfa"_s}}));
        screen.service.enqueue(Items({Message(u"1"_s, u"Nota ABC"_s, u"NF-1"_s, u"1"_s),
                                      Message(u"2"_s, u"Pedido"_s, u"ped-abc-2"_s, u"1"_s),
                                      Message(u"3"_s, u"Boleto"_s, u"B-3"_s, u"1"_s)}));
        screen.form.show();
        QVERIFY(screen.settle());
        auto *search = screen.find<QLineEdit>("SearchBox1");
        auto *button = screen.find<QToolButton>("btnSearchVisible");
        QVERIFY(search->isHidden());

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(search->isVisible());
        QTest::keyClicks(search, u"aBc"_s);
        QCOMPARE(screen.texts(), (QStringList{u"Nota ABC"_s, u"Pedido"_s}));

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(search->isHidden());
        QCOMPARE(search->text(), u"aBc"_s);
        QCOMPARE(screen.texts(), (QStringList{u"Nota ABC"_s, u"Pedido"_s}));

        QTest::mouseClick(button, Qt::LeftButton);
        search->clear();
        QTest::keyClicks(search, u"   "_s);
        QCOMPARE(screen.texts(), (QStringList{u"Nota ABC"_s, u"Pedido"_s, u"Boleto"_s}));
        QCOMPARE(screen.requests().size(), 2);
    }

private:
    std::shared_ptr<ScriptedDialogService> m_dialogs;
};

QTEST_MAIN(MonitorFormTest)
#include "MonitorFormTest.moc"
