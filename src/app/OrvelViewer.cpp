#include "app/OrvelViewer.h"

#include "dialogs/FMXDialogService.h"
#include "login/LoginForm.h"
#include "monitor/OrvelForm.h"
#include "rest/RequestShutdown.h"
#include "settings/DataModuleConfig.h"

#include <QApplication>
#include <QTimer>

TOrvelViewer::TOrvelViewer()
{
    nivo::AllowRequests();
}

TOrvelViewer::~TOrvelViewer()
{
    // The pool's workers are waited for when the process ends; none may be left waiting on the service.
    nivo::AbortRequests();
    delete frmOrvel;
    delete frmLogin;
    delete DataModuleConfig;
}

void TOrvelViewer::InitializeModules()
{
    nivo::TFMXDialogService::Register();
}

void TOrvelViewer::CreateObjects()
{
    DataModuleConfig = new TDataModuleConfig;
    try {
        DataModuleConfig->DataModuleCreate();
    } catch (const std::exception &error) {
        TApplication::HandleException(error);
    }

    frmLogin = new TfrmLogin(*DataModuleConfig);
    m_application.AddForm(frmLogin);
    frmOrvel = new TfrmOrvel;
    m_application.AddForm(frmOrvel);

    connect(frmLogin, &TfrmLogin::signedIn, this, &TOrvelViewer::HandOver);

    m_application.SetMainForm(frmLogin);
    frmLogin->show();
}

void TOrvelViewer::HandOver()
{
    frmOrvel->show();
    m_application.SetMainForm(frmOrvel);
    frmLogin->close();
}

int TOrvelViewer::Run()
{
    QTimer::singleShot(0, this, &TOrvelViewer::CreateObjects);
    return QApplication::exec();
}
