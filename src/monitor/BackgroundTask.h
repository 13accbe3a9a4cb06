#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>

#include <type_traits>
#include <utility>

// Runs work on the global thread pool and hands its result to then on the context object's thread,
// through a watcher that the context owns: once the context is gone, the result is dropped unseen.
template <typename Work, typename Then>
void RunInBackground(QObject *context, Work &&work, Then &&then)
{
    using Result = std::invoke_result_t<std::decay_t<Work>>;
    auto *watcher = new QFutureWatcher<Result>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context,
                     [watcher, then = std::forward<Then>(then)]() mutable {
                         Result result = watcher->future().takeResult();
                         watcher->deleteLater();
                         then(std::move(result));
                     });
    watcher->setFuture(QtConcurrent::run(std::forward<Work>(work)));
}
