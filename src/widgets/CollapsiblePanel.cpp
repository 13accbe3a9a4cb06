#include "widgets/CollapsiblePanel.h"

#include <QEvent>

CollapsiblePanel::CollapsiblePanel(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFixedHeight(0);
}

void CollapsiblePanel::setPanelHeight(int height)
{
    setFixedHeight(height);
}

QSize CollapsiblePanel::sizeHint() const
{
    int width = 0;
    for (const QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        width = qMax(width, child->sizeHint().width());
    return {width, panelHeight()};
}

QSize CollapsiblePanel::minimumSizeHint() const
{
    return {0, panelHeight()};
}

bool CollapsiblePanel::event(QEvent *event)
{
    // A child's layout changed: its natural height may have too.
    if (event->type() == QEvent::LayoutRequest)
        layoutContent();
    return QWidget::event(event);
}

void CollapsiblePanel::resizeEvent(QResizeEvent *event)
{
    layoutContent();
    QWidget::resizeEvent(event);
}

void CollapsiblePanel::layoutContent()
{
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setGeometry(0, 0, width(), child->sizeHint().height());
}
