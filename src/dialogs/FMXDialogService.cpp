#include "dialogs/FMXDialogService.h"

#include "dialogs/CloseHandlers.h"
#include "dialogs/DialogBuilder.h"
#include "dialogs/DialogForm.h"
#include "dialogs/DialogHelper.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/PlatformServices.h"
#include "dialogs/SystemMessageBox.h"
#include "dialogs/UIThreadCheck.h"

#include <QApplication>
#include <QScopeGuard>

namespace nivo {

namespace {

int ShowAndAnswer(TSystemMessageBox &box)
{
    return box.Execute();
}

// Abort and Ignore only: the Retry button goes and Abort moves up to Ignore.
void HideRetry(TSystemMessageBox &box)
{
    box.RemoveButton(IDRETRY);
}

// Yes, Yes to all, No, No to all, Cancel (and Help): the two extra buttons answer with the control
// identifiers of Retry and Ignore, which the box of this style does not have.
void RelabelYesNoCancel(TSystemMessageBox &box)
{
    box.CreateButton(IDRETRY, LoadResString(StrYesToAllButton));
    box.CreateButton(IDIGNORE, LoadResString(StrNoToAllButton));
    box.SetButtonText(IDYES, LoadResString(StrYesButton));
    box.SetButtonText(IDNO, LoadResString(StrNoButton));
    box.SetButtonText(IDCANCEL, LoadResString(StrCancelButton));
    box.SetButtonText(IDHELP, LoadResString(StrHelpButton));
    box.ArrangeButtons({IDYES, IDRETRY, IDNO, IDIGNORE, IDCANCEL, IDHELP});
}

} // namespace

TFMXDialogService::TFMXDialogService(TMessageBoxRunner runner)
    : FRunner(runner ? std::move(runner) : TMessageBoxRunner(ShowAndAnswer))
{
}

std::shared_ptr<TFMXDialogService> TFMXDialogService::GetCurrent()
{
    if (!FCurrent)
        FCurrent = std::make_shared<TFMXDialogService>();
    return FCurrent;
}

void TFMXDialogService::Register()
{
    MsgCaptions();
    TDialogBuilder::MsgCaptions();
    TDialogBuilder::ButtonCaptions();

    auto &registry = TPlatformServices::Current();
    registry.RemovePlatformService(IFMXDialogServiceId);
    registry.RemovePlatformService(IFMXDialogServiceSyncId);
    registry.RemovePlatformService(IFMXDialogServiceAsyncId);
    const std::shared_ptr<TFMXDialogService> service = GetCurrent();
    registry.AddPlatformService(IFMXDialogServiceId, service);
    registry.AddPlatformService(IFMXDialogServiceSyncId, service);
    registry.AddPlatformService(IFMXDialogServiceAsyncId, service);
}

const TMsgCaptionTable &TFMXDialogService::MsgCaptions()
{
    static const TMsgCaptionTable captions = LoadMsgCaptions();
    return captions;
}

TModalResult TFMXDialogService::MessageDialog(const QString &AMessage, TMsgDlgType ADialogType,
                                              TMsgDlgButtons AButtons, TMsgDlgBtn ADefaultButton, int, int, int,
                                              const QString &)
{
    const unsigned style = MessageBoxStyle(AButtons, ADefaultButton) | MsgIcons[ADialogType];
    // The box's owner may go while the box is open, and take the box with it.
    QPointer<TSystemMessageBox> box =
        new TSystemMessageBox(GetHWND(), AMessage, DialogTitle(MsgCaptions(), ADialogType), style);
    const auto freeBox = qScopeGuard([&box] { delete box.data(); });

    const TMsgDlgButtons core = AButtons.without(mbHelp);
    if (core != AbortIgnoreButtons && core != YesNoCancelToAllButtons)
        return FRunner(*box);

    BeginHook(AButtons);
    const auto endHook = qScopeGuard([this] { EndHook(); });
    InitLastData(box);
    return ConvertResult(FRunner(*box));
}

TModalResult TFMXDialogService::MessageDialog(const QString &AMessage, TMsgDlgType ADialogType,
                                              TMsgDlgButtons AButtons, TMsgDlgBtn ADefaultButton, int AX, int AY,
                                              int AHelpCtx, const QString &AHelpFileName,
                                              const TInputCloseDialogProc &ACloseDialogProc)
{
    const TModalResult result =
        MessageDialog(AMessage, ADialogType, AButtons, ADefaultButton, AX, AY, AHelpCtx, AHelpFileName);
    if (ACloseDialogProc)
        ACloseDialogProc(result);
    return result;
}

bool TFMXDialogService::InputQuery(const QString &ACaption, const QStringList &APrompts, QStringList &AValues,
                                   const TInputCloseQueryFunc &ACloseQueryFunc)
{
    TModalResult result = mrNone;
    QStringList stored;
    TDialogForm *form =
        TDialogBuilder::InputQuery(ACaption, APrompts, AValues, [&](TModalResult r, const QStringList &values) {
            result = r;
            stored = values;
        });
    if (!form)
        return false;
    form->SetCloseQueryFunc(ACloseQueryFunc);
    TDialogHelper::Show(form, true);

    // One value per prompt comes back; values beyond the prompts are left as they were.
    for (qsizetype i = 0; i < stored.size() && i < AValues.size(); ++i)
        AValues[i] = stored.at(i);
    return result == mrOk;
}

void TFMXDialogService::InputQuery(const QString &ACaption, const QStringList &APrompts,
                                   const QStringList &ADefaultValues, const TInputCloseQueryProc &ACloseQueryProc)
{
    QStringList values = ADefaultValues;
    const TModalResult result = InputQuery(ACaption, APrompts, values, {}) ? mrOk : mrCancel;
    if (ACloseQueryProc)
        ACloseQueryProc(result, values);
}

void TFMXDialogService::ShowMessageSync(const QString &AMessage)
{
    MessageDialogSync(AMessage, mtCustom, {mbOK}, mbOK, 0);
}

TModalResult TFMXDialogService::MessageDialogSync(const QString &AMessage, TMsgDlgType ADialogType,
                                                  TMsgDlgButtons AButtons, TMsgDlgBtn ADefaultButton, int)
{
    CheckUIThread();
    return MessageDialog(AMessage, ADialogType, AButtons, ADefaultButton, 0, 0, 0, QString());
}

bool TFMXDialogService::InputQuerySync(const QString &ACaption, const QStringList &APrompts, QStringList &AValues)
{
    CheckUIThread();
    return InputQuery(ACaption, APrompts, AValues, {});
}

void TFMXDialogService::ShowMessageAsync(const QString &AMessage)
{
    ShowMessageAsync(AMessage, TInputCloseDialogProc());
}

void TFMXDialogService::ShowMessageAsync(const QString &AMessage, const TInputCloseDialogProc &ACloseDialogProc)
{
    CheckUIThread();
    TDialogHelper::ShowMessage(AMessage, ACloseDialogProc, false);
}

void TFMXDialogService::ShowMessageAsync(const QString &AMessage, const TInputCloseDialogEvent &ACloseDialogEvent,
                                         QObject *AContext)
{
    ShowMessageAsync(AMessage, CloseDialogProcOf(ACloseDialogEvent, AContext));
}

void TFMXDialogService::MessageDialogAsync(const QString &AMessage, TMsgDlgType ADialogType,
                                           TMsgDlgButtons AButtons, TMsgDlgBtn ADefaultButton, int AHelpCtx,
                                           const TInputCloseDialogProc &ACloseDialogProc)
{
    CheckUIThread();
    TDialogHelper::MessageDialog(AMessage, ADialogType, AButtons, ADefaultButton, AHelpCtx, ACloseDialogProc, false);
}

void TFMXDialogService::MessageDialogAsync(const QString &AMessage, TMsgDlgType ADialogType,
                                           TMsgDlgButtons AButtons, TMsgDlgBtn ADefaultButton, int AHelpCtx,
                                           const TInputCloseDialogEvent &ACloseDialogEvent, QObject *AContext)
{
    MessageDialogAsync(AMessage, ADialogType, AButtons, ADefaultButton, AHelpCtx,
                       CloseDialogProcOf(ACloseDialogEvent, AContext));
}

void TFMXDialogService::InputQueryAsync(const QString &ACaption, const QStringList &APrompts,
                                        const QStringList &ADefaultValues,
                                        const TInputCloseQueryProc &ACloseQueryProc)
{
    CheckUIThread();
    TDialogHelper::InputQuery(ACaption, APrompts, ADefaultValues, ACloseQueryProc, false);
}

void TFMXDialogService::InputQueryAsync(const QString &ACaption, const QStringList &APrompts,
                                        const QStringList &ADefaultValues,
                                        const TInputCloseQueryEvent &ACloseQueryEvent, QObject *AContext)
{
    InputQueryAsync(ACaption, APrompts, ADefaultValues, CloseQueryProcOf(ACloseQueryEvent, AContext));
}

void TFMXDialogService::BeginHook(TMsgDlgButtons AMsgDlgButtons)
{
    FHookList.push_back({nullptr, AMsgDlgButtons});
}

void TFMXDialogService::EndHook()
{
    if (!FHookList.empty())
        FHookList.pop_back();
}

TModalResult TFMXDialogService::ConvertResult(TModalResult ModalResult) const
{
    if (FHookList.empty() || !FHookList.back().MsgDlgButtons.containsAll(YesNoCancelToAllButtons))
        return ModalResult;
    if (ModalResult == IDRETRY)
        return mrYesToAll;
    if (ModalResult == IDIGNORE)
        return mrNoToAll;
    return ModalResult;
}

bool TFMXDialogService::NeedInit() const
{
    return !FHookList.empty() && !FHookList.back().Dialog;
}

bool TFMXDialogService::InitLastData(TSystemMessageBox *ADialog)
{
    if (!ADialog || !NeedInit())
        return false;
    TDialogData &data = FHookList.back();
    data.Dialog = ADialog;
    if (data.MsgDlgButtons.containsAll(AbortIgnoreButtons))
        HideRetry(*ADialog);
    else if (data.MsgDlgButtons.containsAll(YesNoCancelToAllButtons))
        RelabelYesNoCancel(*ADialog);
    return true;
}

QWidget *TFMXDialogService::GetHWND()
{
    return QApplication::activeWindow();
}

} // namespace nivo
