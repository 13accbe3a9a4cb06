#pragma once

#include <QTimer>
#include <QWidget>

// A spinner drawn centred over its parent, above the parent's other children. It turns while it is
// visible and enabled.
class BusyIndicator final : public QWidget
{
    Q_OBJECT

public:
    BusyIndicator(QSize size, QWidget *parent);

    int angle() const { return m_angle; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void recentre();
    void updateSpinning();

    QTimer m_timer;
    int m_angle = 0;
};
