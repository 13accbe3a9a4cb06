#include "LoopbackService.h"
#include "ScriptedDialogService.h"
#include "ServiceTexts.h"
#include "TestEnvironment.h"

#include "login/LoginForm.h"
#include "rest/BaseUrl.h"
#include "rest/KeyAuthentication.h"
#include "rest/MonitorApi.h"
#include "settings/DataModuleConfig.h"
#include "settings/NivoRC4.h"
#include "settings/SettingsPaths.h"
#include "widgets/BusyIndicator.h"
#include "widgets/CollapsiblePanel.h"
#include "widgets/SvgImage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTcpServer>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace nivo;
using namespace std::chrono_literals;

namespace {

const QString CipherKey = u"Kq7!mZ#p3Lw&Xv9*Rb2%Hn5^Jd8+"_s;
const QString Placeholder = QString::fromUtf16(KeyAuthenticationPlaceholder);

using Row = QVariantList;

// The settings file read and written behind the screen's back, as another program would.
class SettingsFile final
{
public:
    SettingsFile()
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        db.setDatabaseName(SettingsFilePath());
        db.open();
    }
    ~SettingsFile()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }

    QList<Row> rows(const QString &table) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        query.exec(u"select * from "_s + table);
        QList<Row> rows;
        while (query.next()) {
            Row row;
            for (int i = 0; i < query.record().count(); ++i)
                row.append(query.value(i));
            rows.append(row);
        }
        return rows;
    }

    void insert(const QString &table, const Row &values) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        query.prepare(u"insert into "_s + table + u" values (?, ?)"_s);
        for (const QVariant &v : values)
            query.addBindValue(v.isNull() ? QVariant(QMetaType::fromType<QString>()) : v);
        QVERIFY(query.exec());
    }

private:
    QString m_name = u"raw-settings"_s;
};

QVariant null()
{
    return QVariant(QMetaType::fromType<QString>());
}

// One start of the program as far as the sign-in screen goes: the settings module, then the form, shown.
class Start final
{
public:
    enum Store { StoreOpen, StoreUnavailable };

    explicit Start(Store store = StoreOpen)
    {
        if (store == StoreOpen)
            config.DataModuleCreate();
        form = std::make_unique<TfrmLogin>(config);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    template<typename T>
    T *get(const QString &name) const
    {
        T *child = form->findChild<T *>(name);
        if (!child)
            qFatal("no control %s", qPrintable(name));
        return child;
    }

    QLineEdit *edit(const QString &name) const { return get<QLineEdit>(name); }
    QPushButton *button() const { return get<QPushButton>(u"LoginRectBTN"_s); }
    QCheckBox *box() const { return get<QCheckBox>(u"cbSalvarLoginSenha"_s); }
    CollapsiblePanel *panel() const { return get<CollapsiblePanel>(u"ConfigHostLayout"_s); }

    void expandPanel() const { QTest::mouseClick(get<SvgImage>(u"DownImage"_s), Qt::LeftButton); }

    // Types into a field as a user does: click into it first, then the keys.
    void type(const QString &name, const QString &text) const
    {
        QLineEdit *field = edit(name);
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(field, text);
    }

    void fill(const QString &host, const QString &port, const QString &user, const QString &password) const
    {
        edit(u"HostEdit"_s)->setText(host);
        edit(u"PortEdit"_s)->setText(port);
        edit(u"UsernameEdit"_s)->setText(user);
        edit(u"PasswordEdit"_s)->setText(password);
    }

    void signIn() const { QTest::mouseClick(button(), Qt::LeftButton); }

    TDataModuleConfig config;
    std::unique_ptr<TfrmLogin> form;
};

QString portOf(const LoopbackService &service)
{
    return QString::number(service.port());
}

QByteArray valueReply(const QString &value)
{
    return R"({"value": ")"_ba + value.toUtf8() + R"("})"_ba;
}

} // namespace

class LoginFormTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void init()
    {
        ResetServiceTexts();
        m_profile = std::make_unique<TemporaryProfile>();
        m_dialogs = ScriptedDialogService::install();
    }

    void cleanup()
    {
        ScriptedDialogService::uninstall();
        m_dialogs.reset();
        m_profile.reset();
        ResetServiceTexts();
    }

    void firstStart_showsEmptyScreenWithPanelClosed()
    {
        Start start;
        for (const QString &name : {u"HostEdit"_s, u"PortEdit"_s, u"UsernameEdit"_s, u"PasswordEdit"_s})
            QVERIFY2(start.edit(name)->text().isEmpty(), qPrintable(name));
        QVERIFY(!start.box()->isChecked());
        QCOMPARE(start.panel()->height(), 34);
        QVERIFY(start.get<SvgImage>(u"DownImage"_s)->isVisible());
        QVERIFY(!start.get<SvgImage>(u"UpImage"_s)->isVisible());
        // The closed panel cuts the fields off: they lie below its bottom edge.
        QVERIFY(start.edit(u"HostEdit"_s)->mapTo(start.panel(), QPoint(0, 0)).y() >= 34);
        QVERIFY(!start.get<BusyIndicator>(u"AniIndicator2"_s)->isVisible());
        QVERIFY(start.button()->isEnabled());
        QCOMPARE(start.form->windowTitle(), u"Orvel - Login"_s);
        for (const QString &name : {u"DownImage"_s, u"UpImage"_s, u"LogoImage"_s, u"UserImage"_s, u"LockImage"_s})
            QVERIFY2(start.get<SvgImage>(name)->isValid(), qPrintable(name));
        QTest::qWait(0);
        QVERIFY(m_dialogs->calls().isEmpty());
    }

    void settingsStoreUnavailable_errorsAreShownAndTheScreenStaysUsable()
    {
        Start start(Start::StoreUnavailable);
        QTRY_COMPARE(m_dialogs->calls().size(), 1);
        QCOMPARE(m_dialogs->calls().first().type, mtError);

        start.expandPanel();
        start.type(u"HostEdit"_s, u"srv"_s);
        QTest::keyClick(start.edit(u"HostEdit"_s), Qt::Key_Tab);
        QTest::keyClicks(start.edit(u"PortEdit"_s), u"8080"_s);
        QTest::keyClick(start.edit(u"PortEdit"_s), Qt::Key_Tab);
        QTRY_COMPARE(m_dialogs->calls().size(), 2);
        QCOMPARE(m_dialogs->calls().last().type, mtError);
        QVERIFY(start.edit(u"UsernameEdit"_s)->hasFocus());
        QCOMPARE(start.edit(u"HostEdit"_s)->text(), u"srv"_s);
    }

    void fields_takeWhatTheyShould()
    {
        Start start;
        start.type(u"UsernameEdit"_s, u"123456789012"_s);
        QCOMPARE(start.edit(u"UsernameEdit"_s)->text(), u"12345678901"_s);
        QVERIFY(start.edit(u"UsernameEdit"_s)->inputMethodHints() & Qt::ImhDigitsOnly);
        QVERIFY(start.edit(u"PortEdit"_s)->inputMethodHints() & Qt::ImhDigitsOnly);
        QCOMPARE(start.edit(u"PasswordEdit"_s)->echoMode(), QLineEdit::Password);
        QCOMPARE(start.edit(u"HostEdit"_s)->placeholderText(), u"Ip ou hostname da aplicação"_s);
        QCOMPARE(start.edit(u"PortEdit"_s)->placeholderText(), u"Porta"_s);
        QCOMPARE(start.edit(u"UsernameEdit"_s)->placeholderText(), u"Usuário"_s);
        QCOMPARE(start.edit(u"PasswordEdit"_s)->placeholderText(), u"Senha"_s);
        QCOMPARE(start.box()->text(), u"Salvar usuário e senha no dispositivo"_s);
        QCOMPARE(start.button()->text(), u"Entrar"_s);
    }

    void panel_opensAndClosesWithItsAnimation()
    {
        Start start;
        auto *down = start.get<SvgImage>(u"DownImage"_s);
        auto *up = start.get<SvgImage>(u"UpImage"_s);
        auto *animation = start.form->findChild<QPropertyAnimation *>(u"HostLayoutFloatAnimation"_s);
        QVERIFY(animation);
        QCOMPARE(animation->duration(), 200);
        QCOMPARE(animation->easingCurve().type(), QEasingCurve::InQuad);

        start.expandPanel();
        QVERIFY(!down->isVisible());
        QVERIFY(up->isVisible());
        QCOMPARE(animation->startValue().toInt(), 34);
        QCOMPARE(animation->endValue().toInt(), 138);
        QTRY_COMPARE(start.panel()->height(), 138);
        QVERIFY(start.edit(u"PortEdit"_s)->geometry().bottom() < 138);

        // Closing while it still opens starts again from the open height.
        start.panel()->setPanelHeight(34);
        start.expandPanel();
        QTest::mouseClick(up, Qt::LeftButton);
        QVERIFY(down->isVisible());
        QVERIFY(!up->isVisible());
        QCOMPARE(start.panel()->height(), 138);
        QTRY_COMPARE(start.panel()->height(), 34);

        // Every show closes it again at once.
        start.expandPanel();
        start.form->hide();
        start.form->show();
        QCOMPARE(start.panel()->height(), 34);
        QCOMPARE(animation->state(), QAbstractAnimation::Stopped);
        QVERIFY(down->isVisible());
    }

    void address_isSavedOnLeavingAFieldOnceBothAreFilled()
    {
        {
            Start start;
            SettingsFile file;
            start.expandPanel();
            start.type(u"HostEdit"_s, u"srv-nivo  "_s);
            QTest::keyClick(start.edit(u"HostEdit"_s), Qt::Key_Tab);
            QVERIFY(start.edit(u"PortEdit"_s)->hasFocus());
            QVERIFY(file.rows(u"API_ACCESS_CONFIG"_s).isEmpty());

            QTest::keyClicks(start.edit(u"PortEdit"_s), u"8080"_s);
            QTest::keyClick(start.edit(u"PortEdit"_s), Qt::Key_Tab);
            QCOMPARE(file.rows(u"API_ACCESS_CONFIG"_s), (QList<Row>{{u"srv-nivo  "_s, u"8080"_s}}));

            // A later change overwrites the one row.
            start.type(u"PortEdit"_s, u"1"_s);
            start.edit(u"UsernameEdit"_s)->setFocus(Qt::MouseFocusReason);
            QCOMPARE(file.rows(u"API_ACCESS_CONFIG"_s), (QList<Row>{{u"srv-nivo  "_s, u"80801"_s}}));
        }
        Start next;
        QCOMPARE(next.edit(u"HostEdit"_s)->text(), u"srv-nivo  "_s);
        QCOMPARE(next.edit(u"PortEdit"_s)->text(), u"80801"_s);
    }

    void restore_fillsWhatIsRememberedAndReportsWhatCannotBeRead_data()
    {
        QTest::addColumn<QVariant>("storedUser");
        QTest::addColumn<QVariant>("storedPassword");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("error");

        const QVariant user = TNivoRC4::Encrypt(CipherKey, u"12345"_s);
        const QVariant password = TNivoRC4::Encrypt(CipherKey, u"Sênha "_s);
        QTest::newRow("both remembered") << user << password << u"12345"_s << u"Sênha "_s << true << false;
        QTest::newRow("nothing remembered") << null() << null() << QString() << QString() << false << false;
        QTest::newRow("no password") << user << null() << u"12345"_s << QString() << false << false;
        QTest::newRow("user in plain text") << QVariant(u"joão"_s) << password << QString() << u"Sênha "_s << false
                                            << true;
        QTest::newRow("password not hex") << user << QVariant(u"ZZ"_s) << u"12345"_s << QString() << false << true;
    }

    void restore_fillsWhatIsRememberedAndReportsWhatCannotBeRead()
    {
        QFETCH(QVariant, storedUser);
        QFETCH(QVariant, storedPassword);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(bool, ticked);
        QFETCH(bool, error);
        {
            TDataModuleConfig config;
            config.DataModuleCreate();
            SettingsFile file;
            file.insert(u"API_ACCESS_CONFIG"_s, {u"10.0.0.7"_s, u"9000"_s});
            file.insert(u"API_AUTHENTICATION"_s, {storedUser, storedPassword});
        }
        Start start;
        QCOMPARE(start.edit(u"HostEdit"_s)->text(), u"10.0.0.7"_s);
        QCOMPARE(start.edit(u"PortEdit"_s)->text(), u"9000"_s);
        QCOMPARE(start.edit(u"UsernameEdit"_s)->text(), user);
        QCOMPARE(start.edit(u"PasswordEdit"_s)->text(), password);
        QCOMPARE(start.box()->isChecked(), ticked);
        if (error) {
            QTRY_COMPARE(m_dialogs->calls().size(), 1);
            QCOMPARE(m_dialogs->calls().first().type, mtError);
        } else {
            QTest::qWait(0);
            QVERIFY(m_dialogs->calls().isEmpty());
        }
        // The screen goes on working.
        start.type(u"UsernameEdit"_s, u"9"_s);
        QVERIFY(start.edit(u"UsernameEdit"_s)->text().endsWith(u'9'));
        QVERIFY(start.button()->isEnabled());
    }

    void signIn_blankAddress_tellsHowToConfigure_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::newRow("no host") << QString() << u"8080"_s;
        QTest::newRow("host of blanks") << u"  \t"_s << u"8080"_s;
        QTest::newRow("port of blanks") << u"srv"_s << u" "_s;
    }

    void signIn_blankAddress_tellsHowToConfigure()
    {
        QFETCH(QString, host);
        QFETCH(QString, port);
        Start start;
        start.fill(host, port, u"12345"_s, u"senha"_s);
        start.signIn();

        QTRY_COMPARE(m_dialogs->calls().size(), 1);
        const auto call = m_dialogs->calls().first();
        QCOMPARE(call.text, u"Serviço não configurado. Acesse a opção Configurar serviço no topo da tela e configure o "
                            u"Ip e a porta de acesso ao serviço do Orvel do NIVO."_s);
        QCOMPARE(call.type, mtInformation);
        QCOMPARE(call.buttons, TMsgDlgButtons{mbOK});
        QCOMPARE(call.defaultButton, mbOK);
        QVERIFY(IpHost().isEmpty());
        QVERIFY(Port().isEmpty());
        QVERIFY(start.button()->isEnabled());
        QVERIFY(!start.get<BusyIndicator>(u"AniIndicator2"_s)->isVisible());
    }

    void signIn_blankCredentials_warnsWithTheAddressAlreadySet_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::newRow("no password") << u"12345"_s << QString();
        QTest::newRow("user of blanks") << u"   "_s << u"senha"_s;
    }

    void signIn_blankCredentials_warnsWithTheAddressAlreadySet()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        LoopbackService service;
        Start start;
        start.fill(u" srv "_s, u"8080"_s, user, password);
        start.signIn();

        QTRY_COMPARE(m_dialogs->calls().size(), 1);
        QCOMPARE(m_dialogs->calls().first().text, u"Informe o usuário e a senha para efetuar a autenticação"_s);
        QCOMPARE(m_dialogs->calls().first().type, mtWarning);
        QCOMPARE(IpHost(), u" srv "_s);
        QCOMPARE(Port(), u"8080"_s);
        QCOMPARE(KeyAuthentication(), Placeholder);
        QVERIFY(start.button()->isEnabled());
        QVERIFY(service.requests().isEmpty());
    }

    void signIn_reply_isJudgedByItsValue_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("valueShown");
        QTest::newRow("refusal in capitals") << valueReply(u"ACESSO NEGADO PELO SISTEMA"_s) << false
                                             << u"ACESSO NEGADO PELO SISTEMA"_s;
        QTest::newRow("refusal capitalised") << valueReply(u"Acesso Negado Pelo Sistema"_s) << false
                                             << u"Acesso Negado Pelo Sistema"_s;
        QTest::newRow("refusal plus full stop") << valueReply(u"acesso negado pelo sistema."_s) << true
                                                << u"acesso negado pelo sistema."_s;
        QTest::newRow("a key") << valueReply(u"Ab/9+x="_s) << true << u"Ab/9+x="_s;
        QTest::newRow("empty value") << valueReply(QString()) << true << QString();
        QTest::newRow("no value") << R"({"other": 1})"_ba << true << QString();
    }

    void signIn_reply_isJudgedByItsValue()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, accepted);
        QFETCH(QString, valueShown);
        LoopbackService service;
        service.enqueue(HttpReply::json(200, body));
        Start start;
        QSignalSpy signedIn(start.form.get(), &TfrmLogin::signedIn);
        start.fill(u"127.0.0.1"_s, portOf(service), u"12345"_s, u"senha"_s);
        start.signIn();

        if (accepted) {
            QTRY_COMPARE(signedIn.size(), 1);
            QCOMPARE(KeyAuthentication(), valueShown);
            QVERIFY(m_dialogs->calls().isEmpty());
            // The box was not ticked: the credentials row holds nothing.
            QCOMPARE(SettingsFile().rows(u"API_AUTHENTICATION"_s), (QList<Row>{{null(), null()}}));
        } else {
            QTRY_COMPARE(m_dialogs->calls().size(), 1);
            QCOMPARE(m_dialogs->calls().first().text, u"Falha na autenticação. Mensagem: "_s + valueShown);
            QCOMPARE(m_dialogs->calls().first().type, mtWarning);
            QCOMPARE(KeyAuthentication(), Placeholder);
            QCOMPARE(signedIn.size(), 0);
            QVERIFY(SettingsFile().rows(u"API_AUTHENTICATION"_s).isEmpty());
        }
        QVERIFY(start.button()->isEnabled());
        QVERIFY(!start.get<BusyIndicator>(u"AniIndicator2"_s)->isVisible());
        QCOMPARE(service.requests().size(), 1);
        QCOMPARE(service.requests().first().path(), "/api/nivo/authentication"_ba);
        QCOMPARE(service.requests().first().header("KeyAuthentication"), Placeholder.toUtf8());
    }

    void signIn_serviceUnreachable_failsAndCanBeTriedAgain()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString port = QString::number(closed.serverPort());
        closed.close();

        Start start;
        QSignalSpy signedIn(start.form.get(), &TfrmLogin::signedIn);
        start.fill(u"127.0.0.1"_s, port, u"12345"_s, u"senha"_s);
        for (int attempt = 1; attempt <= 2; ++attempt) {
            start.signIn();
            QTRY_COMPARE(m_dialogs->calls().size(), attempt);
            QCOMPARE(m_dialogs->calls().last().text, u"Falha na autenticação. Acesso não autorizado."_s);
            QCOMPARE(m_dialogs->calls().last().type, mtWarning);
            QVERIFY(start.button()->isEnabled());
        }
        QCOMPARE(KeyAuthentication(), Placeholder);
        QCOMPARE(signedIn.size(), 0);
        QVERIFY(SettingsFile().rows(u"API_AUTHENTICATION"_s).isEmpty());
    }

    void signIn_whileTheServiceIsSlow_screenStaysResponsiveAndTakesNoSecondClick()
    {
        LoopbackService service;
        HttpReply slow = HttpReply::json(200, valueReply(u"k1"_s));
        slow.delay = 1500ms;
        service.enqueue(slow);
        service.enqueue(HttpReply::json(200, valueReply(u"k2"_s)));
        Start start;
        QSignalSpy signedIn(start.form.get(), &TfrmLogin::signedIn);
        start.fill(u"127.0.0.1"_s, portOf(service), u"12345"_s, u"senha"_s);

        start.signIn();
        QVERIFY(!start.button()->isEnabled());
        QVERIFY(start.get<BusyIndicator>(u"AniIndicator2"_s)->isVisible());
        start.signIn();

        // The event loop runs while the reply is pending: the indicator turns and keys are typed.
        auto *indicator = start.get<BusyIndicator>(u"AniIndicator2"_s);
        const int angle = indicator->angle();
        QTRY_VERIFY(indicator->angle() != angle);
        start.type(u"PasswordEdit"_s, u"x"_s);
        QCOMPARE(start.edit(u"PasswordEdit"_s)->text(), u"senhax"_s);
        QCOMPARE(signedIn.size(), 0);

        QTRY_COMPARE(signedIn.size(), 1);
        QCOMPARE(KeyAuthentication(), u"k1"_s);
        QCOMPARE(service.requests().size(), 1);
        // The sign-in used the password as it stood at the click.
        QCOMPARE(service.requests().first().body, AuthenticationBody(u"12345"_s, u"senha"_s).toUtf8());
        QVERIFY(start.button()->isEnabled());
    }

    void signIn_accepted_remembersCredentialsOnlyWhenTicked_data()
    {
        QTest::addColumn<bool>("alreadyRemembered");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("ticked") << false << true;
        QTest::newRow("unticked") << false << false;
        QTest::newRow("unticked over remembered ones") << true << false;
    }

    void signIn_accepted_remembersCredentialsOnlyWhenTicked()
    {
        QFETCH(bool, alreadyRemembered);
        QFETCH(bool, ticked);
        if (alreadyRemembered) {
            TDataModuleConfig config;
            config.DataModuleCreate();
            SettingsFile().insert(u"API_AUTHENTICATION"_s, {TNivoRC4::Encrypt(CipherKey, u"999"_s),
                                                            TNivoRC4::Encrypt(CipherKey, u"velha"_s)});
        }
        LoopbackService service;
        service.enqueue(HttpReply::json(200, valueReply(u"k1"_s)));
        {
            Start start;
            QCOMPARE(start.box()->isChecked(), alreadyRemembered);
            start.expandPanel();
            start.type(u"HostEdit"_s, u"127.0.0.1"_s);
            QTest::keyClick(start.edit(u"HostEdit"_s), Qt::Key_Tab);
            QTest::keyClicks(start.edit(u"PortEdit"_s), portOf(service));
            QTest::keyClick(start.edit(u"PortEdit"_s), Qt::Key_Tab);
            start.edit(u"UsernameEdit"_s)->setText(u"12345678901"_s);
            start.edit(u"PasswordEdit"_s)->setText(u" Senha ç "_s);
            start.box()->setChecked(ticked);

            QSignalSpy signedIn(start.form.get(), &TfrmLogin::signedIn);
            start.signIn();
            QTRY_COMPARE(signedIn.size(), 1);
        }
        const QList<Row> expected{ticked ? Row{TNivoRC4::Encrypt(CipherKey, u"12345678901"_s),
                                               TNivoRC4::Encrypt(CipherKey, u" Senha ç "_s)}
                                         : Row{null(), null()}};
        QCOMPARE(SettingsFile().rows(u"API_AUTHENTICATION"_s), expected);

        Start next;
        QCOMPARE(next.edit(u"HostEdit"_s)->text(), u"127.0.0.1"_s);
        QCOMPARE(next.edit(u"PortEdit"_s)->text(), portOf(service));
        QCOMPARE(next.edit(u"UsernameEdit"_s)->text(), ticked ? u"12345678901"_s : QString());
        QCOMPARE(next.edit(u"PasswordEdit"_s)->text(), ticked ? u" Senha ç "_s : QString());
        QCOMPARE(next.box()->isChecked(), ticked);
    }

    void signIn_credentialsTheCipherCannotStore_failWithTheNewKeyKept()
    {
        LoopbackService service;
        service.enqueue(HttpReply::json(200, valueReply(u"k1"_s)));
        Start start;
        QSignalSpy signedIn(start.form.get(), &TfrmLogin::signedIn);
        start.fill(u"127.0.0.1"_s, portOf(service), u"12345"_s, u"senha€"_s);
        start.box()->setChecked(true);
        start.signIn();

        QTRY_COMPARE(m_dialogs->calls().size(), 1);
        QCOMPARE(m_dialogs->calls().first().text, u"Falha na autenticação. Acesso não autorizado."_s);
        QCOMPARE(KeyAuthentication(), u"k1"_s);
        QVERIFY(SettingsFile().rows(u"API_AUTHENTICATION"_s).isEmpty());
        QVERIFY(start.button()->isEnabled());
        QTest::qWait(0);
        QCOMPARE(signedIn.size(), 0);
    }

    void enter_movesOnLikeTabAndNeverSignsIn()
    {
        LoopbackService service;
        Start start;
        SettingsFile file;
        start.expandPanel();
        start.type(u"HostEdit"_s, u"127.0.0.1"_s);
        QTest::keyClick(start.edit(u"HostEdit"_s), Qt::Key_Return);
        QVERIFY(start.edit(u"PortEdit"_s)->hasFocus());
        QTest::keyClicks(start.edit(u"PortEdit"_s), portOf(service));
        QTest::keyClick(start.edit(u"PortEdit"_s), Qt::Key_Enter);
        QVERIFY(start.edit(u"UsernameEdit"_s)->hasFocus());
        QCOMPARE(file.rows(u"API_ACCESS_CONFIG"_s), (QList<Row>{{u"127.0.0.1"_s, portOf(service)}}));

        QTest::keyClicks(start.edit(u"UsernameEdit"_s), u"12345"_s);
        QTest::keyClick(start.edit(u"UsernameEdit"_s), Qt::Key_Return);
        QVERIFY(start.edit(u"PasswordEdit"_s)->hasFocus());
        QTest::keyClicks(start.edit(u"PasswordEdit"_s), u"senha"_s);
        QTest::keyClick(start.edit(u"PasswordEdit"_s), Qt::Key_Return);
        QVERIFY(start.box()->hasFocus());
        QTest::keyClick(start.box(), Qt::Key_Return);
        QTest::keyClick(start.button(), Qt::Key_Return);

        QTest::qWait(0);
        QVERIFY(service.requests().isEmpty());
        QVERIFY(m_dialogs->calls().isEmpty());
        QVERIFY(IpHost().isEmpty());
    }

    void backKey_asksBeforeClosing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::newRow("Back, Yes") << int(Qt::Key_Back) << mrYes;
        QTest::newRow("Back, No") << int(Qt::Key_Back) << mrNo;
        QTest::newRow("Esc, Yes") << int(Qt::Key_Escape) << mrYes;
    }

    void backKey_asksBeforeClosing()
    {
        QFETCH(int, key);
        QFETCH(int, answer);
        Start start;
        start.edit(u"UsernameEdit"_s)->setText(u"123"_s);
        m_dialogs->answer(answer);
        QTest::keyClick(start.edit(u"UsernameEdit"_s), Qt::Key(key));

        QCOMPARE(m_dialogs->calls().size(), 1);
        const auto call = m_dialogs->calls().first();
        QCOMPARE(call.text, u"Deseja realmente fechar o aplicativo?"_s);
        QCOMPARE(call.type, mtConfirmation);
        QCOMPARE(call.buttons, (TMsgDlgButtons{mbYes, mbNo}));
        QCOMPARE(call.defaultButton, mbNo);
        QCOMPARE(start.form->isVisible(), answer != mrYes);
        QCOMPARE(start.edit(u"UsernameEdit"_s)->text(), u"123"_s);
    }

    void backKey_withTheKeyboardUp_isLeftToTheKeyboard()
    {
        Start start;
        start.form->FormVirtualKeyboardShown(true, QRect(start.form->mapToGlobal(QPoint(0, 500)), QSize(452, 174)));
        QTest::keyClick(start.edit(u"UsernameEdit"_s), Qt::Key_Back);
        QVERIFY(m_dialogs->calls().isEmpty());

        start.form->FormVirtualKeyboardHidden(false, QRect());
        QTest::keyClick(start.edit(u"UsernameEdit"_s), Qt::Key_Back);
        QCOMPARE(m_dialogs->calls().size(), 1);
    }

    void keyboard_liftsACoveredFieldAboveIt_data()
    {
        QTest::addColumn<int>("keyboardTopFromFieldBottom");
        QTest::addColumn<int>("lift");
        QTest::newRow("field ends at the keyboard's top") << 0 << 0;
        QTest::newRow("keyboard covers the field's lower part") << -20 << 20;
        QTest::newRow("keyboard covers the whole field") << -41 << 41;
        QTest::newRow("keyboard below the field") << 30 << 0;
    }

    void keyboard_liftsACoveredFieldAboveIt()
    {
        QFETCH(int, keyboardTopFromFieldBottom);
        QFETCH(int, lift);
        Start start;
        QLineEdit *password = start.edit(u"PasswordEdit"_s);
        QLineEdit *user = start.edit(u"UsernameEdit"_s);
        const auto bottomOf = [&start](QWidget *field) {
            return field->mapTo(start.form.get(), QPoint(0, field->height())).y();
        };
        password->setFocus(Qt::MouseFocusReason);
        const int fieldBottom = bottomOf(password);
        const int userBottom = bottomOf(user);
        const int keyboardTop = fieldBottom + keyboardTopFromFieldBottom;
        start.form->FormVirtualKeyboardShown(true, QRect(start.form->mapToGlobal(QPoint(0, keyboardTop)),
                                                         QSize(start.form->width(), 200)));

        QCOMPARE(bottomOf(password), fieldBottom - lift);

        // Focus on a field above the keyboard takes the content back to its top; so does the keyboard
        // going away.
        start.form->FormVirtualKeyboardShown(true, QRect(start.form->mapToGlobal(QPoint(0, fieldBottom - 20)),
                                                         QSize(start.form->width(), 200)));
        QCOMPARE(bottomOf(password), fieldBottom - 20);
        user->setFocus(Qt::MouseFocusReason);
        QCOMPARE(bottomOf(user), userBottom);
        password->setFocus(Qt::MouseFocusReason);
        QCOMPARE(bottomOf(password), fieldBottom - 20);
        start.form->FormVirtualKeyboardHidden(false, QRect());
        QCOMPARE(bottomOf(password), fieldBottom);
    }

private:
    std::unique_ptr<TemporaryProfile> m_profile;
    std::shared_ptr<ScriptedDialogService> m_dialogs;
};

QTEST_MAIN(LoginFormTest)
#include "LoginFormTest.moc"
