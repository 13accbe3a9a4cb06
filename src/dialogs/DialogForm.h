#pragma once

#include "dialogs/DialogTypes.h"

#include <QDialog>
#include <QList>

#include <functional>

class QLineEdit;
class QPushButton;

namespace nivo {

// A dialog window put together in code: a message with buttons, or an input query with one edit per
// prompt. Every way of closing it (a button, Esc, the window's close box) sets a modal result and
// goes through CloseQuery; a closed form frees itself.
class TDialogForm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDialogForm)

public:
    TDialogForm();

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult result) { FModalResult = result; }

    // Whether the form may close with mrCancel.
    bool CanCancel() const { return FCanCancel; }
    void SetCanCancel(bool canCancel) { FCanCancel = canCancel; }

    // Input query: one value per prompt, the defaults until the form closes with OK.
    const QStringList &Values() const { return FValues; }
    void SetValues(const QStringList &values) { FValues = values; }
    const QList<QLineEdit *> &Edits() const { return FEdits; }
    void AddEdit(QLineEdit *edit) { FEdits.append(edit); }

    // A button that closes the form with this result (mrNone: it does not close).
    void AddButton(QPushButton *button, TModalResult result);

    // The close step: runs once, when the form accepts closing.
    void SetCloseQueryProc(std::function<void()> proc) { FCloseQueryProc = std::move(proc); }
    // Asked with the typed values before an input query closes with OK; false keeps it open.
    void SetCloseQueryFunc(TInputCloseQueryFunc func) { FCloseQueryFunc = std::move(func); }

    // Asks to close with mrCancel, like the window's close box.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void ButtonOnClick(TModalResult result);
    void CloseWithResult(TModalResult result);
    void FormKeyDown(QKeyEvent *event);
    bool CloseQuery();

    QStringList FValues;
    QList<QLineEdit *> FEdits;
    std::function<void()> FCloseQueryProc;
    TInputCloseQueryFunc FCloseQueryFunc;
    bool FCanCancel = false;
    TModalResult FModalResult = mrNone;
    bool FClosed = false;
    bool FClosingFromForm = false;
};

} // namespace nivo
