#pragma once

#include <QAbstractButton>
#include <QSvgRenderer>

// A list row that opens something further: its text at the left, the "more" chevron at the right,
// clicked (or pressed with the keyboard) as a button.
class AccessoryRow final : public QAbstractButton
{
    Q_OBJECT

public:
    explicit AccessoryRow(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QSvgRenderer m_accessory;
    bool m_hovered = false;
};
