#include "ScriptedDialogService.h"
#include "TestEnvironment.h"

#include "app/OrvelViewer.h"
#include "login/LoginForm.h"
#include "monitor/OrvelForm.h"
#include "settings/DataModuleConfig.h"
#include "settings/SettingsPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class StartUpTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dialogs = ScriptedDialogService::install(); }
    void cleanup()
    {
        ScriptedDialogService::uninstall();
        m_dialogs.reset();
    }

    void createObjects_firstStart_makesSettingsAndShowsSignIn()
    {
        TemporaryProfile profile;
        TOrvelViewer viewer;
        viewer.CreateObjects();

        QVERIFY(QFileInfo(SettingsFilePath()).isFile());
        QVERIFY(viewer.DataModuleConfig && viewer.frmLogin && viewer.frmOrvel);
        QCOMPARE(viewer.Application().MainForm(), viewer.frmLogin);
        QVERIFY(viewer.frmLogin->isVisible());
        QVERIFY(!viewer.frmOrvel->isVisible());
        QCOMPARE(viewer.frmLogin->windowTitle(), u"Orvel - Login"_s);
        QCOMPARE(viewer.frmOrvel->windowTitle(), u"NIVO - Orvel"_s);
        QVERIFY(m_dialogs->calls().isEmpty());
    }

    void createObjects_settingsFileBroken_reportsErrorAndStillShowsSignIn()
    {
        TemporaryProfile profile;
        QDir().mkpath(SettingsFolderPath());
        QFile junk(SettingsFilePath());
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();

        TOrvelViewer viewer;
        viewer.CreateObjects();

        QCOMPARE(m_dialogs->calls().size(), 1);
        const auto call = m_dialogs->calls().first();
        QCOMPARE(call.type, nivo::mtError);
        QCOMPARE(call.buttons, nivo::TMsgDlgButtons{nivo::mbOK});
        QVERIFY2(call.text.contains(SettingsFilePath()), qPrintable(call.text));
        QVERIFY(viewer.frmLogin->isVisible());
        QCOMPARE(viewer.Application().MainForm(), viewer.frmLogin);
    }

    void closeSignIn_beforeHandOver_endsProgram()
    {
        TemporaryProfile profile;
        TOrvelViewer viewer;
        viewer.CreateObjects();
        QSignalSpy ended(&viewer.Application(), &TApplication::terminated);
        viewer.frmLogin->close();
        QCOMPARE(ended.size(), 1);
        QVERIFY(!viewer.frmOrvel->isVisible());
    }

    void handOver_makesMonitorMain_andOnlyItsCloseEndsProgram()
    {
        TemporaryProfile profile;
        TOrvelViewer viewer;
        viewer.CreateObjects();
        QSignalSpy ended(&viewer.Application(), &TApplication::terminated);

        emit viewer.frmLogin->signedIn();

        QCOMPARE(viewer.Application().MainForm(), viewer.frmOrvel);
        QVERIFY(viewer.frmOrvel->isVisible());
        QVERIFY(viewer.frmOrvel->windowState() & Qt::WindowMaximized);
        QVERIFY(!viewer.frmLogin->isVisible());
        QCOMPARE(ended.size(), 0);

        viewer.frmLogin->close();
        QCOMPARE(ended.size(), 0);
        viewer.frmOrvel->close();
        QCOMPARE(ended.size(), 1);
    }

    void handleException_showsMessageAsErrorWithOk()
    {
        TApplication::HandleException(std::runtime_error("disco cheio"));
        QCOMPARE(m_dialogs->calls().size(), 1);
        QCOMPARE(m_dialogs->calls().first().text, u"disco cheio"_s);
        QCOMPARE(m_dialogs->calls().first().type, nivo::mtError);
        QCOMPARE(m_dialogs->calls().first().defaultButton, nivo::mbOK);
    }

private:
    std::shared_ptr<ScriptedDialogService> m_dialogs;
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
