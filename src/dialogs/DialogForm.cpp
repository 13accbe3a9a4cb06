#include "dialogs/DialogForm.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

namespace nivo {

TDialogForm::TDialogForm()
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void TDialogForm::AddButton(QPushButton *button, TModalResult result)
{
    connect(button, &QPushButton::clicked, this, [this, result] { ButtonOnClick(result); });
}

void TDialogForm::reject()
{
    close();
}

void TDialogForm::ButtonOnClick(TModalResult result)
{
    CloseWithResult(result);
}

void TDialogForm::CloseWithResult(TModalResult result)
{
    FModalResult = result;
    const QScopedValueRollback<bool> fromForm(FClosingFromForm, true);
    close();
}

void TDialogForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        FormKeyDown(event);
    else
        QDialog::keyPressEvent(event);
}

void TDialogForm::FormKeyDown(QKeyEvent *event)
{
    event->accept();
    if (FCanCancel && windowFlags().testFlag(Qt::WindowSystemMenuHint))
        CloseWithResult(mrCancel);
}

void TDialogForm::closeEvent(QCloseEvent *event)
{
    // The close step has run; the form is only waiting to be freed.
    if (FClosed) {
        event->accept();
        return;
    }
    // A close that does not come from the form's own buttons or keys is the window's close box (or
    // the program closing its windows): it asks to cancel.
    if (!FClosingFromForm && FModalResult == mrNone)
        FModalResult = mrCancel;
    if (CloseQuery()) {
        FClosed = true;
        setResult(FModalResult);
        event->accept();
    } else {
        FModalResult = mrNone;
        event->ignore();
    }
}

bool TDialogForm::CloseQuery()
{
    if (FModalResult == mrNone || (FModalResult == mrCancel && !FCanCancel))
        return false;
    if (FModalResult == mrOk && !FEdits.isEmpty()) {
        QStringList typed = FValues;
        for (qsizetype i = 0; i < typed.size() && i < FEdits.size(); ++i)
            typed[i] = FEdits.at(i)->text();
        if (FCloseQueryFunc && !FCloseQueryFunc(typed))
            return false;
        FValues = typed;
    }
    if (FCloseQueryProc)
        FCloseQueryProc();
    return true;
}

} // namespace nivo
