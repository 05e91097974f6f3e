#pragma once

#include "TindrelAI/tests/ModelTestSupport.h" // ScopedEnvironment
#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/inspector/ModelStatusProbe.h"
#include "TindrelAppUI/platform/LoginItem.h"

#include <QByteArray>
#include <condition_variable>

namespace tindrel::testing {

// Grants every chord but those `taken` (none while `refuseAll`), notes every call in `calls` and lets
// the test press the registered chord as the platform would.
class FakeHotKeyBackend final : public HotKeyBackend {
public:
    std::vector<KeyChord> taken;
    bool refuseAll = false;
    std::vector<std::string> calls;
    PressHandler handler;

    void installHandler(PressHandler h) override {
        calls.emplace_back("install");
        handler = std::move(h);
    }
    std::optional<Handle> registerHotKey(const KeyChord& chord, HotKeyIdentifier id) override {
        calls.push_back("register " + chord.display() + " " + std::to_string(id.signature) + "/" +
                        std::to_string(id.id));
        if (refuseAll || std::ranges::count(taken, chord) > 0) return std::nullopt;
        registered_ = id;
        return next_++;
    }
    void unregisterHotKey(Handle handle) override {
        calls.push_back("unregister " + std::to_string(handle));
        registered_.reset();
    }
    bool press() {
        if (!handler || !registered_) return false;
        handler(*registered_);
        return true;
    }

private:
    std::optional<HotKeyIdentifier> registered_;
    Handle next_ = 100;
};

struct FakeHotKeys {
    MemoryDefaults defaults;
    FakeHotKeyBackend* backend = new FakeHotKeyBackend; // owned by the manager
    HotKeyManager manager{defaults, std::unique_ptr<HotKeyBackend>(backend)};
};

class ScriptedLoginItem final : public LoginItemService {
public:
    bool enabled = false;
    bool refuse = false;
    std::vector<bool> requests;

    bool isEnabled() const override { return enabled; }
    bool setEnabled(bool wanted) override {
        requests.push_back(wanted);
        if (refuse) return false;
        enabled = wanted;
        return true;
    }
};

// Each check (numbered from 0) waits on its worker thread until the test gives its answer, unless the
// probe was made with one answer for every check.
class ScriptedProbe final : public ModelStatusProbe {
public:
    ScriptedProbe() = default;
    explicit ScriptedProbe(std::optional<std::string> always)
        : always_(std::move(always))
        , answersAtOnce_(true) {}

    std::optional<std::string> unavailabilityReason() override {
        if (answersAtOnce_) return always_;
        std::unique_lock lock(mutex_);
        const int call = calls_++;
        changed_.notify_all();
        changed_.wait_for(lock, std::chrono::seconds(5), [&] { return answers_.contains(call); });
        return answers_.contains(call) ? answers_[call] : std::optional<std::string>("no answer given");
    }

    void answer(int call, std::optional<std::string> reason) {
        std::lock_guard lock(mutex_);
        answers_[call] = std::move(reason);
        changed_.notify_all();
    }

    int calls() {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<int, std::optional<std::string>> answers_;
    int calls_ = 0;
    std::optional<std::string> always_;
    bool answersAtOnce_ = false;
};

} // namespace tindrel::testing
