#include "rest/RESTTimeouts.h"

#include <QMutex>
#include <QMutexLocker>

namespace nivo {

namespace {
QMutex &TimeoutsMutex()
{
    static QMutex mutex;
    return mutex;
}

TRESTTimeouts &CurrentTimeouts()
{
    static TRESTTimeouts timeouts;
    return timeouts;
}
} // namespace

TRESTTimeouts RESTTimeouts()
{
    const QMutexLocker lock(&TimeoutsMutex());
    return CurrentTimeouts();
}

void SetRESTTimeouts(const TRESTTimeouts &ATimeouts)
{
    const QMutexLocker lock(&TimeoutsMutex());
    CurrentTimeouts() = ATimeouts;
}

} // namespace nivo
