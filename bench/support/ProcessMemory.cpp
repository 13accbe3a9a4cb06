#include "ProcessMemory.h"

#include <QByteArray>
#include <QFile>

namespace {
qint64 StatusKilobytes(const QByteArray &name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(QByteArray(name + ':')))
            return line.mid(name.size() + 1).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}
} // namespace

qint64 ResidentBytes()
{
    return StatusKilobytes("VmRSS") * 1024;
}

qint64 PeakResidentBytes()
{
    return StatusKilobytes("VmHWM") * 1024;
}

bool ResetPeakResident()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}
