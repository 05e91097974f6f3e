#pragma once

#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/inspector/ModelStatusProbe.h"
#include "TindrelAppUI/platform/LoginItem.h"

#include <QByteArray>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <vector>

namespace tindrel::testing {

// Sets (or, given nothing, removes) one environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<QByteArray>& value)
        : name_(name) {
        if (qEnvironmentVariableIsSet(name)) saved_ = qgetenv(name);
        set(value);
    }
    ~ScopedEnv() { set(saved_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void set(const std::optional<QByteArray>& value) {
        if (value)
            qputenv(name_, *value);
        else
            qunsetenv(name_);
    }

    const char* name_;
    std::optional<QByteArray> saved_;
};

// Grants every chord except those in `taken`.
class ChordBackend final : public HotKeyBackend {
public:
    explicit ChordBackend(const std::vector<KeyChord>& taken)
        : taken_(taken) {}
    void installHandler(PressHandler) override {}
    std::optional<Handle> registerHotKey(const KeyChord& chord, HotKeyIdentifier) override {
        if (std::ranges::count(taken_, chord) > 0) return std::nullopt;
        return ++handles_;
    }
    void unregisterHotKey(Handle) override {}

private:
    const std::vector<KeyChord>& taken_;
    Handle handles_ = 0;
};

struct FakeHotKeys {
    MemoryDefaults defaults;
    std::vector<KeyChord> taken;
    HotKeyManager manager{defaults, std::make_unique<ChordBackend>(taken)};
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

// Answers every check alike, at once.
class FixedProbe final : public ModelStatusProbe {
public:
    explicit FixedProbe(std::optional<std::string> reason)
        : reason_(std::move(reason)) {}
    std::optional<std::string> unavailabilityReason() override { return reason_; }

private:
    std::optional<std::string> reason_;
};

// Each check (numbered from 0) waits on its worker thread until the test gives its answer.
class ScriptedProbe final : public ModelStatusProbe {
public:
    std::optional<std::string> unavailabilityReason() override {
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
};

} // namespace tindrel::testing
