#include "dialogs/PlatformServices.h"

namespace nivo {

TPlatformServices &TPlatformServices::Current()
{
    static TPlatformServices instance;
    return instance;
}

void TPlatformServices::AddPlatformService(QLatin1StringView id, std::shared_ptr<IInterface> service)
{
    QMutexLocker lock(&m_mutex);
    m_services.insert(QString(id), std::move(service));
}

void TPlatformServices::RemovePlatformService(QLatin1StringView id)
{
    QMutexLocker lock(&m_mutex);
    m_services.remove(QString(id));
}

std::shared_ptr<IInterface> TPlatformServices::GetPlatformService(QLatin1StringView id) const
{
    QMutexLocker lock(&m_mutex);
    return m_services.value(QString(id));
}

} // namespace nivo
