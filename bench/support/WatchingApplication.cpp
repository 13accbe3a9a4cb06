#include "WatchingApplication.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <QWindow>

WatchingApplication::WatchingApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

void WatchingApplication::watch(Which which, std::function<void()> then)
{
    m_which = std::move(which);
    m_then = std::move(then);
}

bool WatchingApplication::notify(QObject *receiver, QEvent *event)
{
    const bool picked = m_which && m_which(receiver, event);
    const bool result = QApplication::notify(receiver, event);
    if (picked && m_which) {
        m_which = nullptr;
        std::exchange(m_then, nullptr)();
    }
    return result;
}

WatchingApplication::Which PaintOf(const QWidget *widget)
{
    return [widget](QObject *receiver, QEvent *event) {
        return event->type() == QEvent::Paint && receiver == widget;
    };
}

WatchingApplication::Which ExposeOf(const std::function<const QWidget *()> &topLevel)
{
    return [topLevel](QObject *receiver, QEvent *event) {
        if (event->type() != QEvent::Expose)
            return false;
        const QWidget *widget = topLevel();
        return widget && widget->windowHandle() == receiver && widget->windowHandle()->isExposed();
    };
}

bool WaitUntil(const std::function<bool()> &done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(5);
    if (!done())
        loop.exec();
    return done();
}

void Idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
