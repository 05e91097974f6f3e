#pragma once

#include "TindrelAppUI/inspector/ExplanationService.h"
#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelAppUI/platform/Pasteboard.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace tindrel::testing {

// A door worker threads wait at until the test opens it.
class Gate {
public:
    explicit Gate(bool open)
        : open_(open) {}

    void open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

    void close() {
        std::lock_guard lock(mutex_);
        open_ = false;
    }

    // Waits until open, or until `giveUp` says so (polled every few milliseconds).
    void pass(const std::function<bool()>& giveUp = [] { return false; }) {
        std::unique_lock lock(mutex_);
        while (!open_ && !giveUp())
            changed_.wait_for(lock, std::chrono::milliseconds(2));
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool open_;
};

// Explanations that say which input they are about and wait at gates the test controls.
class FakeExplanations final : public ExplanationService {
public:
    mutable Gate explanations{true};
    mutable Gate answers{true};
    bool honoursCancellation = true;
    std::atomic<bool> available{false};
    mutable std::atomic<int> explainCalls{0};
    mutable std::atomic<int> cancelledCalls{0};
    mutable std::atomic<int> running{0};

    bool modelAvailable() const override { return available; }

    std::string explain(const DecodeChain& chain, const Cancellation& cancellation) const override {
        ++running;
        ++explainCalls;
        explanations.pass([&] { return honoursCancellation && cancellation.isCancelled(); });
        if (cancellation.isCancelled()) ++cancelledCalls;
        --running;
        return "about " + chain.input;
    }

    std::string answer(std::string_view question, const DecodeChain&, bool useModel) const override {
        ++running;
        answers.pass();
        --running;
        return std::string(useModel ? "model: " : "facts: ") + std::string(question);
    }

    void releaseAll() {
        explanations.open();
        answers.open();
    }
};

// Answers at once without any model, so a window settles within a few event-loop turns.
class InstantExplanations final : public ExplanationService {
public:
    bool modelAvailable() const override { return false; }
    std::string explain(const DecodeChain&, const Cancellation&) const override { return "Explained."; }
    std::string answer(std::string_view question, const DecodeChain&, bool) const override {
        return "Answer to " + std::string(question);
    }
};

class FakePasteboard final : public Pasteboard {
public:
    std::optional<QString> contents;
    int writes = 0;

    std::optional<QString> text() const override { return contents; }
    void setText(const QString& text) override {
        contents = text;
        ++writes;
    }
};

// Runs the GUI thread's events until `done` holds; false after `milliseconds` without it.
inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 10000) {
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

// Lets every queued publication arrive.
inline void settle(const FakeExplanations& fake) {
    waitUntil([&] { return fake.running == 0; });
    for (int round = 0; round < 20; ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

// A model on fake explanations and a fake clipboard; its explanations have finished when it goes.
struct ModelRig {
    MemoryDefaults defaults;
    std::shared_ptr<FakeExplanations> fake = std::make_shared<FakeExplanations>();
    std::shared_ptr<FakePasteboard> pasteboard = std::make_shared<FakePasteboard>();
    InspectorServices services{fake, pasteboard};
    std::unique_ptr<InspectorModel> model;

    ModelRig() = default;
    ModelRig(const ModelRig&) = delete;
    ModelRig& operator=(const ModelRig&) = delete;
    ~ModelRig() {
        fake->releaseAll();
        settle(*fake);
    }
    InspectorModel& start(const QStringList& arguments = {}) {
        model = std::make_unique<InspectorModel>(defaults, arguments, services);
        return *model;
    }
};

} // namespace tindrel::testing
