#pragma once

#include <QApplication>

#include <functional>

class QEvent;
class QWidget;

// The application object of a benchmark that waits for pictures: it calls back right after an event
// has been handled, so a measure can end once a frame is drawn, not when it was asked for.
class WatchingApplication final : public QApplication
{
    Q_OBJECT

public:
    using Which = std::function<bool(QObject *receiver, QEvent *event)>;

    WatchingApplication(int &argc, char **argv);

    // Calls `then` once, after the first event that `which` picks has been handled; replaces any
    // earlier watch.
    void watch(Which which, std::function<void()> then);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    Which m_which;
    std::function<void()> m_then;
};

// A paint of this widget: it has drawn itself into the window's picture.
WatchingApplication::Which PaintOf(const QWidget *widget);
// The first expose of this top-level widget's window: the whole window is drawn and handed to the
// screen within it.
WatchingApplication::Which ExposeOf(const std::function<const QWidget *()> &topLevel);

// Runs the event loop until `done` holds or `timeoutMs` have passed; false on time-out.
bool WaitUntil(const std::function<bool()> &done, int timeoutMs);
// Runs the event loop for this long.
void Idle(int ms);
