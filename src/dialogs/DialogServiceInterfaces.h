#pragma once

#include "dialogs/DialogTypes.h"

#include <QLatin1StringView>

namespace nivo {

// Root of everything the platform-services registry holds.
class IInterface
{
public:
    virtual ~IInterface() = default;
};

inline constexpr QLatin1StringView IFMXDialogServiceId{"{CF7DCC1C-B5D6-4B24-92E7-1D09768E2D6B}"};
inline constexpr QLatin1StringView IFMXDialogServiceSyncId{"{7E6B3966-C08E-466F-B4A0-7996A1C3BA04}"};
inline constexpr QLatin1StringView IFMXDialogServiceAsyncId{"{BB65E682-1F27-42E1-90DE-6FA006E09EA5}"};

class IFMXDialogService : public virtual IInterface
{
public:
    virtual TModalResult MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                                       TMsgDlgBtn ADefaultButton, int AX, int AY, int AHelpCtx,
                                       const QString &AHelpFileName) = 0;
    virtual TModalResult MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                                       TMsgDlgBtn ADefaultButton, int AX, int AY, int AHelpCtx,
                                       const QString &AHelpFileName,
                                       const TInputCloseDialogProc &ACloseDialogProc) = 0;
    virtual bool InputQuery(const QString &ACaption, const QStringList &APrompts, QStringList &AValues,
                            const TInputCloseQueryFunc &ACloseQueryFunc) = 0;
    virtual void InputQuery(const QString &ACaption, const QStringList &APrompts,
                            const QStringList &ADefaultValues, const TInputCloseQueryProc &ACloseQueryProc) = 0;
};

class IFMXDialogServiceSync : public virtual IInterface
{
public:
    virtual void ShowMessageSync(const QString &AMessage) = 0;
    virtual TModalResult MessageDialogSync(const QString &AMessage, TMsgDlgType ADialogType,
                                           TMsgDlgButtons AButtons, TMsgDlgBtn ADefaultButton, int AHelpCtx) = 0;
    virtual bool InputQuerySync(const QString &ACaption, const QStringList &APrompts, QStringList &AValues) = 0;
};

class IFMXDialogServiceAsync : public virtual IInterface
{
public:
    virtual void ShowMessageAsync(const QString &AMessage) = 0;
    virtual void ShowMessageAsync(const QString &AMessage, const TInputCloseDialogProc &ACloseDialogProc) = 0;
    virtual void ShowMessageAsync(const QString &AMessage, const TInputCloseDialogEvent &ACloseDialogEvent,
                                  QObject *AContext) = 0;
    virtual void MessageDialogAsync(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                                    TMsgDlgBtn ADefaultButton, int AHelpCtx,
                                    const TInputCloseDialogProc &ACloseDialogProc) = 0;
    virtual void MessageDialogAsync(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                                    TMsgDlgBtn ADefaultButton, int AHelpCtx,
                                    const TInputCloseDialogEvent &ACloseDialogEvent, QObject *AContext) = 0;
    virtual void InputQueryAsync(const QString &ACaption, const QStringList &APrompts,
                                 const QStringList &ADefaultValues, const TInputCloseQueryProc &ACloseQueryProc) = 0;
    virtual void InputQueryAsync(const QString &ACaption, const QStringList &APrompts,
                                 const QStringList &ADefaultValues, const TInputCloseQueryEvent &ACloseQueryEvent,
                                 QObject *AContext) = 0;
};

} // namespace nivo
