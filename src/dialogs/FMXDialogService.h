#pragma once

#include "dialogs/DialogCaptions.h"
#include "dialogs/DialogServiceInterfaces.h"
#include "dialogs/MessageBoxStyle.h"

#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace nivo {

class TSystemMessageBox;

// The program's dialog service, registered in place of any other under the three dialog service
// interfaces. Message dialogs of the screens are message boxes with Portuguese titles and captions;
// the asynchronous operations and the input queries show built dialogs.
class TFMXDialogService final : public IFMXDialogService, public IFMXDialogServiceSync, public IFMXDialogServiceAsync
{
public:
    // Shows a message box modally and returns the control identifier of the pressed button.
    using TMessageBoxRunner = std::function<int(TSystemMessageBox &)>;

    // The runner is for tests; by default the box is shown and answered by the user.
    explicit TFMXDialogService(TMessageBoxRunner runner = {});
    Q_DISABLE_COPY_MOVE(TFMXDialogService)

    // The single instance.
    static std::shared_ptr<TFMXDialogService> GetCurrent();
    // Loads the caption tables, removes any earlier service under the three identifiers and registers
    // the single instance under all three, in that order.
    static void Register();

    // Window titles of the message boxes, by dialog type.
    static const TMsgCaptionTable &MsgCaptions();
    // Icon flags of the message boxes, by dialog type; none for mtCustom.
    static constexpr std::array<unsigned, mtCustom + 1> MsgIcons{MB_ICONWARNING, MB_ICONERROR, MB_ICONINFORMATION,
                                                                 MB_ICONQUESTION, 0};

    // IFMXDialogService: no UI-thread check here.
    TModalResult MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                               TMsgDlgBtn ADefaultButton, int AX, int AY, int AHelpCtx,
                               const QString &AHelpFileName) override;
    TModalResult MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                               TMsgDlgBtn ADefaultButton, int AX, int AY, int AHelpCtx, const QString &AHelpFileName,
                               const TInputCloseDialogProc &ACloseDialogProc) override;
    bool InputQuery(const QString &ACaption, const QStringList &APrompts, QStringList &AValues,
                    const TInputCloseQueryFunc &ACloseQueryFunc) override;
    void InputQuery(const QString &ACaption, const QStringList &APrompts, const QStringList &ADefaultValues,
                    const TInputCloseQueryProc &ACloseQueryProc) override;

    // IFMXDialogServiceSync
    void ShowMessageSync(const QString &AMessage) override;
    TModalResult MessageDialogSync(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                                   TMsgDlgBtn ADefaultButton, int AHelpCtx) override;
    bool InputQuerySync(const QString &ACaption, const QStringList &APrompts, QStringList &AValues) override;

    // IFMXDialogServiceAsync
    void ShowMessageAsync(const QString &AMessage) override;
    void ShowMessageAsync(const QString &AMessage, const TInputCloseDialogProc &ACloseDialogProc) override;
    void ShowMessageAsync(const QString &AMessage, const TInputCloseDialogEvent &ACloseDialogEvent,
                          QObject *AContext) override;
    void MessageDialogAsync(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                            TMsgDlgBtn ADefaultButton, int AHelpCtx,
                            const TInputCloseDialogProc &ACloseDialogProc) override;
    void MessageDialogAsync(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                            TMsgDlgBtn ADefaultButton, int AHelpCtx, const TInputCloseDialogEvent &ACloseDialogEvent,
                            QObject *AContext) override;
    void InputQueryAsync(const QString &ACaption, const QStringList &APrompts, const QStringList &ADefaultValues,
                         const TInputCloseQueryProc &ACloseQueryProc) override;
    void InputQueryAsync(const QString &ACaption, const QStringList &APrompts, const QStringList &ADefaultValues,
                         const TInputCloseQueryEvent &ACloseQueryEvent, QObject *AContext) override;

    // Bookkeeping of the open changed boxes, innermost last: BeginHook and EndHook bracket one box,
    // ConvertResult turns its answer into the modal result.
    void BeginHook(TMsgDlgButtons AMsgDlgButtons);
    void EndHook();
    TModalResult ConvertResult(TModalResult ModalResult) const;
    int GetCount() const { return static_cast<int>(FHookList.size()); }

private:
    struct TDialogData
    {
        QPointer<TSystemMessageBox> Dialog;
        TMsgDlgButtons MsgDlgButtons;
    };

    bool NeedInit() const;
    // Binds the last record to its box and changes the box for the requested buttons.
    bool InitLastData(TSystemMessageBox *ADialog);
    // The owner of a message box: the active window, if any.
    static QWidget *GetHWND();

    static inline std::shared_ptr<TFMXDialogService> FCurrent;
    TMessageBoxRunner FRunner;
    std::vector<TDialogData> FHookList;
};

} // namespace nivo
