#pragma once

#include <QCheckBox>

// A status item of the filter drawer (style StatusStyle): the status glyph, the check box and the
// text, left to right. A click anywhere on the item flips its check mark.
class TStatusFilterItem final : public QCheckBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TStatusFilterItem)
    Q_PROPERTY(int imageIndex READ imageIndex WRITE setImageIndex)

public:
    explicit TStatusFilterItem(QWidget *parent = nullptr);

    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QRect GlyphRect() const;
    QRect CheckRect() const;
    QRect TextRect() const;

    int m_imageIndex = -1;
};
