#pragma once

#include "dialogs/DialogTypes.h"

namespace nivo {

class TDialogForm;

// Shows built dialogs: modally, returning after they closed, or modeless, returning at once. Either
// way the given procedure or event runs once with the result when the dialog closes. A dialog that
// cannot be built shows nothing.
class TDialogHelper final
{
public:
    TDialogHelper() = delete;

    static void MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                              TMsgDlgBtn DefaultButton, int AHelpCtx, const TInputCloseDialogProc &ACloseDialogProc,
                              bool AModalAndSync);
    static void MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                              TMsgDlgBtn DefaultButton, int AHelpCtx, const TInputCloseDialogEvent &ACloseDialogEvent,
                              QObject *AContext, bool AModalAndSync);
    // A message with the application's title and OK; it can always be cancelled.
    static void ShowMessage(const QString &AMessage, const TInputCloseDialogProc &ACloseDialogProc, bool AModalAndSync);
    static void ShowMessage(const QString &AMessage, const TInputCloseDialogEvent &ACloseDialogEvent, QObject *AContext,
                            bool AModalAndSync);
    // Raises the builder's argument errors before anything is shown.
    static void InputQuery(const QString &ACaption, const QStringList &APrompts, const QStringList &ADefaultValues,
                           const TInputCloseQueryProc &ACloseQueryProc, bool AModalAndSync);
    static void InputQuery(const QString &ACaption, const QStringList &APrompts, const QStringList &ADefaultValues,
                           const TInputCloseQueryEvent &ACloseQueryEvent, QObject *AContext, bool AModalAndSync);

    // Shows a built form; nothing when there is none.
    static void Show(TDialogForm *form, bool AModalAndSync);
};

} // namespace nivo
