#include "widgets/FlowLayout.h"
#include "widgets/WrappedText.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Blocks of fixed widths, the last one filling the rest of its line, as on the details page.
struct Flow
{
    explicit Flow(const QList<int> &fixedWidths)
    {
        auto *layout = new FlowLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(10);
        for (int width : fixedWidths) {
            auto *block = new QWidget;
            block->setFixedSize(width, 20);
            layout->addWidget(block);
            blocks.append(block);
        }
        auto *rest = new QWidget;
        rest->setMinimumSize(200, 20);
        rest->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        layout->addWidget(rest);
        blocks.append(rest);
    }

    QWidget window;
    QList<QWidget *> blocks;
};

} // namespace

class FlowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void arrange_byWidth_wrapsAndFillsTheLastLine_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<QRect>>("geometries");
        QTest::newRow("all on one line, the last filling it")
            << 900 << QList<QRect>{{0, 0, 300, 20}, {310, 0, 250, 20}, {570, 0, 330, 20}};
        QTest::newRow("the filling block wraps below its minimum")
            << 700 << QList<QRect>{{0, 0, 300, 20}, {310, 0, 250, 20}, {0, 30, 700, 20}};
        QTest::newRow("one block a line") << 400 << QList<QRect>{{0, 0, 300, 20}, {0, 30, 250, 20}, {0, 60, 400, 20}};
    }
    void arrange_byWidth_wrapsAndFillsTheLastLine()
    {
        QFETCH(int, width);
        QFETCH(QList<QRect>, geometries);
        Flow flow({300, 250});
        flow.window.layout()->setGeometry(QRect(0, 0, width, 500));

        for (int i = 0; i < geometries.size(); ++i)
            QCOMPARE(flow.blocks[i]->geometry(), geometries[i]);
        QCOMPARE(flow.window.layout()->heightForWidth(width), geometries.last().bottom() + 1);
    }

    // A key or an address without blanks wider than its block grows the block downwards instead.
    void wrappedText_wordWiderThanLine_breaksInsideIt()
    {
        WrappedText text;
        text.setText(u"35240500000205000100000000000016233950000000000"_s);
        const int oneLine = text.fontMetrics().height();
        const int narrow = text.fontMetrics().horizontalAdvance(text.text()) / 3;

        QVERIFY(text.heightForWidth(narrow) >= 3 * oneLine);
        QCOMPARE(text.heightForWidth(text.sizeHint().width()), oneLine);
    }
};

QTEST_MAIN(FlowLayoutTest)
#include "FlowLayoutTest.moc"
