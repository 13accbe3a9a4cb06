#include "widgets/AccessoryRow.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

using namespace Qt::StringLiterals;

namespace {
constexpr int SidePadding = 12;
constexpr QSize AccessorySize(11, 16);
} // namespace

AccessoryRow::AccessoryRow(QWidget *parent)
    : QAbstractButton(parent)
    , m_accessory(u":/icons/accessory-more.svg"_s)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

QSize AccessoryRow::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextSingleLine, this->text());
    return {text.width() + 3 * SidePadding + AccessorySize.width(), 65};
}

void AccessoryRow::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void AccessoryRow::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void AccessoryRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = rect();
    QColor background = palette().color(QPalette::Base);
    if (isDown())
        background = palette().color(QPalette::Midlight);
    else if (m_hovered)
        background = palette().color(QPalette::AlternateBase);
    painter.fillRect(area, background);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(area.bottomLeft(), area.bottomRight());

    const QRect chevron(QPoint(area.right() - SidePadding - AccessorySize.width(),
                               area.center().y() - AccessorySize.height() / 2),
                        AccessorySize);
    m_accessory.render(&painter, chevron);

    const QRect textArea = area.adjusted(SidePadding, 0, -(2 * SidePadding + AccessorySize.width()), 0);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, textArea.width()));

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = area.adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
