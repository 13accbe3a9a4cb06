#pragma once

#include <QString>

namespace nivo {

// Identifiers of the dialog service's fixed texts in the program's string table.
enum TDialogStringId : int {
    StrHelpButton = 64192,
    StrAbortButton = 64193,
    StrRetryButton = 64194,
    StrIgnoreButton = 64195,
    StrAllButton = 64196,
    StrNoToAllButton = 64197,
    StrYesToAllButton = 64198,
    StrCloseButton = 64199,
    StrFewerValuesThanPrompts = 64200,
    StrNoPrompts = 64201,
    StrFileDialogNeedsNewerSystem = 64202,
    StrWarningTitle = 64216,
    StrErrorTitle = 64217,
    StrInformationTitle = 64218,
    StrConfirmationTitle = 64219,
    StrYesButton = 64220,
    StrNoButton = 64221,
    StrOkButton = 64222,
    StrCancelButton = 64223,
};

// The text stored under the identifier; empty for an identifier the table does not hold.
QString LoadResString(int id);

} // namespace nivo
