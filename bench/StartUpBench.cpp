// Start-up: from process start to the sign-in window shown, the median of several cold starts, each a
// new process with a profile folder of its own (so the settings file is made anew). Two ways:
// - the start-up probe (the viewer's own start-up) ends its start at the first frame of the sign-in
//   window and says so on its output;
// - the real orvel-viewer, on an X display, is seen from outside: `xev` on the root window reports
//   when its first window is mapped. Mapping precedes the first frame by a little.
// The baseline of both is the same start of an empty Qt window.
#include "BenchReport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int Runs = 7;
constexpr int TimeoutMs = 20000;

// Watches the root window of the display for windows being mapped.
class MapWatcher final
{
public:
    bool start()
    {
        m_xev.start(u"xev"_s, {u"-root"_s, u"-event"_s, u"substructure"_s});
        if (!m_xev.waitForStarted(TimeoutMs))
            return false;
        // xev selects its events right after connecting; give it that moment before anything maps.
        m_xev.waitForReadyRead(500);
        m_xev.readAll();
        return true;
    }

    ~MapWatcher()
    {
        m_xev.kill();
        m_xev.waitForFinished();
    }

    // Waits for the next window mapped after this call; false on time-out.
    bool waitForMap(const QElapsedTimer &clock, int deadlineMs)
    {
        while (clock.elapsed() < deadlineMs) {
            while (m_xev.canReadLine()) {
                if (m_xev.readLine().startsWith("MapNotify"))
                    return true;
            }
            m_xev.waitForReadyRead(int(qMax<qint64>(1, deadlineMs - clock.elapsed())));
        }
        return false;
    }

    void drain()
    {
        m_xev.waitForReadyRead(100);
        m_xev.readAll();
    }

private:
    QProcess m_xev;
};

QProcessEnvironment FreshProfile(const QTemporaryDir &profile)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"USERPROFILE"_s, profile.path());
    return environment;
}

// Milliseconds from the start of the probe until it reports its window shown.
std::optional<double> ProbeStart(const QString &program, const QStringList &arguments)
{
    QTemporaryDir profile;
    QProcess probe;
    probe.setProcessEnvironment(FreshProfile(profile));
    QElapsedTimer clock;
    clock.start();
    probe.start(program, arguments);
    std::optional<double> shown;
    while (!shown && probe.waitForReadyRead(TimeoutMs)) {
        while (probe.canReadLine()) {
            if (probe.readLine().trimmed() == "shown")
                shown = double(clock.nsecsElapsed()) / 1e6;
        }
    }
    probe.waitForFinished(TimeoutMs);
    return shown;
}

// Milliseconds from the start of the program until its first window is mapped; the program is then
// ended.
std::optional<double> MappedStart(MapWatcher &watcher, const QString &program, const QStringList &arguments)
{
    QTemporaryDir profile;
    QProcess process;
    process.setProcessEnvironment(FreshProfile(profile));
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    std::optional<double> mapped;
    if (watcher.waitForMap(clock, TimeoutMs))
        mapped = double(clock.nsecsElapsed()) / 1e6;
    process.kill();
    process.waitForFinished(TimeoutMs);
    watcher.drain();
    return mapped;
}

std::optional<double> MedianOf(const std::function<std::optional<double>()> &start)
{
    QList<double> times;
    for (int i = 0; i < Runs; ++i) {
        const std::optional<double> ms = start();
        if (!ms)
            return std::nullopt;
        times.append(*ms);
    }
    return Median(times);
}

void Report(const QString &measure, std::optional<double> value, std::optional<double> baseline)
{
    if (!value || !baseline) {
        PrintRow({measure, u"failed"_s, QString(), QString(), u"< 500 ms"_s, Verdict(false)});
        return;
    }
    PrintRow({measure, Milliseconds(*value), u"empty Qt window "_s + Milliseconds(*baseline),
              Ratio(*value / *baseline), u"< 500 ms"_s, Verdict(*value < 500)});
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString probe = QStringLiteral(ORVEL_START_UP_PROBE);
    const QString viewer = QStringLiteral(ORVEL_VIEWER);
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", u"xcb"_s);

    Report(u"6 start-up → sign-in frame drawn (probe, %1, median of %2)"_s.arg(platform).arg(Runs),
           MedianOf([&] { return ProbeStart(probe, {}); }), MedianOf([&] { return ProbeStart(probe, {u"--bare"_s}); }));

    if (qEnvironmentVariableIsEmpty("DISPLAY") || platform != u"xcb"_s) {
        PrintNote(u"6: no X display, so the real orvel-viewer was not started"_s);
        return 0;
    }
    MapWatcher watcher;
    if (!watcher.start()) {
        PrintNote(u"6: xev could not be started, so the real orvel-viewer was not started"_s);
        return 0;
    }
    Report(u"6 start-up → sign-in window mapped (orvel-viewer, median of %1)"_s.arg(Runs),
           MedianOf([&] { return MappedStart(watcher, viewer, {}); }),
           MedianOf([&] { return MappedStart(watcher, probe, {u"--bare"_s}); }));
    return 0;
}
