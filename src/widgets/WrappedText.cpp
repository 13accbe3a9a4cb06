#include "widgets/WrappedText.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

WrappedText::WrappedText(QWidget *parent)
    : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void WrappedText::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
}

QSize WrappedText::sizeHint() const
{
    // Rounded up: at its rounded-down advance the text would just not fit on one line.
    const int width = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(m_text)));
    return {width, layOut(width > 0 ? width : 1)};
}

QSize WrappedText::minimumSizeHint() const
{
    return {0, fontMetrics().height()};
}

int WrappedText::heightForWidth(int width) const
{
    return layOut(width);
}

void WrappedText::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layOut(width(), &painter);
}

void WrappedText::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateGeometry();
    QWidget::changeEvent(event);
}

int WrappedText::layOut(int width, QPainter *painter) const
{
    const QFontMetrics metrics = fontMetrics();
    if (m_text.isEmpty())
        return metrics.height();
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTextLayout layout(m_text, font());
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(qMax(width, 1));
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    if (painter)
        layout.draw(painter, QPointF(0, 0));
    return qMax(int(std::ceil(y)), metrics.height());
}
