#include "dialogs/UIThreadCheck.h"

#include <QCoreApplication>
#include <QThread>

using namespace Qt::StringLiterals;

namespace nivo {

void CheckUIThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        throw EThreadError(u"Diálogos só podem ser mostrados a partir da thread da interface."_s);
}

} // namespace nivo
