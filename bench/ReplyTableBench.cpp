// Reply into table: the messages request through the loopback service into the message table, against
// a bare parse of the same bytes, at three sizes (or at the sizes given on the command line, for a
// closer look under a profiler).
#include "BenchReport.h"
#include "BenchService.h"

#include "rest/BaseUrl.h"
#include "rest/KeyAuthentication.h"
#include "rest/MemTable.h"
#include "rest/MonitorApi.h"
#include "rest/RESTRequest.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

struct Sample
{
    int count;
    double requestMs;
    double parseMs;
};

int RunsFor(int count)
{
    return count >= 50000 ? 2 : count >= 10000 ? 3 : 7;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<int> counts{1000, 10000, 50000};
    if (argc > 1) {
        counts.clear();
        for (const QString &argument : QCoreApplication::arguments().mid(1))
            counts.append(argument.toInt());
    }
    BenchService service(counts);
    if (!service.isListening()) {
        std::fprintf(stderr, "reply-table: the loopback service does not listen\n");
        return 1;
    }
    service.useAsServiceAddress();
    nivo::SetKeyAuthentication(u"bench-key"_s);

    QList<Sample> samples;
    for (int count : counts) {
        const QByteArray reply = service.messagesReply(count);
        const double parseMs = MedianMilliseconds(RunsFor(count), [&reply] {
            const QJsonDocument document = QJsonDocument::fromJson(reply);
            if (!document.isObject())
                std::abort();
        });

        // The request exactly as the list load makes it.
        const QString endPoint = nivo::GetBaseUrl() + nivo::lMESSAGES_END_POINT;
        const nivo::TRequestParameterList params = nivo::MessagesParams(BenchService::messagesFilter(count));
        const double requestMs = MedianMilliseconds(RunsFor(count), [&] {
            nivo::TMemTable table(nivo::DataMessagesFields());
            nivo::ExecuteRESTRequestToDataSet(endPoint, nivo::rmGET, nivo::KeyAuthentication(), &params,
                                              nivo::ROOT_ITEMS, table, QString());
            if (table.RecordCount() != count)
                std::abort();
        });
        samples.append({count, requestMs, parseMs});

        const double ratio = requestMs / parseMs;
        PrintRow({u"1 reply into table, %L1 messages (%2)"_s.arg(count).arg(Megabytes(reply.size())),
                  Milliseconds(requestMs), u"fromJson "_s + Milliseconds(parseMs), Ratio(ratio), u"≤ 1.50×"_s,
                  Verdict(ratio <= 1.5)});
    }

    if (samples.size() < 2)
        return 0;
    // Linear growth: the time per message from the smallest reply to the largest. The bare parse does
    // not stay linear itself once a reply outgrows the caches, so what is judged is whether the table
    // adds growth of its own on top of the parse's.
    const Sample &small = samples.first();
    const Sample &large = samples.last();
    const double growth = (large.requestMs / large.count) / (small.requestMs / small.count);
    const double parseGrowth = (large.parseMs / large.count) / (small.parseMs / small.count);
    PrintRow({u"1 growth of the time per message, %L1 → %L2"_s.arg(small.count).arg(large.count),
              u"%1 → %2 µs (%3)"_s.arg(1000 * small.requestMs / small.count, 0, 'f', 1)
                  .arg(1000 * large.requestMs / large.count, 0, 'f', 1)
                  .arg(Ratio(growth)),
              u"fromJson "_s + Ratio(parseGrowth), Ratio(growth / parseGrowth), u"≤ 1.25× the parse's"_s,
              Verdict(growth / parseGrowth <= 1.25)});
    return 0;
}
