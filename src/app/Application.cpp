#include "app/Application.h"

#include "core/Exception.h"
#include "dialogs/DialogService.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>

namespace {
TApplication *g_instance = nullptr;
} // namespace

TApplication::TApplication(QObject *parent)
    : QObject(parent)
{
    g_instance = this;
    // Hiding the sign-in form must not end the program; only the main form decides.
    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        gui->setQuitOnLastWindowClosed(false);
}

TApplication::~TApplication()
{
    if (g_instance == this)
        g_instance = nullptr;
}

TApplication *TApplication::Instance()
{
    return g_instance;
}

void TApplication::HandleException(const std::exception &error)
{
    const auto *own = dynamic_cast<const nivo::Exception *>(&error);
    const QString message = own ? own->message() : QString::fromLocal8Bit(error.what());
    nivo::TDialogService::MessageDialog(message, nivo::mtError, {nivo::mbOK}, nivo::mbOK, 0);
}

void TApplication::AddForm(QWidget *form)
{
    form->installEventFilter(this);
}

void TApplication::SetMainForm(QWidget *form)
{
    m_mainForm = form;
}

bool TApplication::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && watched == m_mainForm && event->isAccepted()) {
        emit terminated();
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
