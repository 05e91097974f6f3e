#include "TindrelAppUI/inspector/ModelWorkers.h"

#include <QDeadlineTimer>
#include <algorithm>

namespace tindrel::ModelWorkers {
namespace {

// A pool of its own size, alive for the whole process.
class SizedPool final : public QThreadPool {
public:
    explicit SizedPool(int threads) { setMaxThreadCount(threads); }
};

} // namespace

QThreadPool& explainers() {
    static SizedPool pool(8);
    return pool;
}

QThreadPool& decoders() {
    static SizedPool pool(1);
    return pool;
}

bool waitForDone(int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    const bool decoded = decoders().waitForDone(milliseconds);
    return explainers().waitForDone(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0))) &&
           decoded;
}

} // namespace tindrel::ModelWorkers
