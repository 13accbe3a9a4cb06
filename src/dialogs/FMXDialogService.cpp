#include "dialogs/FMXDialogService.h"

#include "dialogs/PlatformServices.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace nivo {

namespace {

QString titleOf(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return u"Aviso"_s;
    case mtError: return u"Erro"_s;
    case mtInformation: return u"Informação"_s;
    case mtConfirmation: return u"Confirmar"_s;
    case mtCustom: break;
    }
    return QCoreApplication::applicationName();
}

QMessageBox::Icon iconOf(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    case mtCustom: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

std::shared_ptr<TFMXDialogService> TFMXDialogService::GetCurrent()
{
    static const auto instance = std::make_shared<TFMXDialogService>();
    return instance;
}

void TFMXDialogService::Register()
{
    auto &registry = TPlatformServices::Current();
    registry.RemovePlatformService(IFMXDialogServiceId);
    registry.RemovePlatformService(IFMXDialogServiceSyncId);
    registry.RemovePlatformService(IFMXDialogServiceAsyncId);
    registry.AddPlatformService(IFMXDialogServiceSyncId, GetCurrent());
}

void TFMXDialogService::ShowMessageSync(const QString &AMessage)
{
    MessageDialogSync(AMessage, mtCustom, {mbOK}, mbOK, 0);
}

TModalResult TFMXDialogService::MessageDialogSync(const QString &AMessage, TMsgDlgType ADialogType,
                                                  TMsgDlgButtons AButtons, TMsgDlgBtn ADefaultButton, int)
{
    QMessageBox box(iconOf(ADialogType), titleOf(ADialogType), AMessage);
    const bool yesNo = AButtons == TMsgDlgButtons{mbYes, mbNo};
    QPushButton *yes = yesNo ? box.addButton(u"Sim"_s, QMessageBox::YesRole) : nullptr;
    QPushButton *no = yesNo ? box.addButton(u"Não"_s, QMessageBox::NoRole) : nullptr;
    QPushButton *ok = yesNo ? nullptr : box.addButton(u"OK"_s, QMessageBox::AcceptRole);
    box.setDefaultButton(yesNo ? (ADefaultButton == mbNo ? no : yes) : ok);
    box.exec();
    if (yesNo)
        return box.clickedButton() == yes ? mrYes : mrNo;
    return mrOk;
}

bool TFMXDialogService::InputQuerySync(const QString &, const QStringList &, QStringList &)
{
    return false;
}

} // namespace nivo
