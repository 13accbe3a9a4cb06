#pragma once

#include <QFrame>

// The filter drawer as the desktop presents it: a panel docked at the window's left edge, part of the
// layout and always in view. Being no overlay, it is never "open", and closing it leaves it in view.
class TDockedDrawer final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDockedDrawer)

public:
    explicit TDockedDrawer(QWidget *parent = nullptr);

    bool IsOpen() const;
    void Close();
};
