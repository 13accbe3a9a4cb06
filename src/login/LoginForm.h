#pragma once

#include "dialogs/DialogTypes.h"

#include <QRectF>
#include <QWidget>

#include <exception>
#include <memory>

class BusyIndicator;
class QPropertyAnimation;
class TDataModuleConfig;
struct TSignInReply;

namespace Ui {
class TfrmLogin;
}

// The sign-in screen: the service address in a collapsible panel, the credentials, and the button that
// signs in. It remembers the address and, on request, the credentials in the settings file, and keeps
// the focused field above an on-screen keyboard.
class TfrmLogin final : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmLogin(TDataModuleConfig &config, QWidget *parent = nullptr);
    ~TfrmLogin() override;

    // Restores the panel, the address and the remembered credentials; runs at every show.
    void FormShow();

    // The on-screen keyboard came up, or moved, at ABounds (screen coordinates).
    void FormVirtualKeyboardShown(bool AKeyboardVisible, const QRect &ABounds);
    void FormVirtualKeyboardHidden(bool AKeyboardVisible, const QRect &ABounds);
    void FormFocusChanged();

    // Scrolls the focused field above the keyboard when the keyboard covers it, else back to the top.
    void UpdateKBBounds();
    void RestorePosition();

    void ShowAniIndicator();
    void HideAniIndicator();

signals:
    // A sign-in succeeded: the monitor screen takes over.
    void signedIn();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void DownImageClick();
    void UpImageClick();
    void HostEditExit();
    void PortEditExit();
    // Each returns whether it took the key.
    bool FormKeyDown(QKeyEvent *event);
    bool FormKeyUp(QKeyEvent *event);
    void LoginRectBTNClick();

    // The sign-in's reply, on the UI thread: its outcome, then the button and indicator back to idle.
    void SignInReplied(const TSignInReply &AReply);
    void FinishSignIn();
    void QueueMessage(const QString &AText, nivo::TMsgDlgType AType);

    void SaveAPI_ACCESS_CONFIG();
    void SaveAPI_AUTHENTICATION();

    void RunPanelAnimation(int AStartValue, int AStopValue);
    void SetServiceFieldsReachable(bool AReachable);
    void RealignContent();
    void InputPanelChanged();
    bool KeyboardVisible() const;
    void ShowErrorLater(std::exception_ptr AError);

    std::unique_ptr<Ui::TfrmLogin> ui;
    TDataModuleConfig &m_config;
    BusyIndicator *AniIndicator2;
    QPropertyAnimation *HostLayoutFloatAnimation;

    // Where the on-screen keyboard lies, in the form's coordinates; all 0 while there is none.
    QRectF FKBBounds;
    // The content is scrolled so that the focused field stands above the keyboard.
    bool FNeedOffset = false;
    bool m_keyboardShown = false;
};
