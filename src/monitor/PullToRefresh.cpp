#include "monitor/PullToRefresh.h"

#include "widgets/RotatedSvgIcon.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>

#include <cmath>

PullToRefresh::PullToRefresh(QAbstractItemView *list, QWidget *pullArea, RotatedSvgIcon *icon)
    : QObject(list)
    , m_list(list)
    , m_viewport(list->viewport())
    , m_pullArea(pullArea)
    , m_icon(icon)
{
    FloatAnimation1.setDuration(SpringBackMs);
    FloatAnimation1.setEasingCurve(QEasingCurve::OutQuad);
    FloatAnimation1.setEndValue(0.0);
    connect(&FloatAnimation1, &QVariantAnimation::valueChanged, this, &PullToRefresh::FloatAnimation1Process);
    connect(&FloatAnimation1, &QAbstractAnimation::finished, this, &PullToRefresh::FloatAnimation1Finish);
    m_viewport->installEventFilter(this);
    setPullHeight(0);
}

void PullToRefresh::reset()
{
    FloatAnimation1.stop();
    PullMouseYPos = 0;
    InPullToRefresh = false;
    DoRefresh = false;
    m_furthest = 0;
    setPullHeight(0);
    setIconAngle(0);
}

bool PullToRefresh::isSpringingBack() const
{
    return FloatAnimation1.state() == QAbstractAnimation::Running;
}

bool PullToRefresh::eventFilter(QObject *watched, QEvent *event)
{
    // Compared by address only: the viewport also sends events while the list is being destroyed.
    if (watched != m_viewport)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        ListBox1MouseDown(static_cast<const QMouseEvent &>(*event));
        return false;
    case QEvent::MouseMove:
        if (!InPullToRefresh)
            return false;
        ListBox1MouseMove(static_cast<const QMouseEvent &>(*event));
        return true;
    case QEvent::MouseButtonRelease: {
        const bool pulled = InPullToRefresh && m_furthest >= QApplication::startDragDistance();
        ListBox1MouseUp();
        return pulled;
    }
    default:
        return false;
    }
}

void PullToRefresh::ListBox1MouseDown(const QMouseEvent &event)
{
    // While the area springs back it belongs to the animation.
    InPullToRefresh = !isSpringingBack() && mayStartPull();
    PullMouseYPos = std::ceil(float(event.globalPosition().y()));
    m_furthest = 0;
}

void PullToRefresh::ListBox1MouseMove(const QMouseEvent &event)
{
    // Measured on the screen: the list itself moves down as the area above it opens. A pull upwards
    // closes the area rather than giving it a negative height.
    const int height = qMax(int(std::ceil(float(event.globalPosition().y()) - PullMouseYPos)), 0);
    m_furthest = qMax(m_furthest, height);
    if (height >= HeightLayoutPullToRefresh) {
        setPullHeight(int(HeightLayoutPullToRefresh));
        DoRefresh = true;
    } else {
        setPullHeight(height);
        setIconAngle(DegreesPerUnit * height);
        DoRefresh = false;
    }
}

void PullToRefresh::ListBox1MouseUp()
{
    InPullToRefresh = false;
    m_furthest = 0;
    if (m_height == 0 || isSpringingBack())
        return;
    FloatAnimation1.setStartValue(double(m_height));
    FloatAnimation1.start();
}

void PullToRefresh::FloatAnimation1Process(const QVariant &height)
{
    setPullHeight(int(std::ceil(height.toDouble())));
    setIconAngle((m_icon ? m_icon->angle() : 0) + DegreesPerSpringBackStep);
}

void PullToRefresh::FloatAnimation1Finish()
{
    if (DoRefresh)
        emit refreshRequested();
    DoRefresh = false;
    setPullHeight(0);
    setIconAngle(0);
}

// The list is empty, or its first row lies wholly inside the viewport (the list is at its top).
bool PullToRefresh::mayStartPull() const
{
    const QAbstractItemModel *model = m_list->model();
    if (!model || model->rowCount(m_list->rootIndex()) == 0)
        return true;
    const QRect firstRow = m_list->visualRect(model->index(0, 0, m_list->rootIndex()));
    return !firstRow.isEmpty() && m_viewport->rect().contains(firstRow);
}

void PullToRefresh::setPullHeight(int height)
{
    m_height = height;
    if (m_pullArea)
        m_pullArea->setFixedHeight(height);
}

void PullToRefresh::setIconAngle(qreal degrees)
{
    if (m_icon)
        m_icon->setAngle(degrees);
}
