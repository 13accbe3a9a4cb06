#pragma once

#include "dialogs/DialogServiceInterfaces.h"

#include <memory>

namespace nivo {

// The program's dialog service: Portuguese message boxes for every screen.
class TFMXDialogService final : public IFMXDialogServiceSync
{
public:
    // The single instance.
    static std::shared_ptr<TFMXDialogService> GetCurrent();
    // Puts this service in the registry in place of any earlier one.
    static void Register();

    void ShowMessageSync(const QString &AMessage) override;
    TModalResult MessageDialogSync(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                                   TMsgDlgBtn ADefaultButton, int AHelpCtx) override;
    bool InputQuerySync(const QString &ACaption, const QStringList &APrompts, QStringList &AValues) override;
};

} // namespace nivo
