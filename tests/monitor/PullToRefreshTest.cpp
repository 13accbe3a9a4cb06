#include "monitor/PullToRefresh.h"
#include "widgets/RotatedSvgIcon.h"

#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int RowHeight = 65;
constexpr int PressY = 20; // inside the first row, in window coordinates

// The pull area above a list of `rows` rows, as on the monitor screen; the pointer is driven in
// window coordinates, as a finger would be, while the list moves down under it.
struct PullScreen
{
    explicit PullScreen(int rows)
    {
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        area = new QWidget;
        icon = new RotatedSvgIcon(area);
        icon->setFileName(u":/icons/refresh.svg"_s);
        list = new QListView;
        list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        for (int i = 0; i < rows; ++i) {
            auto *item = new QStandardItem(u"Mensagem %1"_s.arg(i));
            item->setSizeHint(QSize(0, RowHeight));
            model.appendRow(item);
        }
        list->setModel(&model);
        layout->addWidget(area);
        layout->addWidget(list);
        pull = new PullToRefresh(list, area, icon);
        window.resize(400, 300);
        window.show();
    }

    QPoint at(int windowY) const { return list->viewport()->mapFrom(&window, QPoint(100, windowY)); }
    void press(int windowY = PressY) { QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at(windowY)); }
    // Between two moves of a real pointer the window lays itself out, so the list has moved.
    void moveBy(int distance)
    {
        QTest::mouseMove(list->viewport(), at(PressY + distance));
        QCoreApplication::sendPostedEvents();
    }
    void releaseAt(int distance) { QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at(PressY + distance)); }

    QWidget window;
    QStandardItemModel model;
    QWidget *area = nullptr;
    RotatedSvgIcon *icon = nullptr;
    QListView *list = nullptr;
    PullToRefresh *pull = nullptr;
};

} // namespace

class PullToRefreshTest : public QObject
{
    Q_OBJECT

private slots:
    void pull_byDistance_areaFollowsAndReloadsOnlyAtTheLimit_data()
    {
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<int>("height");
        QTest::addColumn<qreal>("angle");
        QTest::addColumn<bool>("armed");
        QTest::addColumn<int>("reloads");
        QTest::newRow("30 units") << QList<int>{30} << 30 << qreal(60) << false << 0;
        QTest::newRow("49 units") << QList<int>{10, 49} << 49 << qreal(98) << false << 0;
        QTest::newRow("exactly the limit, icon left as it was") << QList<int>{20, 50} << 50 << qreal(40) << true << 1;
        QTest::newRow("80 units held at the limit") << QList<int>{80} << 50 << qreal(0) << true << 1;
        QTest::newRow("past the limit and back to 40") << QList<int>{60, 40} << 40 << qreal(80) << false << 0;
        QTest::newRow("upwards, clamped") << QList<int>{-20} << 0 << qreal(0) << false << 0;
    }
    void pull_byDistance_areaFollowsAndReloadsOnlyAtTheLimit()
    {
        QFETCH(QList<int>, moves);
        QFETCH(int, height);
        QFETCH(qreal, angle);
        QFETCH(bool, armed);
        QFETCH(int, reloads);
        PullScreen screen(3);
        QVERIFY(QTest::qWaitForWindowExposed(&screen.window));
        QSignalSpy reload(screen.pull, &PullToRefresh::refreshRequested);

        screen.press();
        for (int distance : moves)
            screen.moveBy(distance);
        QCOMPARE(screen.pull->pullHeight(), height);
        QCOMPARE(screen.area->height(), height);
        QCOMPARE(screen.icon->angle(), angle);
        QCOMPARE(screen.pull->doRefresh(), armed);

        screen.releaseAt(moves.last());
        QCOMPARE(screen.pull->isSpringingBack(), height > 0);
        QCOMPARE(reload.count(), 0);
        QTRY_VERIFY(!screen.pull->isSpringingBack());
        QCOMPARE(reload.count(), reloads);
        QCOMPARE(screen.area->height(), 0);
        QCOMPARE(screen.icon->angle(), qreal(0));
        QVERIFY(!screen.pull->doRefresh());
    }

    void springBack_turnsTheIconFiveDegreesAStep()
    {
        PullScreen screen(3);
        QVERIFY(QTest::qWaitForWindowExposed(&screen.window));
        screen.press();
        screen.moveBy(30);
        QSignalSpy angles(screen.icon, &RotatedSvgIcon::angleChanged);

        screen.releaseAt(30);
        QTRY_VERIFY(!screen.pull->isSpringingBack());
        QVERIFY(angles.count() >= 2);
        QCOMPARE(angles.takeLast().at(0).toReal(), qreal(0));
        for (qsizetype step = 0; step < angles.count(); ++step)
            QCOMPARE(angles.at(step).at(0).toReal(), qreal(60 + 5 * (step + 1)));
    }

    void pull_onEmptyList_reloads()
    {
        PullScreen screen(0);
        QVERIFY(QTest::qWaitForWindowExposed(&screen.window));
        QSignalSpy reload(screen.pull, &PullToRefresh::refreshRequested);

        screen.press();
        screen.moveBy(80);
        screen.releaseAt(80);
        QTRY_COMPARE(reload.count(), 1);
    }

    void pull_firstRowNotWhollyShown_neverArms_data()
    {
        QTest::addColumn<int>("scrolled");
        QTest::newRow("partly hidden") << 10;
        QTest::newRow("scrolled out") << 3 * RowHeight;
    }
    void pull_firstRowNotWhollyShown_neverArms()
    {
        QFETCH(int, scrolled);
        PullScreen screen(20);
        QVERIFY(QTest::qWaitForWindowExposed(&screen.window));
        screen.list->verticalScrollBar()->setValue(scrolled);
        QSignalSpy reload(screen.pull, &PullToRefresh::refreshRequested);

        screen.press();
        screen.moveBy(80);
        QVERIFY(!screen.pull->inPullToRefresh());
        QCOMPARE(screen.area->height(), 0);
        screen.releaseAt(80);
        QVERIFY(!screen.pull->isSpringingBack());
        QCOMPARE(reload.count(), 0);
    }

    // A pull is not a click on the row it started on; a press that barely moves still is.
    void release_afterPointerMoved_reachesTheListOnlyBelowDragDistance_data()
    {
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("clicks");
        QTest::newRow("no movement") << 0 << 1;
        QTest::newRow("a wobble") << QApplication::startDragDistance() - 1 << 1;
        QTest::newRow("a pull") << 30 << 0;
    }
    void release_afterPointerMoved_reachesTheListOnlyBelowDragDistance()
    {
        QFETCH(int, distance);
        QFETCH(int, clicks);
        PullScreen screen(3);
        QVERIFY(QTest::qWaitForWindowExposed(&screen.window));
        QSignalSpy clicked(screen.list, &QAbstractItemView::clicked);
        QSignalSpy reload(screen.pull, &PullToRefresh::refreshRequested);

        screen.press();
        if (distance != 0)
            screen.moveBy(distance);
        screen.releaseAt(distance);
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(screen.pull->isSpringingBack(), distance != 0);
        QTRY_VERIFY(!screen.pull->isSpringingBack());
        QCOMPARE(reload.count(), 0);
    }

    void reset_duringPullOrSpringBack_closesWithoutReload_data()
    {
        QTest::addColumn<bool>("released");
        QTest::newRow("while pulling") << false;
        QTest::newRow("while springing back") << true;
    }
    void reset_duringPullOrSpringBack_closesWithoutReload()
    {
        QFETCH(bool, released);
        PullScreen screen(3);
        QVERIFY(QTest::qWaitForWindowExposed(&screen.window));
        QSignalSpy reload(screen.pull, &PullToRefresh::refreshRequested);
        screen.press();
        screen.moveBy(20);
        screen.moveBy(80);
        if (released)
            screen.releaseAt(80);

        screen.pull->reset();
        QCOMPARE(reload.count(), 0);
        QVERIFY(!screen.pull->isSpringingBack());
        QVERIFY(!screen.pull->inPullToRefresh());
        QVERIFY(!screen.pull->doRefresh());
        QCOMPARE(screen.area->height(), 0);
        QCOMPARE(screen.icon->angle(), qreal(0));
        screen.moveBy(90);
        screen.releaseAt(90);
        QCOMPARE(screen.area->height(), 0);
        QVERIFY(!screen.pull->isSpringingBack());
        QCOMPARE(reload.count(), 0);
    }
};

QTEST_MAIN(PullToRefreshTest)
#include "PullToRefreshTest.moc"
