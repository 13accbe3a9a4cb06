#pragma once

#include "dialogs/DialogTypes.h"

namespace nivo {

// A close procedure that calls the event with the context object. Dialogs that are not modal can
// outlive the context: once a context that was given is destroyed, the event is no longer called.
TInputCloseDialogProc CloseDialogProcOf(const TInputCloseDialogEvent &AEvent, QObject *AContext);
TInputCloseQueryProc CloseQueryProcOf(const TInputCloseQueryEvent &AEvent, QObject *AContext);

} // namespace nivo
