// The benchmarks' monitoring service as a process of its own, for measures that must not count its
// memory or its work: orvel-bench-service COUNT... prints "port N" once it listens, then serves until
// it is ended.
#include "BenchService.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<int> counts;
    for (const QString &argument : QCoreApplication::arguments().mid(1))
        counts.append(argument.toInt());
    BenchService service(counts);
    if (!service.isListening())
        return 1;
    std::printf("port %u\n", unsigned(service.port()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
