#include "DialogDriver.h"
#include "DialogTestTypes.h"
#include "ScriptedDialogService.h"

#include "app/OrvelViewer.h"
#include "core/Exception.h"
#include "dialogs/DialogForm.h"
#include "dialogs/DialogService.h"
#include "dialogs/FMXDialogService.h"
#include "dialogs/PlatformServices.h"
#include "dialogs/UIThreadCheck.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;
using namespace nivo;

namespace {

const QLatin1StringView ServiceIds[] = {IFMXDialogServiceId, IFMXDialogServiceSyncId, IFMXDialogServiceAsyncId};

void press(QDialog *dialog, const QString &text)
{
    if (!clickButton(dialog, text))
        dialog->done(0);
}

// Types into the dialog's edits, in order, then presses the button.
void typeAndPress(QDialog *dialog, const QStringList &texts, const QString &button)
{
    if (auto *form = qobject_cast<TDialogForm *>(dialog)) {
        for (qsizetype i = 0; i < texts.size() && i < form->Edits().size(); ++i)
            form->Edits().at(i)->setText(texts.at(i));
    }
    press(dialog, button);
}

enum class Operation { MessageDialogSync, ShowMessageSync, InputQuerySync, ShowMessageAsync, MessageDialogAsync,
                       InputQueryAsync };

} // namespace

Q_DECLARE_METATYPE(Operation)

class DialogServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(u"OrvelViewer"_s); }
    void init()
    {
        TOrvelViewer::InitializeModules();
        m_service = TFMXDialogService::GetCurrent();
    }
    void cleanup() { disposeDialogs(); }

    void startUp_registersThisServiceUnderAllThreeInPlaceOfEarlierOnes()
    {
        std::weak_ptr<ScriptedDialogService> earlier;
        {
            auto scripted = ScriptedDialogService::install();
            for (QLatin1StringView id : ServiceIds)
                TPlatformServices::Current().AddPlatformService(id, scripted);
            earlier = scripted;
        }

        TOrvelViewer::InitializeModules();

        QVERIFY(earlier.expired());
        for (QLatin1StringView id : ServiceIds)
            QCOMPARE(TPlatformServices::Current().GetPlatformService(id), std::shared_ptr<IInterface>(m_service));
    }

    void dispatcher_runsHandlerOnceAfterTheBoxWithItsAnswer_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("answer");
        QTest::newRow("Sim") << u"Sim"_s << mrYes;
        QTest::newRow("Não") << u"Não"_s << mrNo;
    }

    void dispatcher_runsHandlerOnceAfterTheBoxWithItsAnswer()
    {
        QFETCH(QString, pressed);
        QList<TModalResult> answers;
        bool boxOpenDuringHandler = true;
        m_driver.whenModalShown([&](QDialog *box) { press(box, pressed); });

        TDialogService::MessageDialog(u"Deseja realmente reenviar a mensagem?"_s, mtConfirmation, {mbYes, mbNo}, mbNo,
                                      0, [&](TModalResult result) {
                                          answers.append(result);
                                          boxOpenDuringHandler = QApplication::activeModalWidget() != nullptr;
                                      });

        QVERIFY(!m_driver.timedOut());
        QFETCH(int, answer);
        QCOMPARE(answers, QList<TModalResult>{answer});
        QVERIFY(!boxOpenDuringHandler);
    }

    void dispatcher_withoutSyncService_showsBuiltDialogAndAnswersLater()
    {
        auto &registry = TPlatformServices::Current();
        registry.RemovePlatformService(IFMXDialogServiceId);
        registry.RemovePlatformService(IFMXDialogServiceSyncId);

        QList<TModalResult> answers;
        TDialogService::MessageDialog(u"Deseja realmente fechar o aplicativo?"_s, mtConfirmation, {mbYes, mbNo}, mbNo,
                                      0, [&](TModalResult result) { answers.append(result); });
        QVERIFY(answers.isEmpty());
        TDialogForm *form = visibleDialogForm();
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), u"Confirmar"_s);

        QVERIFY(clickButton(form, u"Sim"_s));
        QCOMPARE(answers, QList<TModalResult>{mrYes});
    }

    void offUiThread_raisesBeforeShowingAnything_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::newRow("MessageDialogSync") << Operation::MessageDialogSync;
        QTest::newRow("ShowMessageSync") << Operation::ShowMessageSync;
        QTest::newRow("InputQuerySync") << Operation::InputQuerySync;
        QTest::newRow("ShowMessageAsync") << Operation::ShowMessageAsync;
        QTest::newRow("MessageDialogAsync") << Operation::MessageDialogAsync;
        QTest::newRow("InputQueryAsync") << Operation::InputQueryAsync;
    }

    void offUiThread_raisesBeforeShowingAnything()
    {
        QFETCH(Operation, operation);
        const qsizetype widgetsBefore = QApplication::allWidgets().size();
        bool raised = false;
        TFMXDialogService *service = m_service.get();

        QThread *worker = QThread::create([&] {
            QStringList values{u"ana"_s};
            try {
                switch (operation) {
                case Operation::MessageDialogSync: service->MessageDialogSync(u"x"_s, mtWarning, {mbOK}, mbOK, 0); break;
                case Operation::ShowMessageSync: service->ShowMessageSync(u"x"_s); break;
                case Operation::InputQuerySync: service->InputQuerySync(u"x"_s, {u"Usuário"_s}, values); break;
                case Operation::ShowMessageAsync: service->ShowMessageAsync(u"x"_s); break;
                case Operation::MessageDialogAsync:
                    service->MessageDialogAsync(u"x"_s, mtWarning, {mbOK}, mbOK, 0, TInputCloseDialogProc());
                    break;
                case Operation::InputQueryAsync:
                    service->InputQueryAsync(u"x"_s, {u"Usuário"_s}, values, TInputCloseQueryProc());
                    break;
                }
            } catch (const EThreadError &) {
                raised = true;
            }
        });
        worker->start();
        QVERIFY(worker->wait(10000));
        delete worker;

        QVERIFY(raised);
        QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
    }

    void inputQuerySync_closed_copiesTextsOnlyOnOk_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("values");

        QTest::newRow("OK") << u"OK"_s << true << QStringList{u"bia"_s, u"nova"_s};
        QTest::newRow("Cancelar") << u"Cancelar"_s << false << QStringList{u"ana"_s, u"segredo"_s};
    }

    void inputQuerySync_closed_copiesTextsOnlyOnOk()
    {
        QFETCH(QString, pressed);
        QStringList values{u"ana"_s, u"segredo"_s};
        m_driver.whenModalShown([&](QDialog *form) { typeAndPress(form, {u"bia"_s, u"nova"_s}, pressed); });

        const bool accepted = m_service->InputQuerySync(u"Acesso"_s, {u"Usuário"_s, u"\x01Senha"_s}, values);

        QVERIFY(!m_driver.timedOut());
        QTEST(accepted, "accepted");
        QTEST(values, "values");
    }

    void inputQuerySync_moreValuesThanPrompts_keepsTheRest()
    {
        QStringList values{u"ana"_s, u"resto"_s};
        m_driver.whenModalShown([&](QDialog *form) { typeAndPress(form, {u"bia"_s}, u"OK"_s); });

        QVERIFY(m_service->InputQuerySync(u"Acesso"_s, {u"Usuário"_s}, values));

        QVERIFY(!m_driver.timedOut());
        QCOMPARE(values, (QStringList{u"bia"_s, u"resto"_s}));
    }

    void inputQuerySync_fewerValuesThanPrompts_raisesBeforeAnyDialog()
    {
        const qsizetype widgetsBefore = QApplication::allWidgets().size();
        QStringList values{u"ana"_s};

        QVERIFY_THROWS_EXCEPTION(EArgumentError,
                                 m_service->InputQuerySync(u"Acesso"_s, {u"Usuário"_s, u"Senha"_s}, values));
        QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
        QCOMPARE(values, QStringList{u"ana"_s});
    }

    void inputQuery_closeQueryFunc_keepsDialogOpenUntilItAgrees()
    {
        QList<QStringList> asked;
        const TInputCloseQueryFunc agreeSecondTime = [&](const QStringList &typed) {
            asked.append(typed);
            return asked.size() > 1;
        };
        bool openAfterFirstOk = false;
        m_driver.whenModalShown([&](QDialog *form) {
            typeAndPress(form, {u"x"_s}, u"OK"_s);
            openAfterFirstOk = form->isVisible();
            typeAndPress(form, {u"y"_s}, u"OK"_s);
        });
        QStringList values{u"ana"_s};

        QVERIFY(m_service->InputQuery(u"Acesso"_s, {u"Usuário"_s}, values, agreeSecondTime));

        QVERIFY(!m_driver.timedOut());
        QVERIFY(openAfterFirstOk);
        QCOMPARE(asked, (QList<QStringList>{{u"x"_s}, {u"y"_s}}));
        QCOMPARE(values, QStringList{u"y"_s});
    }

    void inputQuery_withProc_passesResultAndWorkingValues_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("OK") << u"OK"_s << mrOk << QStringList{u"bia"_s};
        QTest::newRow("Cancelar") << u"Cancelar"_s << mrCancel << QStringList{u"ana"_s};
    }

    void inputQuery_withProc_passesResultAndWorkingValues()
    {
        QFETCH(QString, pressed);
        TModalResult result = -1;
        QStringList values;
        m_driver.whenModalShown([&](QDialog *form) { typeAndPress(form, {u"bia"_s}, pressed); });

        m_service->InputQuery(u"Acesso"_s, {u"Usuário"_s}, {u"ana"_s}, [&](TModalResult r, const QStringList &v) {
            result = r;
            values = v;
        });

        QVERIFY(!m_driver.timedOut());
        QTEST(result, "result");
        QTEST(values, "values");
    }

    void asyncEvent_getsContextAndResultWhileContextLives_data()
    {
        QTest::addColumn<bool>("contextAlive");
        QTest::newRow("context alive") << true;
        QTest::newRow("context gone") << false;
    }

    void asyncEvent_getsContextAndResultWhileContextLives()
    {
        QFETCH(bool, contextAlive);
        auto *context = new QObject;
        QList<QPair<QObject *, TModalResult>> calls;
        m_service->MessageDialogAsync(u"Mensagem"_s, mtWarning, {mbOK, mbCancel}, mbOK, 0,
                                      [&](QObject *c, TModalResult r) { calls.append({c, r}); }, context);
        TDialogForm *form = visibleDialogForm();
        QVERIFY(form);
        if (!contextAlive) {
            delete context;
            context = nullptr;
        }

        QVERIFY(clickButton(form, u"OK"_s));

        if (contextAlive)
            QCOMPARE(calls, (QList<QPair<QObject *, TModalResult>>{{context, mrOk}}));
        else
            QVERIFY(calls.isEmpty());
        delete context;
    }

    void showMessageAsync_showsApplicationTitleAndCancelsOnEsc()
    {
        QList<TModalResult> answers;
        m_service->ShowMessageAsync(u"Pronto"_s, [&](TModalResult r) { answers.append(r); });
        TDialogForm *form = visibleDialogForm();
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), u"OrvelViewer"_s);
        QCOMPARE(buttonTextsLeftToRight(form), QStringList{u"OK"_s});

        QTest::keyClick(form, Qt::Key_Escape);
        QCOMPARE(answers, QList<TModalResult>{mrCancel});
    }

private:
    std::shared_ptr<TFMXDialogService> m_service;
    DialogDriver m_driver;
};

QTEST_MAIN(DialogServiceTest)
#include "DialogServiceTest.moc"
