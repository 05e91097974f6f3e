#include "TindrelAppUI/ModelWorkers.h"

#include <QDeadlineTimer>
#include <algorithm>

namespace tindrel::ModelWorkers {
namespace {

// A pool of `Threads` workers of its own, alive for the whole process.
template <int Threads> QThreadPool& pool() {
    static QThreadPool& made = *[] {
        static QThreadPool created;
        created.setMaxThreadCount(Threads);
        return &created;
    }();
    return made;
}

} // namespace

QThreadPool& explainers() {
    return pool<8>();
}

QThreadPool& decoders() {
    return pool<1>();
}

bool waitForDone(int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    const bool decoded = decoders().waitForDone(milliseconds);
    return explainers().waitForDone(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0))) &&
           decoded;
}

} // namespace tindrel::ModelWorkers
