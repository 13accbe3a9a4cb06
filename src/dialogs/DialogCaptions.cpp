#include "dialogs/DialogCaptions.h"

#include "dialogs/DialogStrings.h"

#include <QCoreApplication>

namespace nivo {

TMsgCaptionTable LoadMsgCaptions()
{
    return {LoadResString(StrWarningTitle), LoadResString(StrErrorTitle), LoadResString(StrInformationTitle),
            LoadResString(StrConfirmationTitle), QString()};
}

TButtonCaptionTable LoadButtonCaptions()
{
    return {LoadResString(StrYesButton),     LoadResString(StrNoButton),      LoadResString(StrOkButton),
            LoadResString(StrCancelButton),  LoadResString(StrAbortButton),   LoadResString(StrRetryButton),
            LoadResString(StrIgnoreButton),  LoadResString(StrAllButton),     LoadResString(StrNoToAllButton),
            LoadResString(StrYesToAllButton), LoadResString(StrHelpButton),   LoadResString(StrCloseButton)};
}

QString DialogTitle(const TMsgCaptionTable &captions, TMsgDlgType type)
{
    return type == mtCustom ? QCoreApplication::applicationName() : captions[type];
}

} // namespace nivo
