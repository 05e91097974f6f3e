#pragma once

#include "TindrelAppUI/platform/HotKeyBackend.h"
#include "TindrelAppUI/settings/Defaults.h"
#include "TindrelShortcut/KeyChord.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace tindrel {

// The global shortcut: owns the one system registration, publishes whether it succeeded, keeps the
// chosen chord in the user defaults and calls back when the combination is pressed. Lives on the GUI
// thread; presses are counted and handed to the callback from the event queue, never from inside
// the platform's own event dispatch.
class HotKeyManager final : public QObject {
    Q_OBJECT

public:
    enum class Status { inactive, active, unavailable };

    static inline const QString storeKey = QStringLiteral("tindrel.hotkey.v1");
    static constexpr std::uint32_t hotKeyID = 1;

    // Loads the stored chord (the default chord when there is none or it does not decode); registers
    // nothing yet.
    HotKeyManager(Defaults& defaults, std::unique_ptr<HotKeyBackend> backend, QObject* parent = nullptr);
    ~HotKeyManager() override;

    // The process-wide manager on the settings file and the session's back end; created on first use,
    // after the GUI application object exists, and never released.
    static HotKeyManager& shared();

    const KeyChord& chord() const { return chord_; }
    Status status() const { return status_; }
    int fireCount() const { return fireCount_; }

    // Remembers the callback, installs the press handler once and registers the chord. True when the
    // status became active.
    bool registerHotKey(std::function<void()> onFire);
    // Stores the chord; re-registers only when a callback has been registered before.
    void changeChord(const KeyChord& chord);
    // The first of Alt+S, Ctrl+Alt+V, Ctrl+Alt+Space, Alt+Shift+I that differs from the current chord.
    KeyChord suggestedAlternative() const;

    // What opening Settings does with the launch flags: "--show-settings" registers (with a callback
    // that does nothing) while still inactive so the status row shows a real outcome;
    // "--force-hotkey-unavailable" shows the unavailable state.
    void prepareSettings(const QStringList& arguments);

    // "TDRL" → 0x5444524C: the first four UTF-8 bytes, big-endian.
    static std::uint32_t fourCharCode(std::string_view text);

signals:
    void chordChanged();
    void statusChanged();
    void fireCountChanged();

private:
    bool applyRegistration();
    void persist();
    void installHandlerIfNeeded();
    void handlePress(HotKeyIdentifier identifier);
    void fire();
    void setStatus(Status status);

    KeyChord chord_;
    Status status_ = Status::inactive;
    int fireCount_ = 0;
    std::optional<HotKeyBackend::Handle> hotKeyRef_;
    bool handlerInstalled_ = false;
    std::function<void()> onFire_;
    Defaults& defaults_;
    std::unique_ptr<HotKeyBackend> backend_;
};

} // namespace tindrel
