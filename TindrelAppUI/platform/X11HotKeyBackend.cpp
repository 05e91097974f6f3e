#include "TindrelAppUI/platform/X11HotKeyBackend.h"

#include "TindrelAppUI/hotkey/KeyCodes.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <X11/keysym.h>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace tindrel {
namespace {

// Pointer buttons and keyboard groups share the state field with the modifiers.
constexpr std::uint16_t modifierBits = 0xff;

std::vector<xcb_keycode_t> keycodesOf(xcb_key_symbols_t* symbols, xcb_keysym_t keysym) {
    std::vector<xcb_keycode_t> result;
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
    for (xcb_keycode_t* code = codes; code && *code != XCB_NO_SYMBOL; ++code)
        result.push_back(*code);
    std::free(codes);
    return result;
}

// The modifier bit Num Lock sits on varies between servers; Mod2 is the usual one.
std::uint16_t numLockMask(xcb_connection_t* connection, xcb_key_symbols_t* symbols) {
    std::vector<xcb_keycode_t> numLock = keycodesOf(symbols, XK_Num_Lock);
    xcb_get_modifier_mapping_reply_t* reply =
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr);
    if (!reply) return XCB_MOD_MASK_2;
    std::uint16_t mask = 0;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply);
    for (int index = 0; index < 8 * reply->keycodes_per_modifier; ++index)
        if (codes[index] != 0 && std::ranges::count(numLock, codes[index]) > 0)
            mask = std::uint16_t(1u << (index / reply->keycodes_per_modifier));
    std::free(reply);
    return mask ? mask : std::uint16_t(XCB_MOD_MASK_2);
}

class X11HotKeyBackend final : public HotKeyBackend, public QAbstractNativeEventFilter {
public:
    X11HotKeyBackend(xcb_connection_t* connection)
        : connection_(connection)
        , root_(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root)
        , symbols_(xcb_key_symbols_alloc(connection)) {
        std::uint16_t numLock = numLockMask(connection_, symbols_);
        lockVariants_ = {0, numLock, XCB_MOD_MASK_LOCK, std::uint16_t(numLock | XCB_MOD_MASK_LOCK)};
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~X11HotKeyBackend() override {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        for (const auto& [handle, grab] : grabs_)
            ungrab(grab);
        xcb_flush(connection_);
        xcb_key_symbols_free(symbols_);
    }

    void installHandler(PressHandler handler) override { handler_ = std::move(handler); }

    std::optional<Handle> registerHotKey(const KeyChord& chord, HotKeyIdentifier identifier) override {
        std::optional<std::uint32_t> keysym = KeyCodes::x11KeySym(chord.keyCode);
        if (!keysym) return std::nullopt;
        Grab grab{keycodesOf(symbols_, *keysym), KeyCodes::x11Modifiers(chord.modifiers), identifier};
        if (grab.keycodes.empty() || !claim(grab)) return std::nullopt;
        grabs_.emplace(nextHandle_, grab);
        return nextHandle_++;
    }

    void unregisterHotKey(Handle handle) override {
        auto it = grabs_.find(handle);
        if (it == grabs_.end()) return;
        ungrab(it->second);
        xcb_flush(connection_);
        grabs_.erase(it);
        held_.reset();
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        std::uint8_t kind = event->response_type & 0x7f;
        if (kind == XCB_MAPPING_NOTIFY)
            xcb_refresh_keyboard_mapping(symbols_, reinterpret_cast<xcb_mapping_notify_event_t*>(event));
        if (kind == XCB_KEY_RELEASE) return release(*reinterpret_cast<xcb_key_release_event_t*>(event));
        if (kind != XCB_KEY_PRESS) return false;
        return deliver(*reinterpret_cast<xcb_key_press_event_t*>(event));
    }

private:
    struct Grab {
        std::vector<xcb_keycode_t> keycodes;
        std::uint16_t modifiers;
        HotKeyIdentifier identifier;
    };

    // Lock keys are modifiers to X: without a grab per lock state the shortcut would stop working
    // whenever Num Lock or Caps Lock is on.
    bool claim(const Grab& grab) {
        std::vector<xcb_void_cookie_t> cookies;
        for (xcb_keycode_t code : grab.keycodes)
            for (std::uint16_t lock : lockVariants_)
                cookies.push_back(xcb_grab_key_checked(connection_, 0, root_, grab.modifiers | lock, code,
                                                       XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        // BadAccess: another client holds the combination. Any error means it is not ours.
        bool refused = false;
        for (xcb_void_cookie_t cookie : cookies) {
            xcb_generic_error_t* error = xcb_request_check(connection_, cookie);
            refused = refused || error;
            std::free(error);
        }
        if (refused) ungrab(grab);
        xcb_flush(connection_);
        return !refused;
    }

    void ungrab(const Grab& grab) {
        for (xcb_keycode_t code : grab.keycodes)
            for (std::uint16_t lock : lockVariants_)
                xcb_ungrab_key(connection_, code, root_, grab.modifiers | lock);
    }

    bool deliver(const xcb_key_press_event_t& press) {
        if (press.event != root_) return false;
        std::uint16_t state = press.state & modifierBits & ~lockVariants_.back();
        for (const auto& [handle, grab] : grabs_) {
            if (grab.modifiers != state || std::ranges::count(grab.keycodes, press.detail) == 0) continue;
            if (!isRepeat(press) && handler_) handler_(grab.identifier);
            held_ = press.detail;
            return true;
        }
        return false;
    }

    // A held key repeats: as further presses without releases (detectable auto-repeat) or as
    // release-press pairs sharing one timestamp. One hold is one press of the shortcut.
    bool isRepeat(const xcb_key_press_event_t& press) const {
        return held_ == press.detail ||
               (lastRelease_ && lastRelease_->first == press.detail && lastRelease_->second == press.time);
    }

    bool release(const xcb_key_release_event_t& event) {
        if (event.event != root_ || held_ != event.detail) return false;
        held_.reset();
        lastRelease_ = {event.detail, event.time};
        return true;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_;
    xcb_key_symbols_t* symbols_;
    std::vector<std::uint16_t> lockVariants_;
    PressHandler handler_;
    std::map<Handle, Grab> grabs_;
    std::optional<xcb_keycode_t> held_;
    std::optional<std::pair<xcb_keycode_t, xcb_timestamp_t>> lastRelease_;
    Handle nextHandle_ = 1;
};

} // namespace

std::unique_ptr<HotKeyBackend> makeX11HotKeyBackend() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return nullptr;
    return std::make_unique<X11HotKeyBackend>(x11->connection());
}

} // namespace tindrel
