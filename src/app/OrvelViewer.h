#pragma once

#include "app/Application.h"

class TDataModuleConfig;
class TfrmLogin;
class TfrmOrvel;

// The program's start-up and screen flow: the settings module and the two screens, created in this
// order, with the main window handed from the sign-in screen to the monitor screen after a sign-in.
class TOrvelViewer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TOrvelViewer)

public:
    TOrvelViewer();
    ~TOrvelViewer() override;

    // The process-wide set-up that comes before any object of the program exists.
    static void InitializeModules();

    // Creates the settings module, the sign-in screen and the monitor screen, in this order, and shows
    // the sign-in screen as the main form. Runs as the event loop starts.
    void CreateObjects();

    // Shows the monitor screen, makes it the main form and closes (hides) the sign-in screen.
    void HandOver();

    // Runs the event loop until the main form is closed.
    int Run();

    TApplication &Application() { return m_application; }

    TDataModuleConfig *DataModuleConfig = nullptr;
    TfrmLogin *frmLogin = nullptr;
    TfrmOrvel *frmOrvel = nullptr;

private:
    TApplication m_application;
};
