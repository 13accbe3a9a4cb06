#pragma once

#include <QParallelAnimationGroup>
#include <QPointer>
#include <QStackedWidget>

class QPropertyAnimation;

// Pages that change with a slide: the new page comes in from the right when it lies after the
// current one, from the left when it lies before, pushing the old page out. The current index
// changes as the slide starts, so code asking for the current page sees the new one at once.
class SlidingStackedWidget final : public QStackedWidget
{
    Q_OBJECT

public:
    static constexpr int SlideDurationMs = 300;

    explicit SlidingStackedWidget(QWidget *parent = nullptr);

    // A slide asked for while another runs ends the running one first. An index that is out of
    // range or already current changes nothing. While the stack is not shown the page changes at once.
    void slideToIndex(int index);
    void slideNext();
    void slidePrevious();

    bool isSliding() const;

signals:
    // The page at `index` is in place, alone.
    void slideFinished(int index);

private:
    void finishSlide();

    QParallelAnimationGroup m_slide;
    QPropertyAnimation *m_outgoingMove;
    QPropertyAnimation *m_incomingMove;
    QPointer<QWidget> m_outgoing;
    bool m_sliding = false;
};
