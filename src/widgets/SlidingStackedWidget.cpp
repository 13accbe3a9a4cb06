#include "widgets/SlidingStackedWidget.h"

#include <QPropertyAnimation>

SlidingStackedWidget::SlidingStackedWidget(QWidget *parent)
    : QStackedWidget(parent)
    , m_outgoingMove(new QPropertyAnimation(&m_slide))
    , m_incomingMove(new QPropertyAnimation(&m_slide))
{
    for (QPropertyAnimation *move : {m_outgoingMove, m_incomingMove}) {
        move->setPropertyName("pos");
        move->setDuration(SlideDurationMs);
        move->setEasingCurve(QEasingCurve::OutCubic);
        m_slide.addAnimation(move);
    }
    connect(&m_slide, &QAbstractAnimation::finished, this, &SlidingStackedWidget::finishSlide);
}

void SlidingStackedWidget::slideToIndex(int index)
{
    finishSlide();
    const int from = currentIndex();
    if (index < 0 || index >= count() || index == from)
        return;

    QWidget *outgoing = currentWidget();
    setCurrentIndex(index);
    if (!isVisible()) {
        emit slideFinished(index);
        return;
    }

    // The stack shows only its current page; the old one is shown again for the length of the slide.
    // Showing it lays the stack out, so the pages are placed after that.
    outgoing->show();
    m_outgoing = outgoing;
    const QRect area = contentsRect();
    const int offset = index > from ? area.width() : -area.width();
    QWidget *incoming = currentWidget();
    incoming->setGeometry(area.translated(offset, 0));
    outgoing->setGeometry(area);
    m_sliding = true;

    m_outgoingMove->setTargetObject(outgoing);
    m_outgoingMove->setStartValue(area.topLeft());
    m_outgoingMove->setEndValue(area.topLeft() - QPoint(offset, 0));
    m_incomingMove->setTargetObject(incoming);
    m_incomingMove->setStartValue(incoming->pos());
    m_incomingMove->setEndValue(area.topLeft());
    m_slide.start();
}

void SlidingStackedWidget::slideNext()
{
    slideToIndex(currentIndex() + 1);
}

void SlidingStackedWidget::slidePrevious()
{
    slideToIndex(currentIndex() - 1);
}

bool SlidingStackedWidget::isSliding() const
{
    return m_sliding;
}

void SlidingStackedWidget::finishSlide()
{
    if (!m_sliding)
        return;
    m_sliding = false;
    m_slide.stop();
    if (m_outgoing && m_outgoing != currentWidget())
        m_outgoing->hide();
    m_outgoing.clear();
    if (QWidget *page = currentWidget())
        page->setGeometry(contentsRect());
    emit slideFinished(currentIndex());
}
