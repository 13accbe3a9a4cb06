#include "monitor/OrvelForm.h"

#include "ui_OrvelForm.h"

#include "app/Application.h"
#include "dialogs/DialogService.h"
#include "monitor/BackgroundTask.h"
#include "monitor/ExternalApplicationsLoad.h"
#include "monitor/MessageFilterProxy.h"
#include "monitor/MessageListLoad.h"
#include "monitor/MessageListModel.h"
#include "monitor/MessageResend.h"
#include "monitor/MessageRowDelegate.h"
#include "monitor/PullToRefresh.h"
#include "format/PayloadFormatter.h"
#include "rest/BaseUrl.h"
#include "rest/KeyAuthentication.h"
#include "rest/MonitorApi.h"
#include "widgets/BusyIndicator.h"
#include "widgets/FlowLayout.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QShowEvent>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString PendingMessageText = u"Mensagem está pendente de processamento e ainda não foi enviada."_s;
const QString SessionExpiredText = u"Sessão expirada. Efetue nova conexão."_s;

QString LoadStyleSheet()
{
    QString sheet;
    for (const QString &name : {u":/styles/orvel.qss"_s, u":/styles/orvel-pages.qss"_s}) {
        QFile file(name);
        if (file.open(QIODevice::ReadOnly))
            sheet += QString::fromUtf8(file.readAll()) + u'\n';
    }
    return sheet;
}

bool IsBackKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Back || event->key() == Qt::Key_Escape;
}

} // namespace

TfrmOrvel::TfrmOrvel(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TfrmOrvel>())
{
    ui->setupUi(this);
    setStyleSheet(LoadStyleSheet());
    resize(1024, 700);
    setWindowState(Qt::WindowMaximized);

    m_rows = new TMessageListModel(this);
    m_search = new TMessageFilterProxy(this);
    m_search->setSourceModel(m_rows);
    m_rowDelegate = new TMessageRowDelegate(this);
    ui->ListBox1->setModel(m_search);
    ui->ListBox1->setItemDelegate(m_rowDelegate);
    ui->ListBox1->viewport()->setAttribute(Qt::WA_Hover);
    ui->ListBox1->viewport()->setCursor(Qt::PointingHandCursor);
    ui->ListBox1->setDragEnabled(false);

    ui->DateEdit2->setDate(QDate::currentDate());

    AniIndicator2 = new BusyIndicator(QSize(89, 73), this);
    AniIndicator2->setObjectName(u"AniIndicator2"_s);

    for (QCheckBox *status : {static_cast<QCheckBox *>(ui->ListBoxItemPendente),
                              static_cast<QCheckBox *>(ui->ListBoxItemSucesso),
                              static_cast<QCheckBox *>(ui->ListBoxItemErro)}) {
        connect(status, &QCheckBox::toggled, this, [this, status] { CheckIfOneListBoxItemIsChecked(status); });
    }
    connect(ui->ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(ui->ComboBox1); });
    connect(ui->btnAplicarFiltros, &QPushButton::clicked, this, &TfrmOrvel::btnAplicarFiltrosClick);
    connect(ui->btnSearchVisible, &QToolButton::clicked, this, &TfrmOrvel::btnSearchVisibleClick);
    connect(ui->SearchBox1, &QLineEdit::textChanged, m_search, &TMessageFilterProxy::SetSearchText);

    m_pull = new PullToRefresh(ui->ListBox1, ui->LayoutPullToRefresh, ui->imgRefresh);
    connect(m_pull, &PullToRefresh::refreshRequested, this, &TfrmOrvel::DoOnPullRefresh);
    connect(ui->ListBox1, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { ListBox1ItemClick(ui->ListBox1, index); });

    auto *flow = new FlowLayout(ui->FlowLayout1);
    flow->setContentsMargins(10, 10, 10, 10);
    flow->setSpacing(10);
    for (QWidget *block : {ui->LayoutEndPoint, ui->LayoutCodigoResposta, ui->LayoutChaveEnvio, ui->LayoutNomeChave,
                           ui->LayoutDatas})
        flow->addWidget(block);
    connect(ui->btnVoltarTab2, &QToolButton::clicked, this, &TfrmOrvel::btnVoltarTab2Click);
    connect(ui->btnReenviarMensagem, &QPushButton::clicked, this, &TfrmOrvel::btnReenviarMensagemClick);
    connect(ui->ListBoxItem3, &QAbstractButton::clicked, this, &TfrmOrvel::ListBoxItem3Click);
    connect(ui->ListBoxItem6, &QAbstractButton::clicked, this, &TfrmOrvel::ListBoxItem6Click);

    ui->Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(ui->Button2, &QToolButton::clicked, this, &TfrmOrvel::Button2Click);

    // The form sees every key before the control that has the focus: a line edit, for one, keeps
    // the release of Esc to itself.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

TfrmOrvel::~TfrmOrvel() = default;

void TfrmOrvel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window restored by the system is not shown anew.
    if (!event->spontaneous())
        FormShow();
}

void TfrmOrvel::FormShow()
{
    ui->DateEdit1->setDate(QDate::currentDate().addDays(-5));
    ui->TabControl1->setCurrentWidget(ui->TabItem1);
    m_pull->reset();
    LoadExternalApplications();
}

void TfrmOrvel::LoadExternalApplications()
{
    ui->ComboBox1->clear();
    m_rows->Clear();
    // A list load still running belongs to the selector's previous content.
    ++m_listGeneration;
    const quint64 generation = ++m_applicationsGeneration;
    m_applicationsPending = true;
    ShowAniIndicator();

    const QString endPoint = nivo::GetBaseUrl() + nivo::lEXTERNAL_APPLICATIONS_ENDPOINT;
    const QString key = nivo::KeyAuthentication();
    RunInBackground(
        this, [endPoint, key] { return RunExternalApplicationsLoad(endPoint, key); },
        [this, generation](TExternalApplicationsOutcome outcome) {
            ExternalApplicationsLoaded(generation, std::move(outcome));
        });
}

void TfrmOrvel::ExternalApplicationsLoaded(quint64 generation, TExternalApplicationsOutcome outcome)
{
    if (generation != m_applicationsGeneration)
        return;
    m_applicationsPending = false;
    memTableExternalApplications = std::move(outcome.table);
    // The busy indicator is still up, so the change events of the filling start no load of their own.
    ui->ComboBox1->addItems(outcome.names);
    if (ui->ComboBox1->count() > 0)
        ui->ComboBox1->setCurrentIndex(0);
    ComboBox1Change(this);
    LoadSendMessages();
    if (outcome.sessionExpired)
        ShowWarning(u"Sessão expirada. Efetue nova conexão."_s);
}

void TfrmOrvel::ComboBox1Change(QObject *)
{
    const QString name = ui->ComboBox1->currentText();
    if (memTableExternalApplications.Active() && memTableExternalApplications.FindField(u"eea_name"_s) >= 0)
        memTableExternalApplications.Locate(u"eea_name"_s, name, Qt::CaseInsensitive);
    if (ui->ComboBox1->count() > 0 && !IsAniIndicatorVisible())
        LoadSendMessages();
}

std::optional<QString> TfrmOrvel::SelectedApplicationCode() const
{
    const nivo::TMemTable &applications = memTableExternalApplications;
    if (ui->ComboBox1->count() == 0 || !applications.Active() || applications.Eof()
        || applications.FindField(u"eea_id"_s) < 0)
        return std::nullopt;
    return applications.FieldAsString(u"eea_id"_s);
}

void TfrmOrvel::LoadSendMessages()
{
    m_rows->Clear();
    const quint64 generation = ++m_listGeneration;
    ShowAniIndicator();

    if (const std::optional<QString> code = SelectedApplicationCode()) {
        nivo::TMessagesFilter filter;
        filter.externalApplicationCode = *code;
        filter.listarPendente = ui->ListBoxItemPendente->isChecked();
        filter.listarSucesso = ui->ListBoxItemSucesso->isChecked();
        filter.listarErro = ui->ListBoxItemErro->isChecked();
        filter.periodoInicial = ui->DateEdit1->date();
        filter.periodoFinal = ui->DateEdit2->date();
        filter.order = ui->rbDataResposta->isChecked() ? nivo::moResponseDate : nivo::moSendDate;

        const QString endPoint = nivo::GetBaseUrl() + nivo::lMESSAGES_END_POINT;
        const QString key = nivo::KeyAuthentication();
        const nivo::TRequestParameterList params = nivo::MessagesParams(filter);
        RunInBackground(
            this, [endPoint, key, params] { return RunMessageListLoad(endPoint, key, params); },
            [this, generation](TMessageListOutcome outcome) { MessageListLoaded(generation, std::move(outcome)); });
    } else {
        // Nothing to ask for without an application.
        EndListLoad();
    }

    if (ui->MultiView1->IsOpen())
        ui->MultiView1->Close();
}

void TfrmOrvel::MessageListLoaded(quint64 generation, TMessageListOutcome outcome)
{
    // Freeing a large reply, payloads and all, takes tens of milliseconds: the pool does it.
    if (generation != m_listGeneration) {
        (void)QtConcurrent::run([superseded = std::move(outcome)] {});
        return;
    }
    (void)QtConcurrent::run([previous = std::exchange(memTableDataMessages, std::move(outcome.table))] {});
    m_rows->SetRows(std::move(outcome.rows));
    EndListLoad();
    if (outcome.failure == TMessageListOutcome::NoRecords)
        ShowWarning(u"Nenhum registro encontrado."_s);
    else if (outcome.failure == TMessageListOutcome::SessionExpired)
        ShowWarning(u"Sessão expirada. Efetue nova conexão."_s);
}

void TfrmOrvel::EndListLoad()
{
    // The selector's request, when one runs, still owns the indicator.
    if (!m_applicationsPending)
        HideAniIndicator();
}

void TfrmOrvel::btnAplicarFiltrosClick()
{
    LoadSendMessages();
}

void TfrmOrvel::btnSearchVisibleClick()
{
    const bool show = ui->SearchBox1->isHidden();
    ui->SearchBox1->setVisible(show);
    if (show)
        ui->SearchBox1->setFocus();
}

void TfrmOrvel::CheckIfOneListBoxItemIsChecked(QObject *Sender)
{
    if (ui->ListBoxItemPendente->isChecked() || ui->ListBoxItemSucesso->isChecked() || ui->ListBoxItemErro->isChecked())
        return;
    const QPointer<QCheckBox> item = qobject_cast<QCheckBox *>(Sender);
    try {
        nivo::TDialogService::MessageDialog(u"Ao menos um item de filtro deve estar selecionado."_s, nivo::mtWarning,
                                            {nivo::mbOK}, nivo::mbOK, 0, [item](nivo::TModalResult) {
                                                if (item)
                                                    item->setChecked(true);
                                            });
    } catch (const std::exception &error) {
        TApplication::HandleException(error);
    }
}

void TfrmOrvel::ShowWarning(const QString &text)
{
    try {
        nivo::TDialogService::MessageDialog(text, nivo::mtWarning, {nivo::mbOK}, nivo::mbOK, 0);
    } catch (const std::exception &error) {
        TApplication::HandleException(error);
    }
}

void TfrmOrvel::ShowAniIndicator()
{
    AniIndicator2->show();
    AniIndicator2->setEnabled(true);
}

void TfrmOrvel::HideAniIndicator()
{
    AniIndicator2->hide();
}

bool TfrmOrvel::IsAniIndicatorVisible() const
{
    return !AniIndicator2->isHidden();
}

QString TfrmOrvel::SelectedMessageKey() const
{
    return ui->ListBox1->currentIndex().data(TMessageListModel::MessageKeyRole).toString();
}

void TfrmOrvel::ListBox1ItemClick(QObject *, const QModelIndex &Item)
{
    if (!LocateMessage(memTableDataMessages, Item.data(TMessageListModel::MessageKeyRole).toString())) {
        ShowWarning(PendingMessageText);
        return;
    }
    try {
        // Read whole before anything on the screen changes: a bad date leaves the list as it was.
        TMessageDetails details = ReadMessageDetails(memTableDataMessages);
        ShowDetails(details);
        m_details = std::move(details);
        SlideTo(ui->TabItem2);
    } catch (const std::exception &error) {
        TApplication::HandleException(error);
    }
}

void TfrmOrvel::ShowDetails(const TMessageDetails &details)
{
    ui->txtCodigoResposta->setText(details.responseCode);
    ui->txtEnviadaEm->setText(details.sentAt);
    ui->txtRespondidaEm->setText(details.respondedAt);
    ui->txtChaveEnvio->setText(details.key);
    ui->txtNomeChave->setText(details.keyName);
    ui->txtEndPoint->setText(details.endPoint);
}

void TfrmOrvel::ListBoxItem3Click()
{
    SlideTo(ui->TabItem3);
    FormatMessageToMemo(ui->Memo1, m_details.sentPayload);
}

void TfrmOrvel::ListBoxItem6Click()
{
    SlideTo(ui->TabItem3);
    FormatMessageToMemo(ui->Memo1, m_details.responsePayload);
}

void TfrmOrvel::FormatMessageToMemo(QPlainTextEdit *AMemoComponent, const QString &AMessageText)
{
    AMemoComponent->setPlainText(nivo::FormatPayload(AMessageText));
}

void TfrmOrvel::btnVoltarTab2Click()
{
    SlideTo(ui->TabItem1);
    ui->ListBox1->selectionModel()->clear();
}

void TfrmOrvel::Button2Click()
{
    SlideTo(ui->TabItem2);
    ui->Memo1->clear();
}

void TfrmOrvel::SlideTo(QWidget *page)
{
    ui->TabControl1->slideToIndex(ui->TabControl1->indexOf(page));
}

void TfrmOrvel::btnReenviarMensagemClick()
{
    const QPointer<TfrmOrvel> form(this);
    try {
        nivo::TDialogService::MessageDialog(u"Deseja realmente reenviar a mensagem?"_s, nivo::mtConfirmation,
                                            {nivo::mbYes, nivo::mbNo}, nivo::mbNo, 0,
                                            [form](nivo::TModalResult result) {
                                                if (result == nivo::mrYes && form)
                                                    form->StartResend();
                                            });
    } catch (const std::exception &error) {
        TApplication::HandleException(error);
    }
}

void TfrmOrvel::StartResend()
{
    // The message whose details are shown, even if a list load has since replaced the rows.
    const QString messageKey = m_details.messageKey;
    ShowAniIndicator();
    ui->btnReenviarMensagem->setEnabled(false);

    const QString endPoint = nivo::GetBaseUrl() + nivo::lMESSAGES_END_POINT;
    const QString key = nivo::KeyAuthentication();
    RunInBackground(
        this, [endPoint, key, messageKey] { return RunMessageResend(endPoint, key, messageKey); },
        [this](TMessageResendOutcome outcome) { MessageResendDone(std::move(outcome)); });
}

void TfrmOrvel::MessageResendDone(TMessageResendOutcome outcome)
{
    memTableResendMessage = std::move(outcome.memTableResendMessage);
    ui->btnReenviarMensagem->setEnabled(true);
    HideAniIndicator();

    const QPointer<TfrmOrvel> form(this);
    try {
        switch (outcome.verdict) {
        case TMessageResendOutcome::Resent:
            nivo::TDialogService::MessageDialog(outcome.detailedMessage, nivo::mtInformation, {nivo::mbOK},
                                                nivo::mbOK, 0, [form](nivo::TModalResult result) {
                                                    if (result != nivo::mrOk || !form)
                                                        return;
                                                    form->SlideTo(form->ui->TabItem1);
                                                    form->btnAplicarFiltrosClick();
                                                });
            break;
        case TMessageResendOutcome::Refused:
            nivo::TDialogService::MessageDialog(outcome.detailedMessage, nivo::mtError, {nivo::mbOK}, nivo::mbOK, 0);
            break;
        case TMessageResendOutcome::SessionExpired:
            ShowWarning(SessionExpiredText);
            break;
        case TMessageResendOutcome::Nothing:
            break;
        }
    } catch (const std::exception &error) {
        TApplication::HandleException(error);
    }
}

void TfrmOrvel::DoOnPullRefresh()
{
    btnAplicarFiltrosClick();
}

bool TfrmOrvel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    // Pop-ups (calendar, selector list) keep their keys.
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (type == QEvent::KeyPress) {
        if (IsBackKey(key) && !key->isAutoRepeat())
            m_backKeyDown = true;
        return false;
    }
    return FormKeyUp(key);
}

bool TfrmOrvel::FormKeyUp(QKeyEvent *event)
{
    if (!IsBackKey(event) || event->isAutoRepeat() || !std::exchange(m_backKeyDown, false))
        return false;

    QInputMethod *keyboard = QGuiApplication::inputMethod();
    if (keyboard->isVisible()) {
        keyboard->hide();
        return true;
    }
    if (ui->MultiView1->IsOpen()) {
        ui->MultiView1->Close();
        return true;
    }

    QWidget *page = ui->TabControl1->currentWidget();
    if (page == ui->TabItem1) {
        if (!ui->SearchBox1->isHidden()) {
            ui->SearchBox1->clear();
            btnSearchVisibleClick();
            return true;
        }
        const QPointer<TfrmOrvel> form(this);
        try {
            nivo::TDialogService::MessageDialog(u"Deseja realmente fechar o aplicativo?"_s, nivo::mtConfirmation,
                                                {nivo::mbYes, nivo::mbNo}, nivo::mbNo, 0,
                                                [form](nivo::TModalResult result) {
                                                    if (result == nivo::mrYes && form)
                                                        form->close();
                                                });
        } catch (const std::exception &error) {
            TApplication::HandleException(error);
        }
    } else if (page == ui->TabItem2) {
        btnVoltarTab2Click();
    } else {
        SlideTo(ui->TabItem2);
    }
    return true;
}
