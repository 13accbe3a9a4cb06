#include "DialogDriver.h"
#include "DialogTestTypes.h"

#include "dialogs/FMXDialogService.h"
#include "dialogs/SystemMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;
using namespace nivo;

namespace {

const TMsgDlgButtons YesNo{mbYes, mbNo};
const TMsgDlgButtons FiveButtons{mbYes, mbNo, mbCancel, mbNoToAll, mbYesToAll};
const QStringList FiveButtonTexts{u"Sim"_s, u"Sim para &Todos"_s, u"Não"_s, u"Não para Todos"_s, u"Cancelar"_s};

// Presses the button; a box without it is closed unanswered, so the test fails instead of hanging.
void press(QDialog *box, const QString &text)
{
    if (!clickButton(box, text))
        box->done(0);
}

QStringList defaultButtonTexts(QWidget *box)
{
    QStringList texts;
    const QList<QPushButton *> buttons = box->findChildren<QPushButton *>();
    for (const QPushButton *b : buttons) {
        if (b->isVisible() && b->isDefault())
            texts.append(b->text());
    }
    return texts;
}

} // namespace

class NativeMessageDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(u"OrvelViewer"_s);
        TFMXDialogService::Register();
        m_service = TFMXDialogService::GetCurrent();
    }

    void cleanup()
    {
        qApp->setStyleSheet(QString());
        disposeDialogs();
    }

    void buttonSet_showsItsButtonsAndDefault_data()
    {
        QTest::addColumn<TMsgDlgButtons>("buttons");
        QTest::addColumn<TMsgDlgBtn>("defaultButton");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<int>("enterAnswer");
        QTest::addColumn<bool>("changed");

        QTest::newRow("ok") << TMsgDlgButtons{mbOK} << mbOK << QStringList{u"OK"_s} << u"OK"_s << 1 << false;
        QTest::newRow("ok+help, default help")
            << TMsgDlgButtons{mbOK, mbHelp} << mbHelp << QStringList{u"OK"_s, u"Ajuda"_s} << u"Ajuda"_s << 9 << false;
        QTest::newRow("yes/no, default no") << YesNo << mbNo << QStringList{u"Sim"_s, u"Não"_s} << u"Não"_s << 7 << false;
        QTest::newRow("yes/no, default yes") << YesNo << mbYes << QStringList{u"Sim"_s, u"Não"_s} << u"Sim"_s << 6 << false;
        QTest::newRow("yes/no, unlisted default adds nothing")
            << YesNo << mbCancel << QStringList{u"Sim"_s, u"Não"_s} << u"Sim"_s << 6 << false;
        QTest::newRow("yes/no+help, default help counted")
            << YesNo.with(mbHelp) << mbHelp << QStringList{u"Sim"_s, u"Não"_s, u"Ajuda"_s} << u"Ajuda"_s << 9 << false;
        QTest::newRow("yes/no/cancel, default cancel")
            << TMsgDlgButtons{mbYes, mbNo, mbCancel} << mbCancel << QStringList{u"Sim"_s, u"Não"_s, u"Cancelar"_s}
            << u"Cancelar"_s << 2 << false;
        QTest::newRow("ok/cancel, default cancel") << TMsgDlgButtons{mbOK, mbCancel} << mbCancel
                                                   << QStringList{u"OK"_s, u"Cancelar"_s} << u"Cancelar"_s << 2 << false;
        QTest::newRow("abort/retry/ignore, default ignore")
            << TMsgDlgButtons{mbAbort, mbRetry, mbIgnore} << mbIgnore
            << QStringList{u"Abortar"_s, u"Tentar novamente"_s, u"Ignorar"_s} << u"Ignorar"_s << 5 << false;
        QTest::newRow("retry/cancel+help, default help")
            << TMsgDlgButtons{mbRetry, mbCancel, mbHelp} << mbHelp
            << QStringList{u"Tentar novamente"_s, u"Cancelar"_s, u"Ajuda"_s} << u"Ajuda"_s << 9 << false;
        QTest::newRow("close: outside the table") << TMsgDlgButtons{mbClose} << mbClose << QStringList{u"OK"_s}
                                                  << u"OK"_s << 1 << false;
        QTest::newRow("all: outside the table") << TMsgDlgButtons{mbAll} << mbAll << QStringList{u"OK"_s} << u"OK"_s
                                                << 1 << false;
        QTest::newRow("close+help: outside, no default flag")
            << TMsgDlgButtons{mbClose, mbHelp} << mbHelp << QStringList{u"OK"_s, u"Ajuda"_s} << u"OK"_s << 1 << false;
        QTest::newRow("five buttons, default no") << FiveButtons << mbNo << FiveButtonTexts << u"Não"_s << 7 << true;
        QTest::newRow("five buttons+help, default help")
            << FiveButtons.with(mbHelp) << mbHelp << (FiveButtonTexts + QStringList{u"Ajuda"_s}) << u"Ajuda"_s << 9
            << true;
        QTest::newRow("abort/ignore, default ignore") << TMsgDlgButtons{mbAbort, mbIgnore} << mbIgnore
                                                      << QStringList{u"Abortar"_s, u"Ignorar"_s} << u"Ignorar"_s << 5
                                                      << true;
    }

    void buttonSet_showsItsButtonsAndDefault()
    {
        QFETCH(TMsgDlgButtons, buttons);
        QFETCH(TMsgDlgBtn, defaultButton);

        QStringList shown;
        QStringList defaults;
        int openChangedBoxes = -1;
        m_driver.whenModalShown([&](QDialog *box) {
            shown = buttonTextsLeftToRight(box);
            defaults = defaultButtonTexts(box);
            openChangedBoxes = m_service->GetCount();
            QTest::keyClick(box, Qt::Key_Return);
            if (box->isVisible())
                box->done(0);
        });
        const TModalResult answer = m_service->MessageDialogSync(u"Mensagem"_s, mtConfirmation, buttons, defaultButton, 0);

        QVERIFY(!m_driver.timedOut());
        QTEST(shown, "texts");
        QFETCH(QString, defaultText);
        QCOMPARE(defaults, QStringList{defaultText});
        QTEST(answer, "enterAnswer");
        QFETCH(bool, changed);
        QCOMPARE(openChangedBoxes, changed ? 1 : 0);
        QCOMPARE(m_service->GetCount(), 0);
    }

    void pressedButton_answersItsResult_data()
    {
        QTest::addColumn<TMsgDlgButtons>("buttons");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("answer");

        QTest::newRow("yes/no: Sim") << YesNo << u"Sim"_s << mrYes;
        QTest::newRow("yes/no: Não") << YesNo << u"Não"_s << mrNo;
        const int fiveAnswers[] = {mrYes, mrYesToAll, mrNo, mrNoToAll, mrCancel};
        for (int i = 0; i < FiveButtonTexts.size(); ++i) {
            QTest::addRow("five: %s", qPrintable(FiveButtonTexts.at(i)))
                << FiveButtons << FiveButtonTexts.at(i) << fiveAnswers[i];
        }
        QTest::newRow("five+help: Ajuda") << FiveButtons.with(mbHelp) << u"Ajuda"_s << mrHelp;
        QTest::newRow("abort/ignore: Abortar") << TMsgDlgButtons{mbAbort, mbIgnore} << u"Abortar"_s << mrAbort;
        QTest::newRow("abort/ignore: Ignorar") << TMsgDlgButtons{mbAbort, mbIgnore} << u"Ignorar"_s << mrIgnore;
        QTest::newRow("abort/retry/ignore: Tentar novamente")
            << TMsgDlgButtons{mbAbort, mbRetry, mbIgnore} << u"Tentar novamente"_s << mrRetry;
    }

    void pressedButton_answersItsResult()
    {
        QFETCH(TMsgDlgButtons, buttons);
        QFETCH(QString, pressed);

        m_driver.whenModalShown([&](QDialog *box) { press(box, pressed); });
        const TModalResult answer = m_service->MessageDialogSync(u"Mensagem"_s, mtConfirmation, buttons, mbYes, 0);

        QVERIFY(!m_driver.timedOut());
        QTEST(answer, "answer");
        QCOMPARE(m_service->GetCount(), 0);
    }

    void escape_answersCancelOrOkOnly_data()
    {
        QTest::addColumn<TMsgDlgButtons>("buttons");
        QTest::addColumn<int>("answer");

        QTest::newRow("ok") << TMsgDlgButtons{mbOK} << mrOk;
        QTest::newRow("ok/cancel") << TMsgDlgButtons{mbOK, mbCancel} << mrCancel;
        QTest::newRow("five buttons") << FiveButtons << mrCancel;
        QTest::newRow("yes/no: Esc does nothing") << YesNo << mrNone;
        QTest::newRow("abort/ignore: Esc does nothing") << TMsgDlgButtons{mbAbort, mbIgnore} << mrNone;
    }

    void escape_answersCancelOrOkOnly()
    {
        QFETCH(TMsgDlgButtons, buttons);

        bool stayedOpen = false;
        m_driver.whenModalShown([&](QDialog *box) {
            QTest::keyClick(box, Qt::Key_Escape);
            stayedOpen = box->isVisible();
            if (stayedOpen)
                box->done(0);
        });
        const TModalResult answer = m_service->MessageDialogSync(u"Mensagem"_s, mtWarning, buttons, mbOK, 0);

        QVERIFY(!m_driver.timedOut());
        QTEST(answer, "answer");
        QCOMPARE(stayedOpen, answer == mrNone);
    }

    void fiveButtons_anyPlatformButtonLayout_keepsTheirOrder_data()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("windows") << 0;
        QTest::newRow("mac") << 1;
        QTest::newRow("kde") << 2;
        QTest::newRow("gnome") << 3;
        QTest::newRow("android") << 5;
    }

    void fiveButtons_anyPlatformButtonLayout_keepsTheirOrder()
    {
        QFETCH(int, layout);
        qApp->setStyleSheet(u"QDialogButtonBox { button-layout: %1; }"_s.arg(layout));

        QStringList shown;
        m_driver.whenModalShown([&](QDialog *box) {
            shown = buttonTextsLeftToRight(box);
            press(box, u"Cancelar"_s);
        });
        m_service->MessageDialogSync(u"Mensagem"_s, mtConfirmation, FiveButtons.with(mbHelp), mbYes, 0);

        QVERIFY(!m_driver.timedOut());
        QCOMPARE(shown, FiveButtonTexts + QStringList{u"Ajuda"_s});
    }

    void titleAndIcon_byType_data()
    {
        QTest::addColumn<TMsgDlgType>("type");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QMessageBox::Icon>("icon");

        QTest::newRow("warning") << mtWarning << u"Aviso"_s << QMessageBox::Warning;
        QTest::newRow("error") << mtError << u"Erro"_s << QMessageBox::Critical;
        QTest::newRow("information") << mtInformation << u"Informação"_s << QMessageBox::Information;
        QTest::newRow("confirmation") << mtConfirmation << u"Confirmar"_s << QMessageBox::Question;
        QTest::newRow("custom: application title") << mtCustom << u"OrvelViewer"_s << QMessageBox::NoIcon;
    }

    void titleAndIcon_byType()
    {
        QFETCH(TMsgDlgType, type);

        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        m_driver.whenModalShown([&](QDialog *box) {
            const auto *messageBox = qobject_cast<QMessageBox *>(box);
            title = box->windowTitle();
            text = messageBox ? messageBox->text() : QString();
            icon = messageBox ? messageBox->icon() : QMessageBox::NoIcon;
            press(box, u"OK"_s);
        });
        const TModalResult answer = m_service->MessageDialogSync(u"Servidor <b>fora</b> do ar"_s, type, {mbOK}, mbOK, 0);

        QVERIFY(!m_driver.timedOut());
        QCOMPARE(answer, mrOk);
        QTEST(title, "title");
        QTEST(icon, "icon");
        QCOMPARE(text, u"Servidor <b>fora</b> do ar"_s);
    }

    void showMessageSync_showsApplicationTitleNoIconAndOk()
    {
        QString title;
        QStringList shown;
        QMessageBox::Icon icon = QMessageBox::Warning;
        m_driver.whenModalShown([&](QDialog *box) {
            title = box->windowTitle();
            shown = buttonTextsLeftToRight(box);
            if (const auto *messageBox = qobject_cast<QMessageBox *>(box))
                icon = messageBox->icon();
            press(box, u"OK"_s);
        });
        m_service->ShowMessageSync(u"Pronto"_s);

        QVERIFY(!m_driver.timedOut());
        QCOMPARE(title, u"OrvelViewer"_s);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(shown, QStringList{u"OK"_s});
    }

    void nestedChangedBoxes_eachConvertsItsOwnAnswer()
    {
        // While the five-button box is open, an abort/ignore box opens over it; its Ignore (5) must stay
        // Ignore, and the outer No-to-all (also 5 from the box) must still become mrNoToAll.
        TModalResult inner = -1;
        int openDuringInner = -1;
        DialogDriver innerDriver;
        m_driver.whenModalShown([&](QDialog *outerBox) {
            innerDriver.whenModalShown([&](QDialog *innerBox) {
                openDuringInner = m_service->GetCount();
                press(innerBox, u"Ignorar"_s);
            });
            inner = m_service->MessageDialogSync(u"Interna"_s, mtWarning, {mbAbort, mbIgnore}, mbAbort, 0);
            press(outerBox, u"Não para Todos"_s);
        });
        const TModalResult outer = m_service->MessageDialogSync(u"Externa"_s, mtConfirmation, FiveButtons, mbYes, 0);

        QVERIFY(!m_driver.timedOut());
        QVERIFY(!innerDriver.timedOut());
        QCOMPARE(openDuringInner, 2);
        QCOMPARE(inner, mrIgnore);
        QCOMPARE(outer, mrNoToAll);
        QCOMPARE(m_service->GetCount(), 0);
    }

    void failingBox_leavesNoOpenBoxBehind()
    {
        int openWhileShowing = -1;
        TFMXDialogService service([&](TSystemMessageBox &) -> int {
            openWhileShowing = service.GetCount();
            throw std::runtime_error("box failed");
        });

        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 service.MessageDialog(u"Mensagem"_s, mtWarning, FiveButtons, mbYes, 0, 0, 0, QString()));
        QCOMPARE(openWhileShowing, 1);
        QCOMPARE(service.GetCount(), 0);
    }

private:
    std::shared_ptr<TFMXDialogService> m_service;
    DialogDriver m_driver;
};

QTEST_MAIN(NativeMessageDialogTest)
#include "NativeMessageDialogTest.moc"
