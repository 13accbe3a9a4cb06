#include "ServiceProcess.h"

#include "rest/BaseUrl.h"

#include <sys/prctl.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {
// Making the replies of 50 000 messages takes a while on a slow machine.
constexpr int StartTimeoutMs = 120000;
} // namespace

ServiceProcess::~ServiceProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool ServiceProcess::start(const QString &program, const QList<int> &messageCounts)
{
    QStringList arguments;
    for (int count : messageCounts)
        arguments.append(QString::number(count));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Ends with the benchmark however that ends (a failure, a time-out), never left behind serving.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process.start(program, arguments);
    while (m_process.waitForReadyRead(StartTimeoutMs)) {
        if (!m_process.canReadLine())
            continue;
        const QByteArray line = m_process.readLine().trimmed();
        if (!line.startsWith("port "))
            return false;
        m_port = quint16(line.mid(5).toUInt());
        return m_port != 0;
    }
    return false;
}

void ServiceProcess::useAsServiceAddress() const
{
    nivo::SetIpHost(u"127.0.0.1"_s);
    nivo::SetPort(QString::number(m_port));
}
