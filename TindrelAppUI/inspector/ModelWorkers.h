#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>

namespace tindrel::ModelWorkers {

// Explanations and answers wait on a local model for seconds; a pool of their own keeps them from
// starving other work, and lets follow-ups run while an explanation is still generating.
QThreadPool& explainers();

// Decodes run one at a time: a newer paste makes the queued ones pointless, and one core is enough
// to keep the window responsive while the rest of the machine is free.
QThreadPool& decoders();

// Waits for both pools; false when work was still running after `milliseconds`.
bool waitForDone(int milliseconds);

// Calls `done` with the task's result on the owner's thread, always from the event loop; never once the
// owner is gone. (A context-bound QFuture::then trips an assertion when its context dies first.)
template <typename T, typename Done> void whenFinished(QObject* owner, QFuture<T> future, Done done) {
    auto* watcher = new QFutureWatcher<T>(owner);
    QObject::connect(watcher, &QFutureWatcherBase::finished, owner,
                     [watcher, done = std::move(done)]() mutable {
                         watcher->deleteLater();
                         done(watcher->result());
                     });
    watcher->setFuture(std::move(future));
}

} // namespace tindrel::ModelWorkers
