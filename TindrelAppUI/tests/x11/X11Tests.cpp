#include "../ModelFakes.h"
#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/platform/X11HotKeyBackend.h"
#include "TindrelAppUI/shell/AppShell.h"
#include "TindrelAppUI/shell/MainWindow.h"
#include "TindrelAppUI/shell/OnboardingModel.h"
#include "TindrelAppUI/tray/TrayController.h"
#include "TindrelAppUI/views/TrayPanel.h"
#include "XServer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
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

// Why the test cannot run here, or nothing.
std::optional<std::string> missing(const char* tool) {
    if (xserver::xDisplay().isEmpty()) return "no X server: " + xserver::xServerProblem().toStdString();
    if (QStandardPaths::findExecutable(tool).isEmpty()) return std::string(tool) + " is not installed";
    return std::nullopt;
}

bool xdotool(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// Another program on the same display that may hold a key combination first.
class OtherClient {
public:
    OtherClient()
        : connection_(xcb_connect(xserver::xDisplay().toLatin1().constData(), nullptr))
        , root_(xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root) {}
    ~OtherClient() { xcb_disconnect(connection_); }
    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

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

constexpr std::uint16_t shiftAlt = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_1;

struct GlobalKeys : ::testing::Test {
    MemoryDefaults defaults;
    std::unique_ptr<HotKeyManager> manager;
    int callbacks = 0;

    void SetUp() override {
        if (auto why = missing("xdotool")) GTEST_SKIP() << *why;
        std::unique_ptr<HotKeyBackend> backend = makeX11HotKeyBackend();
        ASSERT_TRUE(backend) << "the application did not get an X connection";
        manager = std::make_unique<HotKeyManager>(defaults, std::move(backend));
    }
    bool registered() {
        return manager->registerHotKey([this] { ++callbacks; });
    }
    void expectFires(const QString& keys, int count) {
        ASSERT_TRUE(xdotool({"key", keys})) << "xdotool failed";
        EXPECT_TRUE(QTest::qWaitFor([&] { return manager->fireCount() == count; }, 3000))
            << keys.toStdString();
        EXPECT_EQ(callbacks, count);
    }
    void expectSilent(const QString& keys) {
        const int before = manager->fireCount();
        ASSERT_TRUE(xdotool({"key", keys})) << "xdotool failed";
        QTest::qWait(200);
        EXPECT_EQ(manager->fireCount(), before) << keys.toStdString();
    }
};

TEST_F(GlobalKeys, PressingTheChordAnywhereFiresOnceDespiteKeyRepeatAndLockKeys) {
    ASSERT_TRUE(registered());
    EXPECT_EQ(manager->status(), HotKeyManager::Status::active);
    expectFires("alt+shift+space", 1);
    expectSilent("alt+space");
    expectSilent("ctrl+alt+shift+space");
    ASSERT_TRUE(xdotool({"keydown", "alt+shift+space", "sleep", "1", "keyup", "alt+shift+space"}));
    QTest::qWait(200);
    EXPECT_EQ(manager->fireCount(), 2) << "held down, it fires once";
    for (const char* lock : {"Caps_Lock", "Num_Lock"}) {
        ASSERT_TRUE(xdotool({"key", lock}));
        expectFires("alt+shift+space", manager->fireCount() + 1);
        ASSERT_TRUE(xdotool({"key", lock}));
    }
}

TEST_F(GlobalKeys, ACombinationHeldByAnotherClientIsUnavailable) {
    OtherClient other;
    ASSERT_TRUE(other.grab(XK_space, shiftAlt));
    EXPECT_FALSE(registered() || manager->status() != HotKeyManager::Status::unavailable);
    manager->changeChord(manager->suggestedAlternative());
    EXPECT_EQ(manager->status(), HotKeyManager::Status::active);
    expectFires("alt+s", 1);
}

TEST_F(GlobalKeys, ChangingTheChordReleasesTheOldCombination) {
    ASSERT_TRUE(registered());
    manager->changeChord({9, M{M::control, M::option}, "V"});
    EXPECT_EQ(manager->status(), HotKeyManager::Status::active);
    expectSilent("alt+shift+space");
    expectFires("ctrl+alt+v", 1);
    OtherClient other;
    EXPECT_TRUE(other.grab(XK_space, shiftAlt)) << "the old combination is still held";
    EXPECT_FALSE(other.grab(XK_v, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
}

// The whole path on a real X server: a key press another client would see as the global shortcut
// brings the hidden main window back with the clipboard decoded.
TEST(ShellShortcut, BringsTheWindowForwardWithTheClipboardLoaded) {
    if (auto why = missing("xdotool")) GTEST_SKIP() << *why;
    MemoryDefaults defaults;
    defaults.setBoolean(OnboardingModel::completedKey, true);
    HotKeyManager hotKeys(defaults, makeX11HotKeyBackend());
    InspectorModel model(defaults, {},
                         InspectorServices{std::make_shared<tindrel::testing::FakeExplanations>()});
    ShellServices services;
    services.pasteboard = std::make_shared<ClipboardPasteboard>();
    services.tray = false;
    AppShell shell(defaults, model, hotKeys, {}, std::move(services));
    shell.start();
    ASSERT_EQ(hotKeys.status(), HotKeyManager::Status::active);
    shell.window().hide();
    QGuiApplication::clipboard()->setText(QStringLiteral("1733556842"));
    ASSERT_TRUE(xdotool({"key", "alt+shift+space"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.input() == "1733556842"; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shell.window().isVisible(); }, 2000));
    EXPECT_TRUE(model.chain() && model.chain()->isRecognized() && shell.onboarding().usageCount() == 1);
}

// Until the tray has taken the icon in, its window sits unplaced at the screen's origin.
bool docked(const QSystemTrayIcon& icon) {
    return !icon.geometry().isEmpty() && icon.geometry().topLeft() != QPoint(0, 0);
}

// A plain X server has no tray; trayer is a small stand-alone one that docks icons along the top edge.
struct TrayOnX11 : ::testing::Test, tindrel::testing::ModelRig {
    QProcess trayer;

    void SetUp() override {
        if (auto why = missing("trayer")) GTEST_SKIP() << *why;
        ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable()) << "a tray is already running";
        trayer.start("trayer", {"--edge", "top", "--align", "right", "--height", "24"});
        ASSERT_TRUE(trayer.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 5000))
            << "trayer did not claim the tray";
        start();
    }
    void TearDown() override {
        if (trayer.state() == QProcess::NotRunning) return;
        trayer.terminate();
        if (!trayer.waitForFinished(3000)) trayer.kill();
        trayer.waitForFinished(3000);
        EXPECT_TRUE(QTest::qWaitFor([] { return !QSystemTrayIcon::isSystemTrayAvailable(); }, 3000))
            << "the tray outlived trayer";
    }
};

TEST_F(TrayOnX11, TheIconDocksAndAClickOpensThePanelBelowItAndAgainClosesIt) {
    TrayController controller(*model, *pasteboard);
    ASSERT_TRUE(controller.icon());
    EXPECT_TRUE(controller.icon()->isVisible() && controller.icon()->toolTip() == "Tindrel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return docked(*controller.icon()); }, 5000)) << "never got a place";
    const QRect icon = controller.icon()->geometry();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // trayer sits on the top edge, aligned to the right
    EXPECT_TRUE(screen.contains(icon) && icon.top() < 40 && icon.left() > screen.center().x())
        << icon.x() << ',' << icon.y() << ' ' << icon.width() << 'x' << icon.height();
    if (missing("xdotool")) GTEST_SKIP() << "xdotool is not installed: no way to click the icon";

    const QStringList click = {"mousemove", QString::number(icon.center().x()),
                               QString::number(icon.center().y()), "click", "1"};
    ASSERT_TRUE(xdotool(click));
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.isShown(); }, 3000)) << "the click did not open it";
    const QRect panel = controller.panel()->frameGeometry();
    EXPECT_TRUE(panel.top() >= icon.bottom() &&
                QGuiApplication::primaryScreen()->availableGeometry().contains(panel))
        << "the panel hangs below a top-edge icon, on the screen";

    ASSERT_TRUE(xdotool(click));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !controller.isShown(); }, 3000));
    QTest::qWait(TrayController::dismissClickMs);
    EXPECT_FALSE(controller.isShown()) << "the closing click opened the panel again";
}

} // namespace
