#include "widgets/RotatedSvgIcon.h"

#include <QPainter>

RotatedSvgIcon::RotatedSvgIcon(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RotatedSvgIcon::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    m_renderer.load(fileName);
    update();
}

void RotatedSvgIcon::setAngle(qreal degrees)
{
    if (m_angle == degrees)
        return;
    m_angle = degrees;
    update();
    emit angleChanged(m_angle);
}

QSize RotatedSvgIcon::sizeHint() const
{
    return {32, 32};
}

void RotatedSvgIcon::paintEvent(QPaintEvent *)
{
    if (!m_renderer.isValid())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QSizeF natural = m_renderer.defaultSize();
    const QSizeF picture = natural * qMin(width() / natural.width(), height() / natural.height());
    const QRectF target(QPointF((width() - picture.width()) / 2, (height() - picture.height()) / 2), picture);
    painter.translate(target.center());
    painter.rotate(m_angle);
    painter.translate(-target.center());
    m_renderer.render(&painter, target);
}
