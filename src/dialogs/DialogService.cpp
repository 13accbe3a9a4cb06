#include "dialogs/DialogService.h"

#include "dialogs/PlatformServices.h"

namespace nivo {

void TDialogService::MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                                   TMsgDlgBtn ADefaultButton, int AHelpCtx,
                                   const TInputCloseDialogProc &ACloseDialogProc)
{
    auto &registry = TPlatformServices::Current();
    if (auto sync = registry.SupportsPlatformService<IFMXDialogServiceSync>(IFMXDialogServiceSyncId)) {
        const TModalResult result = sync->MessageDialogSync(AMessage, ADialogType, AButtons, ADefaultButton, AHelpCtx);
        if (ACloseDialogProc)
            ACloseDialogProc(result);
        return;
    }
    if (auto async = registry.SupportsPlatformService<IFMXDialogServiceAsync>(IFMXDialogServiceAsyncId))
        async->MessageDialogAsync(AMessage, ADialogType, AButtons, ADefaultButton, AHelpCtx, ACloseDialogProc);
}

void TDialogService::MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                                   TMsgDlgBtn ADefaultButton, int AHelpCtx,
                                   const TInputCloseDialogEvent &ACloseDialogEvent, QObject *AContext)
{
    TInputCloseDialogProc proc;
    if (ACloseDialogEvent)
        proc = [ACloseDialogEvent, AContext](TModalResult result) { ACloseDialogEvent(AContext, result); };
    MessageDialog(AMessage, ADialogType, AButtons, ADefaultButton, AHelpCtx, proc);
}

} // namespace nivo
