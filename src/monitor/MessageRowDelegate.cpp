#include "monitor/MessageRowDelegate.h"

#include "monitor/DisplayDateTime.h"
#include "monitor/MessageListModel.h"
#include "monitor/StatusImages.h"
#include "monitor/SvgPixmap.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextOption>

using namespace Qt::StringLiterals;

namespace {

constexpr int Margin = 5;
constexpr int GlyphWidth = 100;
constexpr int AccessoryWidth = 30;
constexpr int MinimumResponseColumnWidth = 124;
constexpr int LineHeight = 18;
constexpr int ShadowDistance = 3;

QColor WithOpacity(QColor colour, qreal opacity)
{
    colour.setAlphaF(opacity);
    return colour;
}

// A soft shadow: a few widening, fading outlines under the card, moved down and right (45 degrees).
void PaintShadow(QPainter *painter, const QRectF &card)
{
    const qreal offset = ShadowDistance * 0.7071;
    const QRectF base = card.translated(offset, offset);
    for (int ring = 3; ring >= 1; --ring) {
        QPainterPath path;
        path.addRoundedRect(base.adjusted(-ring, -ring, ring, ring), 2 + ring, 2 + ring);
        painter->fillPath(path, WithOpacity(Qt::black, 0.6 * 0.3 / ring / 2));
    }
}

void PaintPicture(QPainter *painter, const StatusImages::Picture &picture, const QRect &area)
{
    if (picture.resource.isEmpty())
        return;
    const QSize size = FitWithin(picture.size, area.size());
    const QRect target(QPoint(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2),
                       size);
    painter->drawPixmap(target, SvgPixmap(picture.resource, size, painter->device()->devicePixelRatioF()));
}

// Wide enough for the longest date the locale writes, so that response dates line up uncut.
int ResponseColumnWidth(const QFontMetrics &metrics)
{
    static const QString widest = FormatDisplayDateTime(u"2000-12-28T23:58:58Z"_s);
    return qMax(MinimumResponseColumnWidth, metrics.horizontalAdvance(widest) + 12);
}

void PaintOneLine(QPainter *painter, const QRect &area, const QString &text, Qt::Alignment alignment)
{
    const QString cut = painter->fontMetrics().elidedText(text, Qt::ElideRight, area.width());
    painter->drawText(area, int(alignment | Qt::TextSingleLine), cut);
}

} // namespace

TMessageRowDelegate::TMessageRowDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QSize TMessageRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(option.rect.width(), RowHeight);
}

void TMessageRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const bool hovered = option.state.testFlag(QStyle::State_MouseOver);
    const QColor ink = option.palette.color(QPalette::Text);
    const QColor selectedInk = Qt::black;

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setClipRect(option.rect);

    const QRect card = option.rect.adjusted(Margin, Margin, -Margin, -Margin);
    PaintShadow(painter, card);
    QColor background(Qt::white);
    if (selected)
        background = QColor(0xD4, 0xEE, 0xF5);
    else if (hovered)
        background = QColor(0xEE, 0xF8, 0xFB);
    QPainterPath cardPath;
    cardPath.addRoundedRect(card, 2, 2);
    painter->fillPath(cardPath, background);
    if (!selected)
        painter->fillRect(QRect(card.left(), card.bottom() - 1, card.width(), 2), QColor(0xDD, 0xDD, 0xDD));

    const int imageIndex = index.data(TMessageListModel::ImageIndexRole).toInt();
    PaintPicture(painter, StatusImages::Status(imageIndex), QRect(card.left(), card.top(), GlyphWidth, card.height()));
    PaintPicture(painter, StatusImages::Accessory(imageIndex),
                 QRect(card.right() + 1 - AccessoryWidth, card.top(), AccessoryWidth, card.height()));

    const int columnLeft = card.left() + GlyphWidth;
    const int columnWidth = card.width() - GlyphWidth - AccessoryWidth;
    QFont small = option.font;
    painter->setFont(small);

    const QRect detailTop(columnLeft + 5, card.top() + 1, columnWidth - 10, LineHeight);
    painter->setPen(selected ? selectedInk : WithOpacity(ink, 0.8));
    PaintOneLine(painter, detailTop, index.data(TMessageListModel::DetailTopRole).toString(),
                 Qt::AlignLeft | Qt::AlignVCenter);

    QFont bold = option.font;
    bold.setPixelSize(15);
    bold.setBold(true);
    painter->setFont(bold);
    const QRect text(columnLeft + 5, detailTop.bottom() + 1, columnWidth - 10, LineHeight);
    painter->setPen(selected ? selectedInk : ink);
    PaintOneLine(painter, text, index.data(TMessageListModel::TextRole).toString(), Qt::AlignLeft | Qt::AlignVCenter);

    painter->setFont(small);
    const QRect layoutDetail(columnLeft, text.bottom() + 1, columnWidth, card.bottom() + 1 - (text.bottom() + 1));
    const int responseWidth = ResponseColumnWidth(painter->fontMetrics());
    const QRect responseColumn(layoutDetail.right() + 1 - responseWidth, layoutDetail.top(), responseWidth,
                               layoutDetail.height());
    const QRect detail(layoutDetail.left() + 5, layoutDetail.top(), responseColumn.left() - layoutDetail.left() - 5,
                       layoutDetail.height() - 4);

    painter->setPen(hovered ? selectedInk : WithOpacity(ink, 0.6));
    QTextOption wrapping(Qt::AlignLeft | Qt::AlignTop);
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter->save();
    painter->setClipRect(detail, Qt::IntersectClip);
    painter->drawText(QRectF(detail), index.data(TMessageListModel::DetailRole).toString(), wrapping);
    painter->restore();

    const QRect responseTitle(responseColumn.left() + 5, responseColumn.top(), responseWidth - 10, 16);
    painter->setPen(selected ? selectedInk : ink);
    PaintOneLine(painter, responseTitle, u"Respondido em"_s, Qt::AlignLeft | Qt::AlignTop);

    const QRect responseDate(responseColumn.left() + 5, responseTitle.bottom() + 1, responseWidth - 5,
                             responseColumn.bottom() + 1 - (responseTitle.bottom() + 1) - 4);
    painter->setPen(selected ? selectedInk : WithOpacity(ink, 0.6));
    PaintOneLine(painter, responseDate, index.data(TMessageListModel::ResponseDateRole).toString(),
                 Qt::AlignLeft | Qt::AlignTop);

    painter->restore();
}
