#include "widgets/BusyIndicator.h"

#include <QEvent>
#include <QPainter>

namespace {
constexpr int StepMs = 40;
constexpr int StepDegrees = 30;
} // namespace

BusyIndicator::BusyIndicator(QSize size, QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setInterval(StepMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + StepDegrees) % 360;
        update();
    });
    parent->installEventFilter(this);
    hide();
    recentre();
}

void BusyIndicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height()) - 8;
    const QRectF box((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    const QPointF centre = box.center();
    const int spokes = 12;
    for (int i = 0; i < spokes; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(m_angle + i * 360.0 / spokes);
        QColor colour(0x0C, 0x9A, 0xBE);
        colour.setAlphaF(0.15 + 0.85 * (i + 1) / spokes);
        painter.setPen(QPen(colour, side / 10.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, -side / 2.0 + side / 10.0), QPointF(0, -side / 4.0));
        painter.restore();
    }
}

void BusyIndicator::showEvent(QShowEvent *)
{
    recentre();
    raise();
    updateSpinning();
}

void BusyIndicator::hideEvent(QHideEvent *)
{
    updateSpinning();
}

void BusyIndicator::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        updateSpinning();
    QWidget::changeEvent(event);
}

bool BusyIndicator::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        recentre();
    return QWidget::eventFilter(watched, event);
}

void BusyIndicator::recentre()
{
    if (QWidget *p = parentWidget())
        move((p->width() - width()) / 2, (p->height() - height()) / 2);
}

void BusyIndicator::updateSpinning()
{
    if (isVisible() && isEnabled())
        m_timer.start();
    else
        m_timer.stop();
}
