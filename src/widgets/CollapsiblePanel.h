#pragma once

#include <QWidget>

// A panel that shows only the top of its content: each child widget keeps the panel's width and its own
// natural height, and whatever lies below the panel's height is cut off. The height is a property so
// that an animation can open and close the panel.
class CollapsiblePanel final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int panelHeight READ panelHeight WRITE setPanelHeight)

public:
    explicit CollapsiblePanel(QWidget *parent = nullptr);

    int panelHeight() const { return maximumHeight(); }
    void setPanelHeight(int height);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutContent();
};
