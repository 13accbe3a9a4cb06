#pragma once

#include "dialogs/DialogServiceInterfaces.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

// Stands in for the program's dialog service in tests: records every message dialog and answers it
// from a script, so no test ever waits on a real box.
class ScriptedDialogService final : public QObject, public nivo::IFMXDialogServiceSync
{
    Q_OBJECT

public:
    struct Call
    {
        QString text;
        nivo::TMsgDlgType type = nivo::mtCustom;
        nivo::TMsgDlgButtons buttons;
        nivo::TMsgDlgBtn defaultButton = nivo::mbOK;
        int helpCtx = 0;
    };

    // Registers a fresh instance as the synchronous dialog service, in place of any other.
    static std::shared_ptr<ScriptedDialogService> install();
    static void uninstall();

    // Answers for the next calls, in order; once they run out a call is answered with its default button.
    void answer(nivo::TModalResult result) { m_script.append(result); }
    // Runs while the dialog is "open", before it answers (for checks of the screen under the dialog).
    void setWhileOpen(std::function<void(const Call &)> f) { m_whileOpen = std::move(f); }

    const QList<Call> &calls() const { return m_calls; }
    QStringList texts() const;
    void clear() { m_calls.clear(); }

    void ShowMessageSync(const QString &AMessage) override;
    nivo::TModalResult MessageDialogSync(const QString &AMessage, nivo::TMsgDlgType ADialogType,
                                         nivo::TMsgDlgButtons AButtons, nivo::TMsgDlgBtn ADefaultButton,
                                         int AHelpCtx) override;
    bool InputQuerySync(const QString &ACaption, const QStringList &APrompts, QStringList &AValues) override;

signals:
    void called();

private:
    QList<Call> m_calls;
    QList<nivo::TModalResult> m_script;
    std::function<void(const Call &)> m_whileOpen;
};
