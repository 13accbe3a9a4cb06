#include "dialogs/DialogHelper.h"

#include "dialogs/CloseHandlers.h"
#include "dialogs/DialogBuilder.h"
#include "dialogs/DialogForm.h"

namespace nivo {

void TDialogHelper::MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                                  TMsgDlgBtn DefaultButton, int AHelpCtx,
                                  const TInputCloseDialogProc &ACloseDialogProc, bool AModalAndSync)
{
    Show(TDialogBuilder::MessageDialog(AMessage, ADialogType, AButtons, DefaultButton, AHelpCtx, ACloseDialogProc,
                                       false),
         AModalAndSync);
}

void TDialogHelper::MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                                  TMsgDlgBtn DefaultButton, int AHelpCtx,
                                  const TInputCloseDialogEvent &ACloseDialogEvent, QObject *AContext,
                                  bool AModalAndSync)
{
    MessageDialog(AMessage, ADialogType, AButtons, DefaultButton, AHelpCtx,
                  CloseDialogProcOf(ACloseDialogEvent, AContext), AModalAndSync);
}

void TDialogHelper::ShowMessage(const QString &AMessage, const TInputCloseDialogProc &ACloseDialogProc,
                                bool AModalAndSync)
{
    Show(TDialogBuilder::MessageDialog(AMessage, mtCustom, {mbOK}, mbOK, 0, ACloseDialogProc, true), AModalAndSync);
}

void TDialogHelper::ShowMessage(const QString &AMessage, const TInputCloseDialogEvent &ACloseDialogEvent,
                                QObject *AContext, bool AModalAndSync)
{
    ShowMessage(AMessage, CloseDialogProcOf(ACloseDialogEvent, AContext), AModalAndSync);
}

void TDialogHelper::InputQuery(const QString &ACaption, const QStringList &APrompts,
                               const QStringList &ADefaultValues, const TInputCloseQueryProc &ACloseQueryProc,
                               bool AModalAndSync)
{
    Show(TDialogBuilder::InputQuery(ACaption, APrompts, ADefaultValues, ACloseQueryProc), AModalAndSync);
}

void TDialogHelper::InputQuery(const QString &ACaption, const QStringList &APrompts,
                               const QStringList &ADefaultValues, const TInputCloseQueryEvent &ACloseQueryEvent,
                               QObject *AContext, bool AModalAndSync)
{
    InputQuery(ACaption, APrompts, ADefaultValues, CloseQueryProcOf(ACloseQueryEvent, AContext), AModalAndSync);
}

void TDialogHelper::Show(TDialogForm *form, bool AModalAndSync)
{
    if (!form)
        return;
    if (AModalAndSync)
        form->exec();
    else
        form->show();
}

} // namespace nivo
