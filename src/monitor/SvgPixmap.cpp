#include "monitor/SvgPixmap.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

QPixmap SvgPixmap(const QString &resource, QSize logicalSize, qreal devicePixelRatio)
{
    const QSize pixels = (QSizeF(logicalSize) * devicePixelRatio).toSize();
    const QString key = u"orvel-svg:"_s + resource + u':' + QString::number(pixels.width()) + u'x'
                        + QString::number(pixels.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;

    pixmap = QPixmap(pixels);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QSize FitWithin(QSize natural, QSize area)
{
    if (natural.isEmpty())
        return natural;
    const qreal factor = qMin(1.0, qMin(qreal(area.width()) / natural.width(), qreal(area.height()) / natural.height()));
    return (QSizeF(natural) * factor).toSize();
}
