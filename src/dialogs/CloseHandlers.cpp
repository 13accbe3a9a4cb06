#include "dialogs/CloseHandlers.h"

#include <QPointer>

namespace nivo {

TInputCloseDialogProc CloseDialogProcOf(const TInputCloseDialogEvent &AEvent, QObject *AContext)
{
    if (!AEvent)
        return {};
    return [AEvent, AContext, guard = QPointer<QObject>(AContext)](TModalResult result) {
        if (!AContext || guard)
            AEvent(AContext, result);
    };
}

TInputCloseQueryProc CloseQueryProcOf(const TInputCloseQueryEvent &AEvent, QObject *AContext)
{
    if (!AEvent)
        return {};
    return [AEvent, AContext, guard = QPointer<QObject>(AContext)](TModalResult result, const QStringList &values) {
        if (!AContext || guard)
            AEvent(AContext, result, values);
    };
}

} // namespace nivo
