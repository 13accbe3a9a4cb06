#include "widgets/SvgImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

SvgImage::SvgImage(QWidget *parent)
    : QWidget(parent)
    , m_renderer(new QSvgRenderer(this))
{
}

void SvgImage::setSource(const QString &source)
{
    m_source = source;
    m_renderer->load(source);
    update();
}

void SvgImage::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void SvgImage::setOpacity(qreal opacity)
{
    m_opacity = opacity;
    update();
}

bool SvgImage::isValid() const
{
    return m_renderer->isValid();
}

void SvgImage::paintEvent(QPaintEvent *)
{
    if (!m_renderer->isValid())
        return;
    QRectF target = rect();
    if (!m_stretch) {
        const QSizeF picture = m_renderer->defaultSize();
        if (!picture.isEmpty()) {
            // As large as fits, in the picture's own proportions.
            const qreal scale = qMin(target.width() / picture.width(), target.height() / picture.height());
            target = QRectF(QPointF(), picture * scale);
            target.moveCenter(QRectF(rect()).center());
        }
    }
    QPainter painter(this);
    painter.setOpacity(m_opacity);
    m_renderer->render(&painter, target);
}

void SvgImage::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    if (m_pressed)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void SvgImage::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed && event->button() == Qt::LeftButton;
    m_pressed = false;
    if (!wasPressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
