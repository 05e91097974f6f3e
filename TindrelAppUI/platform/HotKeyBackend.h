#pragma once

#include "TindrelShortcut/KeyChord.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace tindrel {

// Which registration a press belongs to: a four-character signature and a small id.
struct HotKeyIdentifier {
    std::uint32_t signature = 0;
    std::uint32_t id = 0;
    bool operator==(const HotKeyIdentifier&) const = default;
};

// One system-wide key combination at a time. A back end claims the combination exactly (no other
// keys are watched), answers no handle when the system refuses it (usually because another client
// holds it) and reports presses on the GUI thread through the installed handler.
class HotKeyBackend {
public:
    using Handle = std::uint64_t;
    using PressHandler = std::function<void(HotKeyIdentifier)>;

    virtual ~HotKeyBackend() = default;

    virtual void installHandler(PressHandler handler) = 0;
    virtual std::optional<Handle> registerHotKey(const KeyChord& chord, HotKeyIdentifier identifier) = 0;
    virtual void unregisterHotKey(Handle handle) = 0;
};

// Refuses every combination: sessions where no global key can be grabbed.
class UnavailableHotKeyBackend final : public HotKeyBackend {
public:
    void installHandler(PressHandler) override {}
    std::optional<Handle> registerHotKey(const KeyChord&, HotKeyIdentifier) override { return std::nullopt; }
    void unregisterHotKey(Handle) override {}
};

// The best back end for the running session: X11 (also under XWayland), the desktop portal on a pure
// Wayland session, otherwise one that refuses. Needs the GUI application object.
std::unique_ptr<HotKeyBackend> makeSystemHotKeyBackend();

} // namespace tindrel
