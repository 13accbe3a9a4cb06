#pragma once

#include "dialogs/DialogServiceInterfaces.h"

#include <QHash>
#include <QMutex>
#include <QString>

#include <memory>

namespace nivo {

// Process-wide registry of platform services, keyed by interface identifier.
class TPlatformServices final
{
public:
    static TPlatformServices &Current();

    void AddPlatformService(QLatin1StringView id, std::shared_ptr<IInterface> service);
    void RemovePlatformService(QLatin1StringView id);
    std::shared_ptr<IInterface> GetPlatformService(QLatin1StringView id) const;

    template<typename T>
    std::shared_ptr<T> SupportsPlatformService(QLatin1StringView id) const
    {
        return std::dynamic_pointer_cast<T>(GetPlatformService(id));
    }

private:
    TPlatformServices() = default;
    Q_DISABLE_COPY_MOVE(TPlatformServices)

    mutable QMutex m_mutex;
    QHash<QString, std::shared_ptr<IInterface>> m_services;
};

} // namespace nivo
