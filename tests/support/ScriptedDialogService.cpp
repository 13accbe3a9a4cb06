#include "ScriptedDialogService.h"

#include "dialogs/PlatformServices.h"

using namespace nivo;

std::shared_ptr<ScriptedDialogService> ScriptedDialogService::install()
{
    uninstall();
    auto service = std::make_shared<ScriptedDialogService>();
    TPlatformServices::Current().AddPlatformService(IFMXDialogServiceSyncId, service);
    return service;
}

void ScriptedDialogService::uninstall()
{
    auto &registry = TPlatformServices::Current();
    registry.RemovePlatformService(IFMXDialogServiceId);
    registry.RemovePlatformService(IFMXDialogServiceSyncId);
    registry.RemovePlatformService(IFMXDialogServiceAsyncId);
}

QStringList ScriptedDialogService::texts() const
{
    QStringList list;
    for (const Call &c : m_calls)
        list.append(c.text);
    return list;
}

void ScriptedDialogService::ShowMessageSync(const QString &AMessage)
{
    MessageDialogSync(AMessage, mtCustom, {mbOK}, mbOK, 0);
}

TModalResult ScriptedDialogService::MessageDialogSync(const QString &AMessage, TMsgDlgType ADialogType,
                                                      TMsgDlgButtons AButtons, TMsgDlgBtn ADefaultButton,
                                                      int AHelpCtx)
{
    const Call call{AMessage, ADialogType, AButtons, ADefaultButton, AHelpCtx};
    m_calls.append(call);
    if (m_whileOpen)
        m_whileOpen(call);
    emit called();
    return m_script.isEmpty() ? ModalResultOf(ADefaultButton) : m_script.takeFirst();
}

bool ScriptedDialogService::InputQuerySync(const QString &, const QStringList &, QStringList &)
{
    return false;
}
