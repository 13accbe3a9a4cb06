#include "monitor/OrvelForm.h"

#include "ui_OrvelForm.h"

#include "app/Application.h"
#include "dialogs/DialogService.h"
#include "monitor/BackgroundTask.h"
#include "monitor/ExternalApplicationsLoad.h"
#include "monitor/MessageFilterProxy.h"
#include "monitor/MessageListLoad.h"
#include "monitor/MessageListModel.h"
#include "monitor/MessageRowDelegate.h"
#include "rest/BaseUrl.h"
#include "rest/KeyAuthentication.h"
#include "rest/MonitorApi.h"
#include "widgets/BusyIndicator.h"

#include <QFile>
#include <QPointer>
#include <QShowEvent>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

QString LoadStyleSheet()
{
    QFile file(u":/styles/orvel.qss"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
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
    ui->LayoutPullToRefresh->setFixedHeight(0);
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
