#include "widgets/SlidingStackedWidget.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Pages
{
    Pages()
    {
        for (int i = 0; i < 3; ++i) {
            page[i] = new QWidget;
            stack.addWidget(page[i]);
        }
        stack.resize(300, 200);
    }

    void step(const QString &how, int to)
    {
        if (how == u"next")
            stack.slideNext();
        else if (how == u"previous")
            stack.slidePrevious();
        else
            stack.slideToIndex(to);
    }

    QList<int> visiblePages() const
    {
        QList<int> shown;
        for (int i = 0; i < 3; ++i) {
            if (page[i]->isVisible())
                shown.append(i);
        }
        return shown;
    }

    SlidingStackedWidget stack;
    QWidget *page[3] = {};
};

} // namespace

class SlidingStackedWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void slide_toOtherPage_newPageComesInFromItsSide_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("side");
        QTest::newRow("next") << 0 << u"next"_s << 1 << 1;
        QTest::newRow("previous") << 2 << u"previous"_s << 1 << -1;
        QTest::newRow("forward by index") << 0 << u"index"_s << 2 << 1;
        QTest::newRow("back by index") << 2 << u"index"_s << 0 << -1;
    }
    void slide_toOtherPage_newPageComesInFromItsSide()
    {
        QFETCH(int, from);
        QFETCH(QString, how);
        QFETCH(int, to);
        QFETCH(int, side);
        Pages pages;
        pages.stack.setCurrentIndex(from);
        pages.stack.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pages.stack));
        QSignalSpy finished(&pages.stack, &SlidingStackedWidget::slideFinished);

        pages.step(how, to);
        QCOMPARE(pages.stack.currentIndex(), to);
        QVERIFY(pages.stack.isSliding());
        QCOMPARE(pages.page[to]->pos(), QPoint(side * 300, 0));
        QCOMPARE(pages.page[from]->pos(), QPoint(0, 0));
        QCOMPARE(pages.visiblePages(), QList<int>({qMin(from, to), qMax(from, to)}));

        QVERIFY(finished.wait());
        QCOMPARE(finished.takeFirst(), QVariantList{to});
        QVERIFY(!pages.stack.isSliding());
        QCOMPARE(pages.page[to]->geometry(), QRect(0, 0, 300, 200));
        QCOMPARE(pages.visiblePages(), QList<int>{to});
    }

    void slide_duringSlide_endsTheFirstAtOnce()
    {
        Pages pages;
        pages.stack.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pages.stack));
        QSignalSpy finished(&pages.stack, &SlidingStackedWidget::slideFinished);

        pages.stack.slideNext();
        pages.stack.slideNext();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.takeFirst(), QVariantList{1});
        QCOMPARE(pages.stack.currentIndex(), 2);
        QCOMPARE(pages.page[1]->pos(), QPoint(0, 0));
        QCOMPARE(pages.page[2]->pos(), QPoint(300, 0));
        QCOMPARE(pages.visiblePages(), QList<int>({1, 2}));

        QVERIFY(finished.wait());
        QCOMPARE(finished.takeFirst(), QVariantList{2});
        QCOMPARE(pages.visiblePages(), QList<int>{2});
    }

    void slide_nowhereToGo_changesNothing_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("to");
        QTest::newRow("current page") << 1 << u"index"_s << 1;
        QTest::newRow("past the last") << 1 << u"index"_s << 3;
        QTest::newRow("before the first") << 1 << u"index"_s << -1;
        QTest::newRow("next from the last") << 2 << u"next"_s << 0;
        QTest::newRow("previous from the first") << 0 << u"previous"_s << 0;
    }
    void slide_nowhereToGo_changesNothing()
    {
        QFETCH(int, from);
        QFETCH(QString, how);
        QFETCH(int, to);
        Pages pages;
        pages.stack.setCurrentIndex(from);
        pages.stack.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pages.stack));
        QSignalSpy finished(&pages.stack, &SlidingStackedWidget::slideFinished);

        pages.step(how, to);
        QCOMPARE(pages.stack.currentIndex(), from);
        QVERIFY(!pages.stack.isSliding());
        QCOMPARE(finished.count(), 0);
        QCOMPARE(pages.visiblePages(), QList<int>{from});
    }

    void slide_whileNotShown_changesPageAtOnce()
    {
        Pages pages;
        QSignalSpy finished(&pages.stack, &SlidingStackedWidget::slideFinished);

        pages.stack.slideNext();
        QCOMPARE(pages.stack.currentIndex(), 1);
        QVERIFY(!pages.stack.isSliding());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.takeFirst(), QVariantList{1});
    }
};

QTEST_MAIN(SlidingStackedWidgetTest)
#include "SlidingStackedWidgetTest.moc"
