#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>

namespace nivo {

// A text shared by every thread of the process. Each read gives a complete earlier value, whichever
// thread wrote it.
class TSharedText final
{
    Q_DISABLE_COPY_MOVE(TSharedText)

public:
    explicit TSharedText(QString AInitial)
        : m_value(std::move(AInitial))
    {
    }

    QString Get() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_value;
    }

    void Set(const QString &AValue)
    {
        const QMutexLocker lock(&m_mutex);
        m_value = AValue;
    }

private:
    mutable QMutex m_mutex;
    QString m_value;
};

} // namespace nivo
