#pragma once

#include "dialogs/DialogTypes.h"

namespace nivo {

// The dispatcher every screen calls for its messages and questions.
class TDialogService final
{
public:
    TDialogService() = delete;

    // Shows the message through the registered synchronous service, waits for the answer and then runs
    // the handler once with it. Without a synchronous service the call and its handler go to the
    // asynchronous one.
    static void MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                              TMsgDlgBtn ADefaultButton, int AHelpCtx,
                              const TInputCloseDialogProc &ACloseDialogProc = {});
    static void MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                              TMsgDlgBtn ADefaultButton, int AHelpCtx, const TInputCloseDialogEvent &ACloseDialogEvent,
                              QObject *AContext);
};

} // namespace nivo
