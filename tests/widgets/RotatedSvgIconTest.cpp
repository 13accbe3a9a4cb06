#include "widgets/RotatedSvgIcon.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Mean difference of two pictures of the same size, 0 (same) to 1 (black against white).
qreal difference(const QImage &a, const QImage &b)
{
    qreal sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            sum += qAbs(p.redF() - q.redF()) + qAbs(p.greenF() - q.greenF()) + qAbs(p.blueF() - q.blueF());
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

class RotatedSvgIconTest : public QObject
{
    Q_OBJECT

private slots:
    // Compared with the upright picture turned as an image: clockwise, about the widget's middle.
    void angle_turnsThePictureClockwiseAboutTheCentre_data()
    {
        QTest::addColumn<qreal>("angle");
        QTest::addColumn<int>("imageTurn");
        QTest::newRow("quarter turn") << qreal(90) << 90;
        QTest::newRow("half turn") << qreal(180) << 180;
        QTest::newRow("back a quarter") << qreal(-90) << 270;
        QTest::newRow("full turn") << qreal(360) << 0;
    }
    void angle_turnsThePictureClockwiseAboutTheCentre()
    {
        QFETCH(qreal, angle);
        QFETCH(int, imageTurn);
        RotatedSvgIcon icon;
        icon.setFileName(u":/icons/refresh.svg"_s);
        icon.resize(96, 96);
        const QImage upright = icon.grab().toImage();

        icon.setAngle(angle);
        const QImage turned = icon.grab().toImage();
        const QImage expected = upright.transformed(QTransform().rotate(imageTurn));
        QVERIFY(difference(turned, expected) < 0.002);
        // The picture is lopsided enough for a wrong turn to show.
        if (imageTurn != 0)
            QVERIFY(difference(expected, upright) > 0.01);
    }
};

QTEST_MAIN(RotatedSvgIconTest)
#include "RotatedSvgIconTest.moc"
