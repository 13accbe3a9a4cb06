#include "monitor/OrvelForm.h"

#include "ui_OrvelForm.h"

#include "app/Application.h"
#include "dialogs/DialogService.h"
#include "monitor/MessageFilterProxy.h"
#include "monitor/MessageListModel.h"
#include "monitor/MessageRowDelegate.h"
#include "widgets/BusyIndicator.h"

#include <QFile>
#include <QPointer>
#include <QShowEvent>

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
