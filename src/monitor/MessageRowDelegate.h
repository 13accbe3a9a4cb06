#pragma once

#include <QStyledItemDelegate>

// Paints a message row in the row style ListBoxItemOrvel: a card 100 high with a soft shadow, the
// status glyph at the left, the send date over the one-line description, the wrapping pendency key
// beside the fixed "Respondido em" and the response date, and the status's accessory mark at the
// right end.
class TMessageRowDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMessageRowDelegate)

public:
    static constexpr int RowHeight = 100;

    explicit TMessageRowDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
