#pragma once

#include <QList>
#include <QProcess>
#include <QString>

// The benchmarks' service (orvel-bench-service) started as a process of its own, so that a measure of
// the viewer counts neither its memory nor its work. Ended with this object.
class ServiceProcess final
{
    Q_DISABLE_COPY_MOVE(ServiceProcess)

public:
    ServiceProcess() = default;
    ~ServiceProcess();

    // Starts it with these message counts and waits until it listens; false when it does not.
    bool start(const QString &program, const QList<int> &messageCounts);
    quint16 port() const { return m_port; }
    // Points IpHost and Port there.
    void useAsServiceAddress() const;

private:
    QProcess m_process;
    quint16 m_port = 0;
};
