#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/platform/X11HotKeyBackend.h"
#include "XServer.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <X11/keysym.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

using namespace tindrel;
using M = KeyChord::Modifiers;

namespace {

// Another program on the same display that may hold a key combination first.
class OtherClient {
public:
    OtherClient()
        : connection_(xcb_connect(xserver::xDisplay().toLatin1().constData(), nullptr))
        , root_(xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root) {}
    ~OtherClient() { xcb_disconnect(connection_); }

    // True when the server gave us the grab.
    bool grab(xcb_keysym_t keysym, std::uint16_t modifiers) {
        xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection_);
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
        xcb_keycode_t code = codes ? codes[0] : 0;
        std::free(codes);
        xcb_key_symbols_free(symbols);
        xcb_void_cookie_t cookie = xcb_grab_key_checked(connection_, 0, root_, modifiers, code,
                                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        xcb_generic_error_t* error = xcb_request_check(connection_, cookie);
        std::free(error);
        return error == nullptr;
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_;
};

bool press(const QString& keys) {
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}) == 0;
}

struct X11Fixture : ::testing::Test {
    MemoryDefaults defaults;
    std::unique_ptr<HotKeyManager> manager;
    int callbacks = 0;

    void SetUp() override {
        if (xserver::xDisplay().isEmpty())
            GTEST_SKIP() << "no X server: " << xserver::xServerProblem().toStdString();
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "xdotool is not installed: no way to press keys on the X server";
        std::unique_ptr<HotKeyBackend> backend = makeX11HotKeyBackend();
        ASSERT_TRUE(backend) << "the application did not get an X connection";
        manager = std::make_unique<HotKeyManager>(defaults, std::move(backend));
    }

    void expectFires(const QString& keys, int count) {
        ASSERT_TRUE(press(keys)) << "xdotool failed";
        EXPECT_TRUE(QTest::qWaitFor([&] { return manager->fireCount() == count; }, 3000))
            << keys.toStdString();
        EXPECT_EQ(callbacks, count);
    }

    void expectSilent(const QString& keys) {
        int before = manager->fireCount();
        ASSERT_TRUE(press(keys)) << "xdotool failed";
        QTest::qWait(200);
        EXPECT_EQ(manager->fireCount(), before) << keys.toStdString();
    }
};

constexpr std::uint16_t shiftAlt = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_1;

} // namespace

TEST_F(X11Fixture, PressingTheChordAnywhereFiresOnce) {
    ASSERT_TRUE(manager->registerHotKey([this] { ++callbacks; }));
    EXPECT_EQ(manager->status(), HotKeyManager::Status::active);
    expectFires("alt+shift+space", 1);
    expectSilent("alt+space");
    expectSilent("ctrl+alt+shift+space");
}

TEST_F(X11Fixture, HoldingTheChordFiresOnceDespiteKeyRepeat) {
    ASSERT_TRUE(manager->registerHotKey([this] { ++callbacks; }));
    ASSERT_TRUE(QProcess::execute(QStringLiteral("xdotool"), {"keydown", "alt+shift+space", "sleep", "1",
                                                              "keyup", "alt+shift+space"}) == 0);
    QTest::qWait(200);
    EXPECT_EQ(manager->fireCount(), 1);
    expectFires("alt+shift+space", 2);
}

TEST_F(X11Fixture, LockKeysDoNotDisableTheShortcut) {
    ASSERT_TRUE(manager->registerHotKey([this] { ++callbacks; }));
    ASSERT_TRUE(press("Caps_Lock"));
    expectFires("alt+shift+space", 1);
    ASSERT_TRUE(press("Caps_Lock"));
    ASSERT_TRUE(press("Num_Lock"));
    expectFires("alt+shift+space", 2);
    ASSERT_TRUE(press("Num_Lock"));
}

TEST_F(X11Fixture, ACombinationHeldByAnotherClientIsUnavailable) {
    OtherClient other;
    ASSERT_TRUE(other.grab(XK_space, shiftAlt));
    EXPECT_FALSE(manager->registerHotKey([this] { ++callbacks; }));
    EXPECT_EQ(manager->status(), HotKeyManager::Status::unavailable);

    manager->changeChord(manager->suggestedAlternative());
    EXPECT_EQ(manager->status(), HotKeyManager::Status::active);
    expectFires("alt+s", 1);
}

TEST_F(X11Fixture, ChangingTheChordReleasesTheOldCombination) {
    ASSERT_TRUE(manager->registerHotKey([this] { ++callbacks; }));
    manager->changeChord({9, M{M::control, M::option}, "V"});
    EXPECT_EQ(manager->status(), HotKeyManager::Status::active);
    expectSilent("alt+shift+space");
    expectFires("ctrl+alt+v", 1);

    OtherClient other;
    EXPECT_TRUE(other.grab(XK_space, shiftAlt)) << "the old combination is still held";
    EXPECT_FALSE(other.grab(XK_v, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
}
