#pragma once

#include <QObject>
#include <QPointer>
#include <QVariantAnimation>

class QAbstractItemView;
class QMouseEvent;
class RotatedSvgIcon;

// Pull-to-refresh on a list. A pointer that goes down while the list is empty or its first row is
// wholly in view, then moves down, opens the pull area by the distance moved, the icon turning two
// degrees a unit; at HeightLayoutPullToRefresh the area stops growing and a reload is armed. On
// release the area springs back, the icon turning on, and the reload is asked for only if the limit
// held at the last move. The list does not see the moves of a pull, nor the release of a pull that
// went further than a drag starts, so a pull neither drags a selection nor clicks the row under it.
class PullToRefresh final : public QObject
{
    Q_OBJECT

public:
    static constexpr float HeightLayoutPullToRefresh = 50;
    static constexpr int SpringBackMs = 200;
    static constexpr qreal DegreesPerUnit = 2;
    static constexpr qreal DegreesPerSpringBackStep = 5;

    // Watches the pointer events of the list's viewport (the one it has now) and sets the height of
    // `pullArea`; becomes a child of `list`.
    PullToRefresh(QAbstractItemView *list, QWidget *pullArea, RotatedSvgIcon *icon);

    // Back to idle at once, without a reload: area closed, icon straight, nothing armed.
    void reset();

    int pullHeight() const { return m_height; }
    bool inPullToRefresh() const { return InPullToRefresh; }
    bool doRefresh() const { return DoRefresh; }
    bool isSpringingBack() const;

signals:
    void refreshRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ListBox1MouseDown(const QMouseEvent &event);
    void ListBox1MouseMove(const QMouseEvent &event);
    void ListBox1MouseUp();
    void FloatAnimation1Process(const QVariant &height);
    void FloatAnimation1Finish();

    bool mayStartPull() const;
    void setPullHeight(int height);
    void setIconAngle(qreal degrees);

    QAbstractItemView *const m_list; // the parent
    QWidget *const m_viewport;
    QPointer<QWidget> m_pullArea;
    QPointer<RotatedSvgIcon> m_icon;
    QVariantAnimation FloatAnimation1;
    float PullMouseYPos = 0;
    bool InPullToRefresh = false;
    bool DoRefresh = false;
    int m_height = 0;
    int m_furthest = 0; // largest height of the current pull
};
