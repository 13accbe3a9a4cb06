// Monitor screen: the real form, drawn offscreen, against the benchmarks' service in a process of its
// own (so that neither its memory nor its work counts). A list load of 10 000 messages, from the call
// to the frame that shows the rows, with the largest stall of the UI thread meanwhile and the peak
// memory it took, against curl | jq on the same request; the rows into the list; search and scrolling
// over them.
#include "BenchReport.h"
#include "BenchService.h"
#include "MessageReplies.h"
#include "ProcessMemory.h"
#include "ServiceProcess.h"
#include "WatchingApplication.h"

#include "monitor/MessageListLoad.h"
#include "monitor/MessageListModel.h"
#include "monitor/OrvelForm.h"
#include "rest/BaseUrl.h"
#include "rest/KeyAuthentication.h"
#include "rest/MonitorApi.h"
#include "rest/RESTRequest.h"
#include "widgets/BusyIndicator.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QProcess>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStringListModel>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int Count = 10000;
constexpr int LoadRuns = 5;
constexpr int Runs = 7;
constexpr int TimeoutMs = 60000;

[[noreturn]] void Fail(const char *what)
{
    std::fprintf(stderr, "monitor-list: %s\n", what);
    std::exit(1);
}

// The longest wait between two ticks of a 10 ms timer on the UI thread: how long the window could not
// answer.
class TickGaps final
{
public:
    TickGaps()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_largest = qMax(m_largest, now - m_last);
            m_last = now;
        });
    }

    void start()
    {
        m_clock.start();
        m_last = 0;
        m_largest = 0;
        m_timer.start();
    }

    // Stops at the next tick, so that a stall up to this call is counted too.
    double stopMilliseconds()
    {
        const qint64 calledAt = m_clock.nsecsElapsed();
        if (!WaitUntil([&] { return m_last >= calledAt; }, TimeoutMs))
            Fail("the timer stopped ticking");
        m_timer.stop();
        return double(m_largest) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_largest = 0;
};

// Milliseconds from `act` until the widget that `painted` names at that moment has painted.
double UntilPaintOf(WatchingApplication &app, const std::function<const QWidget *()> &painted,
                    const std::function<void()> &act)
{
    double ms = -1;
    QElapsedTimer timer;
    app.watch([painted](QObject *receiver, QEvent *event) {
        return event->type() == QEvent::Paint && receiver == painted();
    }, [&] { ms = double(timer.nsecsElapsed()) / 1e6; });
    timer.start();
    act();
    if (!WaitUntil([&ms] { return ms >= 0; }, TimeoutMs))
        Fail("the screen never painted");
    return ms;
}

// Milliseconds from `act` until `view` has painted, with `shown` true at that paint.
double UntilPainted(WatchingApplication &app, QAbstractItemView *view, const std::function<void()> &act,
                    const std::function<bool()> &shown = [] { return true; })
{
    const QWidget *viewport = view->viewport();
    return UntilPaintOf(app, [viewport, shown]() -> const QWidget * { return shown() ? viewport : nullptr; }, act);
}

double MaxOf(const QList<double> &values)
{
    return values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
}

// `curl -s URL | jq .` as a support person would type it, its output thrown away as a terminal would
// scroll it past.
double CurlJqMilliseconds(const QString &url)
{
    return MedianMilliseconds(LoadRuns, [&url] {
        QProcess shell;
        shell.start(u"bash"_s, {u"-c"_s, u"set -o pipefail; curl -s \"$1\" | jq . >/dev/null"_s, u"curl-jq"_s, url});
        if (!shell.waitForFinished(TimeoutMs) || shell.exitStatus() != QProcess::NormalExit || shell.exitCode() != 0)
            Fail("curl | jq failed");
    });
}

} // namespace

int main(int argc, char *argv[])
{
    WatchingApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    // A small application first, so the screen opens on it and the large list is loaded on demand.
    ServiceProcess service;
    if (!service.start(QStringLiteral(ORVEL_BENCH_SERVICE), {1, Count}))
        Fail("the service did not start");
    service.useAsServiceAddress();
    nivo::SetKeyAuthentication(u"bench-key"_s);

    TfrmOrvel form;
    form.setWindowState(Qt::WindowNoState);
    form.resize(1280, 800);
    auto *list = form.findChild<QListView *>(u"ListBox1"_s);
    auto *selector = form.findChild<QComboBox *>(u"ComboBox1"_s);
    auto *indicator = form.findChild<BusyIndicator *>(u"AniIndicator2"_s);
    auto *searchBox = form.findChild<QLineEdit *>(u"SearchBox1"_s);
    auto *search = list ? qobject_cast<QSortFilterProxyModel *>(list->model()) : nullptr;
    auto *rows = search ? qobject_cast<TMessageListModel *>(search->sourceModel()) : nullptr;
    if (!selector || !indicator || !searchBox || !rows)
        Fail("the monitor screen has changed: a control was not found");
    const auto allShown = [search] { return search->rowCount() == Count; };

    form.show();
    if (!WaitUntil([&] { return selector->count() == 2 && search->rowCount() == 1 && indicator->isHidden(); },
                   TimeoutMs))
        Fail("the first list never loaded");
    Idle(200);

    // 3, 4, 7: the first large load measures the memory too; the later ones reload the same list.
    const qint64 residentBefore = ResidentBytes();
    const bool peakReset = ResetPeakResident();
    QList<double> loads;
    QList<double> gaps;
    TickGaps ticks;
    for (int run = 0; run < LoadRuns; ++run) {
        ticks.start();
        loads.append(UntilPainted(app, list, [&] {
            if (run == 0)
                selector->setCurrentIndex(1);
            else
                form.LoadSendMessages();
        }, allShown));
        gaps.append(ticks.stopMilliseconds());
        if (run == 0 && peakReset) {
            const qint64 peak = PeakResidentBytes();
            const qint64 replyBytes = MessagesReply(Count).size();
            const double ratio = double(peak - residentBefore) / double(replyBytes);
            PrintRow({u"7 peak memory of a %L1-message load, over the %2 before it"_s.arg(Count)
                          .arg(Megabytes(residentBefore)),
                      Megabytes(peak - residentBefore), u"reply "_s + Megabytes(replyBytes), Ratio(ratio), u"< 4×"_s,
                      Verdict(ratio < 4)});
            PrintRow({u"7 peak resident of the whole process after it (VmHWM)"_s, Megabytes(peak),
                      u"reply "_s + Megabytes(replyBytes), Ratio(double(peak) / double(replyBytes)), QString(),
                      QString()});
        }
        Idle(300);
    }
    if (!peakReset)
        PrintNote(u"7: the kernel does not let the peak be reset, so the memory was not measured"_s);

    const double loadMs = Median(loads);
    const double curlMs = CurlJqMilliseconds(BenchService::messagesUrl(service.port(), Count));
    PrintRow({u"3 LoadSendMessages %L1 → rows shown (median of %2)"_s.arg(Count).arg(LoadRuns), Milliseconds(loadMs),
              u"curl | jq "_s + Milliseconds(curlMs), Ratio(loadMs / curlMs), u"≤ 0.50×"_s,
              Verdict(loadMs / curlMs <= 0.5)});
    PrintRow({u"4 largest UI-thread stall during the load (10 ms timer, worst of %1)"_s.arg(LoadRuns),
              Milliseconds(MaxOf(gaps)), QString(), QString(), u"≤ 50 ms"_s, Verdict(MaxOf(gaps) <= 50)});

    // 2: the rows of such a reply, made as the load's worker makes them, then into the list until drawn;
    // beside it, the same descriptions in a plain list of Qt's.
    nivo::TMemTable table(nivo::DataMessagesFields());
    const nivo::TRequestParameterList params = nivo::MessagesParams(BenchService::messagesFilter(Count));
    nivo::ExecuteRESTRequestToDataSet(nivo::GetBaseUrl() + nivo::lMESSAGES_END_POINT, nivo::rmGET,
                                      nivo::KeyAuthentication(), &params, nivo::ROOT_ITEMS, table, QString());
    if (table.RecordCount() != Count)
        Fail("the reply did not load whole");
    QList<double> making;
    QList<double> showing;
    for (int run = 0; run < Runs; ++run) {
        rows->Clear();
        Idle(50);
        std::vector<TMessageRow> made;
        making.append(MedianMilliseconds(1, [&] {
            made.reserve(size_t(Count));
            for (table.First(); !table.Eof(); table.Next())
                AddListBoxItemMonitor(made, table);
        }));
        showing.append(UntilPainted(app, list, [&] { rows->SetRows(std::move(made)); }, allShown));
    }
    QListView plainList;
    QStringListModel plainRows;
    plainList.setModel(&plainRows);
    plainList.setUniformItemSizes(true);
    plainList.resize(list->size());
    plainList.show();
    Idle(100);
    QList<double> plain;
    for (int run = 0; run < Runs; ++run) {
        plainRows.setStringList({});
        Idle(50);
        plain.append(UntilPainted(app, &plainList, [&] {
            QStringList texts;
            texts.reserve(Count);
            for (table.First(); !table.Eof(); table.Next())
                texts.append(table.FieldAsString(u"et_description"_s));
            plainRows.setStringList(texts);
        }));
    }
    plainList.hide();
    PrintRow({u"2 %L1 rows made from the reply's table (worker thread)"_s.arg(Count), Milliseconds(Median(making)),
              QString(), QString(), QString(), QString()});
    PrintRow({u"2 %L1 rows into the list → first frame (UI thread)"_s.arg(Count), Milliseconds(Median(showing)),
              u"plain QListView "_s + Milliseconds(Median(plain)), Ratio(Median(showing) / Median(plain)),
              u"≤ 50 ms"_s, Verdict(Median(showing) <= 50)});

    // Search: typed a key at a time into the search box, each key until the narrowed list is drawn (or,
    // when the key left the same rows, until the box shows it).
    form.btnSearchVisibleClick();
    Idle(100);
    QList<double> keys;
    for (int run = 0; run < Runs; ++run) {
        for (const QChar key : u"nota"_s) {
            const int before = search->rowCount();
            const QWidget *viewport = list->viewport();
            keys.append(UntilPaintOf(app, [&]() -> const QWidget * {
                return search->rowCount() != before ? viewport : searchBox;
            }, [&] { QTest::keyClick(searchBox, key.toLatin1()); }));
        }
        keys.append(UntilPainted(app, list, [&] { searchBox->clear(); }, allShown));
    }
    PrintRow({u"search over %L1 rows, a key typed or cleared → drawn (median)"_s.arg(Count),
              Milliseconds(Median(keys)), QString(), QString(), u"≤ 50 ms"_s, Verdict(Median(keys) <= 50)});
    PrintRow({u"search over %L1 rows, slowest key"_s.arg(Count), Milliseconds(MaxOf(keys)), QString(), QString(),
              u"≤ 50 ms"_s, Verdict(MaxOf(keys) <= 50)});

    // Scrolling: a page at a time down the list, each page until drawn, then straight to the end.
    QScrollBar *bar = list->verticalScrollBar();
    bar->setValue(0);
    Idle(100);
    QList<double> pages;
    for (int page = 0; page < 40; ++page)
        pages.append(UntilPainted(app, list, [bar] { bar->triggerAction(QAbstractSlider::SliderPageStepAdd); }));
    const double endMs = UntilPainted(app, list, [list] { list->scrollToBottom(); });
    PrintRow({u"scrolling %L1 rows, a page down → drawn (median of 40)"_s.arg(Count), Milliseconds(Median(pages)),
              u"worst "_s + Milliseconds(MaxOf(pages)), QString(), u"≤ 16 ms"_s, Verdict(MaxOf(pages) <= 16)});
    PrintRow({u"scrolling %L1 rows, to the last row → drawn"_s.arg(Count), Milliseconds(endMs), QString(), QString(),
              u"≤ 16 ms"_s, Verdict(endMs <= 16)});
    return 0;
}
