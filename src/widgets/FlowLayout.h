#pragma once

#include <QLayout>
#include <QList>

// Lays its items out left to right at their preferred widths, starting a new line when the next one
// does not fit. An item that expands horizontally takes the rest of its line (its minimum width
// decides whether it still fits there). Each line is as high as its highest item, given that item's
// width, so word-wrapped texts grow their line.
class FlowLayout final : public QLayout
{
public:
    explicit FlowLayout(QWidget *parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Places the items in `rect` (only measures when `apply` is false); returns the height used.
    int arrange(const QRect &rect, bool apply) const;

    QList<QLayoutItem *> m_items;
};
