#include "DialogDriver.h"
#include "DialogTestTypes.h"

#include "core/Exception.h"
#include "dialogs/DialogBuilder.h"
#include "dialogs/DialogForm.h"
#include "dialogs/DialogHelper.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <optional>

using namespace Qt::StringLiterals;
using namespace nivo;

namespace {

const QRect Area(100, 50, 640, 480);

// Records what the close step reports, and how often it ran.
struct CloseRecord
{
    int calls = 0;
    TModalResult result = -1;
    QStringList values;

    TInputCloseDialogProc dialogProc()
    {
        return [this](TModalResult r) {
            ++calls;
            result = r;
        };
    }
    TInputCloseQueryProc queryProc()
    {
        return [this](TModalResult r, const QStringList &v) {
            ++calls;
            result = r;
            values = v;
        };
    }
};

int borderOf(const QWidget *form)
{
    return TDialogBuilder::GetAveCharSize(QFontMetricsF(form->font())).y();
}

QStringList labelTexts(const QWidget *form)
{
    QStringList texts;
    const QList<QLabel *> labels = form->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        texts.append(label->text());
    return texts;
}

} // namespace

class BuiltDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(u"OrvelViewer"_s); }
    void init() { TDialogBuilder::PinWorkArea(Area); }
    void cleanup()
    {
        TDialogBuilder::PinWorkArea(std::nullopt);
        disposeDialogs();
    }

    void yesNo_pressedButton_closesWithItsResult_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("result");
        QTest::newRow("Sim") << u"Sim"_s << mrYes;
        QTest::newRow("Não") << u"Não"_s << mrNo;
    }

    void yesNo_pressedButton_closesWithItsResult()
    {
        CloseRecord record;
        TDialogHelper::MessageDialog(u"Deseja realmente fechar o aplicativo?"_s, mtConfirmation, {mbYes, mbNo}, mbNo, 0,
                                     record.dialogProc(), false);
        QPointer<TDialogForm> form = visibleDialogForm();
        QVERIFY(form);

        QCOMPARE(buttonTextsLeftToRight(form), (QStringList{u"Sim"_s, u"Não"_s}));
        QVERIFY(buttonWithText(form, u"Não"_s)->isDefault());
        QVERIFY(!buttonWithText(form, u"Sim"_s)->isDefault());
        // Bottom right: the last button ends one border from the right, below the text.
        const QPushButton *no = buttonWithText(form, u"Não"_s);
        const QRect noRect(no->mapTo(form, QPoint()), no->size());
        QCOMPARE(form->width() - noRect.right() - 1, borderOf(form));
        QCOMPARE(form->height() - noRect.bottom() - 1, borderOf(form));
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowSystemMenuHint));

        QTest::keyClick(form, Qt::Key_Escape);
        form->windowHandle()->close();
        QVERIFY(form->isVisible());
        QCOMPARE(record.calls, 0);

        QFETCH(QString, pressed);
        QVERIFY(clickButton(form, pressed));
        QCOMPARE(record.calls, 1);
        QTEST(record.result, "result");
        QTRY_VERIFY(!form);
    }

    void cancellable_escapeOrCloseBox_closesWithCancel_data()
    {
        QTest::addColumn<bool>("showMessage");
        QTest::addColumn<bool>("escape");
        QTest::newRow("ok/cancel, Esc") << false << true;
        QTest::newRow("ok/cancel, close box") << false << false;
        QTest::newRow("show message, Esc") << true << true;
        QTest::newRow("show message, close box") << true << false;
    }

    void cancellable_escapeOrCloseBox_closesWithCancel()
    {
        QFETCH(bool, showMessage);
        QFETCH(bool, escape);

        CloseRecord record;
        if (showMessage)
            TDialogHelper::ShowMessage(u"Pronto"_s, record.dialogProc(), false);
        else
            TDialogHelper::MessageDialog(u"Continuar?"_s, mtWarning, {mbOK, mbCancel}, mbOK, 0, record.dialogProc(),
                                         false);
        QPointer<TDialogForm> form = visibleDialogForm();
        QVERIFY(form);
        QVERIFY(form->windowFlags().testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));

        if (escape)
            QTest::keyClick(form, Qt::Key_Escape);
        else
            form->windowHandle()->close();

        QCOMPARE(record.calls, 1);
        QCOMPARE(record.result, mrCancel);
        QTRY_VERIFY(!form);
    }

    void helpButton_doesNotClose()
    {
        CloseRecord record;
        TDialogHelper::MessageDialog(u"Mensagem"_s, mtInformation, {mbOK, mbHelp}, mbOK, 0, record.dialogProc(), false);
        QPointer<TDialogForm> form = visibleDialogForm();
        QVERIFY(form);

        QVERIFY(clickButton(form, u"Ajuda"_s));
        QVERIFY(form->isVisible());
        QCOMPARE(record.calls, 0);

        QVERIFY(clickButton(form, u"OK"_s));
        QCOMPARE(record.calls, 1);
        QCOMPARE(record.result, mrOk);
    }

    void everyButtonKind_captionsInDeclaredOrder_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("result");
        QTest::newRow("Todos") << u"Todos"_s << mrAll;
        QTest::newRow("Sim para &Todos") << u"Sim para &Todos"_s << mrYesToAll;
        QTest::newRow("Não para Todos") << u"Não para Todos"_s << mrNoToAll;
        QTest::newRow("Fechar") << u"Fechar"_s << mrClose;
        QTest::newRow("Tentar novamente") << u"Tentar novamente"_s << mrRetry;
    }

    void everyButtonKind_captionsInDeclaredOrder()
    {
        const TMsgDlgButtons all{mbYes,   mbNo,  mbOK,      mbCancel,   mbAbort, mbRetry,
                                 mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp,  mbClose};
        CloseRecord record;
        TDialogHelper::MessageDialog(u"Mensagem"_s, mtWarning, all, mbOK, 0, record.dialogProc(), false);
        TDialogForm *form = visibleDialogForm();
        QVERIFY(form);

        QCOMPARE(buttonTextsLeftToRight(form),
                 (QStringList{u"Sim"_s, u"Não"_s, u"OK"_s, u"Cancelar"_s, u"Abortar"_s, u"Tentar novamente"_s,
                              u"Ignorar"_s, u"Todos"_s, u"Não para Todos"_s, u"Sim para &Todos"_s, u"Ajuda"_s,
                              u"Fechar"_s}));
        QFETCH(QString, pressed);
        QVERIFY(clickButton(form, pressed));
        QTEST(record.result, "result");
    }

    void title_byType_data()
    {
        QTest::addColumn<TMsgDlgType>("type");
        QTest::addColumn<QString>("title");
        QTest::newRow("warning") << mtWarning << u"Aviso"_s;
        QTest::newRow("error") << mtError << u"Erro"_s;
        QTest::newRow("information") << mtInformation << u"Informação"_s;
        QTest::newRow("confirmation") << mtConfirmation << u"Confirmar"_s;
        QTest::newRow("custom") << mtCustom << u"OrvelViewer"_s;
    }

    void title_byType()
    {
        QFETCH(TMsgDlgType, type);
        TDialogHelper::MessageDialog(u"Mensagem"_s, type, {mbOK}, mbOK, 0, TInputCloseDialogProc(), false);
        const TDialogForm *form = visibleDialogForm();
        QVERIFY(form);
        QTEST(form->windowTitle(), "title");
    }

    void message_shortLongOrTall_sizedAndCentredInWorkArea_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("wraps");
        QTest::addColumn<bool>("scrolls");

        QTest::newRow("short") << u"Pronto"_s << false << false;
        QTest::newRow("long") << u"Uma mensagem comprida "_s.repeated(40) << true << false;
        QTest::newRow("tall") << u"linha\n"_s.repeated(200) << false << true;
    }

    void message_shortLongOrTall_sizedAndCentredInWorkArea()
    {
        QFETCH(QString, message);
        QFETCH(bool, wraps);
        QFETCH(bool, scrolls);

        TDialogHelper::MessageDialog(message, mtInformation, {mbOK}, mbOK, 0, TInputCloseDialogProc(), false);
        TDialogForm *form = visibleDialogForm();
        QVERIFY(form);
        const QLabel *label = form->findChild<QLabel *>();
        const QScrollBar *scrollBar = form->findChild<QScrollArea *>()->verticalScrollBar();
        const int border = borderOf(form);
        const int maxTextWidth = TDialogBuilder::GetMaxWidth(Area) - 2 * border;

        QVERIFY(form->width() <= maxTextWidth);
        QVERIFY(form->height() <= TDialogBuilder::GetMaxHeight(Area));
        QCOMPARE(form->width() == maxTextWidth, wraps);
        QCOMPARE(label->height() > 2 * label->fontMetrics().lineSpacing(), wraps || scrolls);
        QCOMPARE(form->height() == TDialogBuilder::GetMaxHeight(Area), scrolls);
        QCOMPARE(scrollBar->maximum() > 0, scrolls);
        QCOMPARE(form->geometry().x(), Area.left() + (Area.width() - form->width()) / 2);
        QCOMPARE(form->geometry().y(), Area.top() + (Area.height() - form->height()) / 2);
    }

    void inputQuery_passwordPrompt_rowsLabelsAndFocus()
    {
        TDialogHelper::InputQuery(u"Acesso"_s, {u"Usuário"_s, u"\x01Senha"_s}, {u"ana"_s, u"segredo"_s},
                                  TInputCloseQueryProc(), false);
        TDialogForm *form = visibleDialogForm();
        QVERIFY(form);

        QCOMPARE(form->windowTitle(), u"Acesso"_s);
        QCOMPARE(form->Edits().size(), 2);
        const QLineEdit *user = form->Edits().at(0);
        const QLineEdit *password = form->Edits().at(1);
        QCOMPARE(user->echoMode(), QLineEdit::Normal);
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QCOMPARE(labelTexts(form), (QStringList{u"Usuário"_s, u"Senha"_s}));
        QVERIFY(user->mapTo(form, QPoint()).y() < password->mapTo(form, QPoint()).y());
        QCOMPARE(form->focusWidget(), user);
        QCOMPARE(user->selectedText(), u"ana"_s);
        QCOMPARE(buttonTextsLeftToRight(form), (QStringList{u"OK"_s, u"Cancelar"_s}));
        QVERIFY(buttonWithText(form, u"OK"_s)->isDefault());
        QVERIFY(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    }

    void inputQuery_closed_passesTypedTextsOnlyOnOk_data()
    {
        QTest::addColumn<QString>("closeWith");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("values");

        const QStringList typed{u"bia"_s, u"nova"_s};
        const QStringList defaults{u"ana"_s, u"segredo"_s};
        QTest::newRow("OK") << u"OK"_s << mrOk << typed;
        QTest::newRow("Enter") << u"Enter"_s << mrOk << typed;
        QTest::newRow("Cancelar") << u"Cancelar"_s << mrCancel << defaults;
        QTest::newRow("Esc") << u"Esc"_s << mrCancel << defaults;
    }

    void inputQuery_closed_passesTypedTextsOnlyOnOk()
    {
        QFETCH(QString, closeWith);

        CloseRecord record;
        TDialogHelper::InputQuery(u"Acesso"_s, {u"Usuário"_s, u"\x01Senha"_s}, {u"ana"_s, u"segredo"_s, u"extra"_s},
                                  record.queryProc(), false);
        TDialogForm *form = visibleDialogForm();
        QVERIFY(form);
        QLineEdit *user = form->Edits().at(0);
        QLineEdit *password = form->Edits().at(1);
        user->setText(u"bia"_s);
        password->setText(u"nova"_s);

        if (closeWith == u"Enter")
            QTest::keyClick(password, Qt::Key_Return);
        else if (closeWith == u"Esc")
            QTest::keyClick(user, Qt::Key_Escape);
        else
            QVERIFY(clickButton(form, closeWith));

        QCOMPARE(record.calls, 1);
        QTEST(record.result, "result");
        QTEST(record.values, "values");
    }

    void inputQuery_badArguments_raiseBeforeAnyForm_data()
    {
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<QStringList>("defaults");
        QTest::addColumn<QString>("message");

        QTest::newRow("fewer values than prompts")
            << QStringList{u"Usuário"_s, u"Senha"_s} << QStringList{u"ana"_s}
            << u"Comprimento do valor da matriz deve ser >= ao comprimento do prompt da matriz"_s;
        QTest::newRow("no prompts") << QStringList() << QStringList{u"ana"_s}
                                    << u"O prompt da matriz não pode estar vazio"_s;
    }

    void inputQuery_badArguments_raiseBeforeAnyForm()
    {
        QFETCH(QStringList, prompts);
        QFETCH(QStringList, defaults);

        const qsizetype widgetsBefore = QApplication::allWidgets().size();
        QString raised;
        try {
            TDialogHelper::InputQuery(u"Acesso"_s, prompts, defaults, TInputCloseQueryProc(), false);
        } catch (const EArgumentError &error) {
            raised = error.message();
        }
        QTEST(raised, "message");
        QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
    }

    void failedBuild_showsNothing()
    {
        TDialogBuilder::PinWorkArea(QRect());
        const qsizetype widgetsBefore = QApplication::allWidgets().size();
        CloseRecord record;

        TDialogHelper::MessageDialog(u"Mensagem"_s, mtWarning, {mbOK}, mbOK, 0, record.dialogProc(), false);
        TDialogHelper::InputQuery(u"Acesso"_s, {u"Usuário"_s}, {u"ana"_s}, record.queryProc(), false);

        QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
        QCOMPARE(record.calls, 0);
    }

    void promptCaptionAndPasswordChar_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("password");

        QTest::newRow("plain") << u"Senha"_s << u"Senha"_s << false;
        QTest::newRow("control char first") << u"\x01Senha"_s << u"Senha"_s << true;
        QTest::newRow("tab first") << u"\tPIN"_s << u"PIN"_s << true;
        QTest::newRow("control char alone") << u"\x01"_s << u"\x01"_s << false;
        QTest::newRow("space first is not a control char") << u" Senha"_s << u" Senha"_s << false;
    }

    void promptCaptionAndPasswordChar()
    {
        QFETCH(QString, prompt);
        QTEST(TDialogBuilder::GetPromptCaption(prompt), "caption");
        QFETCH(bool, password);
        QCOMPARE(TDialogBuilder::GetPasswordChar(prompt), password ? QChar(u'*') : QChar());
    }
};

QTEST_MAIN(BuiltDialogsTest)
#include "BuiltDialogsTest.moc"
