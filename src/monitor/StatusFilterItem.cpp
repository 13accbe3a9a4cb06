#include "monitor/StatusFilterItem.h"

#include "monitor/StatusImages.h"
#include "monitor/SvgPixmap.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace {
const QSize GlyphSize(35, 33);
const QSize CheckSize(20, 19);
constexpr int GlyphMargin = 2;
constexpr int TextMargin = 3;
} // namespace

TStatusFilterItem::TStatusFilterItem(QWidget *parent)
    : QCheckBox(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void TStatusFilterItem::setImageIndex(int index)
{
    m_imageIndex = index;
    update();
}

QRect TStatusFilterItem::GlyphRect() const
{
    return QRect(QPoint(GlyphMargin, (height() - GlyphSize.height()) / 2), GlyphSize);
}

QRect TStatusFilterItem::CheckRect() const
{
    return QRect(QPoint(GlyphRect().right() + 1 + GlyphMargin, (height() - CheckSize.height()) / 2), CheckSize);
}

QRect TStatusFilterItem::TextRect() const
{
    const int left = CheckRect().right() + 1 + TextMargin;
    return QRect(left, 1, width() - left - TextMargin, height() - 2);
}

QSize TStatusFilterItem::sizeHint() const
{
    const int width = GlyphMargin + GlyphSize.width() + GlyphMargin + CheckSize.width() + TextMargin
                      + fontMetrics().horizontalAdvance(text()) + TextMargin;
    return QSize(width, 40);
}

QSize TStatusFilterItem::minimumSizeHint() const
{
    return sizeHint();
}

void TStatusFilterItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);

    const StatusImages::Picture glyph = StatusImages::Status(m_imageIndex);
    if (!glyph.resource.isEmpty()) {
        const QSize size = FitWithin(glyph.size, GlyphSize);
        const QRect area = GlyphRect();
        const QRect target(area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2),
                           size);
        painter.drawPixmap(target, SvgPixmap(glyph.resource, size, devicePixelRatioF()));
    }

    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = CheckRect();
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);

    const QRect textArea = TextRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, textArea.width());
    style()->drawItemText(&painter, textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, palette(),
                          isEnabled(), shown, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textArea.adjusted(-1, 0, 1, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool TStatusFilterItem::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
