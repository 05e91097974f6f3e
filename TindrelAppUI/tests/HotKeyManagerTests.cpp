#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/platform/X11HotKeyBackend.h"

#include <QGuiApplication>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tindrel;
using M = KeyChord::Modifiers;

namespace {

// Records every call in order and refuses the chords it is told are taken.
struct FakeBackend final : HotKeyBackend {
    std::vector<std::string>* log;
    std::vector<KeyChord> taken;
    PressHandler handler;
    Handle next = 100;

    explicit FakeBackend(std::vector<std::string>* calls)
        : log(calls) {}

    void installHandler(PressHandler h) override {
        log->push_back("install");
        handler = std::move(h);
    }
    std::optional<Handle> registerHotKey(const KeyChord& chord, HotKeyIdentifier identifier) override {
        log->push_back("register " + chord.display() + " " + std::to_string(identifier.signature) + "/" +
                       std::to_string(identifier.id));
        if (std::ranges::count(taken, chord) > 0) return std::nullopt;
        return next++;
    }
    void unregisterHotKey(Handle handle) override { log->push_back("unregister " + std::to_string(handle)); }
};

struct Fixture {
    MemoryDefaults defaults;
    std::vector<std::string> calls;
    FakeBackend* backend = nullptr;

    std::unique_ptr<HotKeyManager> make() {
        auto fake = std::make_unique<FakeBackend>(&calls);
        backend = fake.get();
        return std::make_unique<HotKeyManager>(defaults, std::move(fake));
    }
};

const KeyChord optionS{1, M{M::option}, "S"};
const KeyChord controlOptionV{9, M{M::control, M::option}, "V"};
const std::string tdrl = std::to_string(0x5444524Cu);

} // namespace

TEST(HotKeyManager, StartsInactiveWithTheDefaultChordAndRegistersNothing) {
    Fixture f;
    auto manager = f.make();
    EXPECT_EQ(manager->chord(), KeyChord::defaultChord());
    EXPECT_EQ(manager->status(), HotKeyManager::Status::inactive);
    EXPECT_EQ(manager->fireCount(), 0);
    EXPECT_TRUE(f.calls.empty());
}

TEST(HotKeyManager, StoredChordIsLoadedAndUndecodableDataFallsBackToTheDefault) {
    struct Case {
        QByteArray stored;
        KeyChord expected;
    };
    const std::vector<Case> cases = {
        {R"({"keyCode":40,"modifiers":8,"keyLabel":"K"})", {40, M{M::command}, "K"}},
        // Not valid as a shortcut, but stored values are taken as they are.
        {R"({"keyCode":40,"modifiers":4,"keyLabel":"K"})", {40, M{M::shift}, "K"}},
        {R"({"keyCode":40,"modifiers":8})", KeyChord::defaultChord()},
        {"not json", KeyChord::defaultChord()},
        {"", KeyChord::defaultChord()},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.defaults.setData(HotKeyManager::storeKey, c.stored);
        EXPECT_EQ(f.make()->chord(), c.expected) << c.stored.toStdString();
        EXPECT_EQ(f.defaults.data(HotKeyManager::storeKey), c.stored) << "bad data stays until persisted";
    }
}

TEST(HotKeyManager, RegisteringTwiceInstallsTheHandlerOnceAndReleasesBeforeEachRegistration) {
    Fixture f;
    auto manager = f.make();
    EXPECT_TRUE(manager->registerHotKey([] {}));
    EXPECT_TRUE(manager->registerHotKey([] {}));
    EXPECT_EQ(manager->status(), HotKeyManager::Status::active);
    std::vector<std::string> expected = {"install", "register \u2325\u21e7Space " + tdrl + "/1",
                                         "unregister 100", "register \u2325\u21e7Space " + tdrl + "/1"};
    EXPECT_EQ(f.calls, expected);
}

TEST(HotKeyManager, StatusFollowsEveryRegistrationAttempt) {
    Fixture f;
    auto manager = f.make();
    f.backend->taken = {KeyChord::defaultChord()};
    EXPECT_FALSE(manager->registerHotKey([] {}));
    EXPECT_EQ(manager->status(), HotKeyManager::Status::unavailable);

    manager->changeChord(optionS);
    EXPECT_EQ(manager->status(), HotKeyManager::Status::active);

    f.backend->taken.push_back(controlOptionV);
    manager->changeChord(controlOptionV);
    EXPECT_EQ(manager->status(), HotKeyManager::Status::unavailable);
    std::vector<std::string> tail(f.calls.end() - 2, f.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"unregister 100", "register \u2303\u2325V " + tdrl + "/1"}));
}

TEST(HotKeyManager, ChangingBeforeRegistrationStoresWithoutRegistering) {
    Fixture f;
    auto manager = f.make();
    manager->changeChord(optionS);
    EXPECT_TRUE(f.calls.empty());
    EXPECT_EQ(manager->status(), HotKeyManager::Status::inactive);
    EXPECT_EQ(f.make()->chord(), optionS);

    manager->registerHotKey([] {});
    EXPECT_EQ(f.calls.back(), "register \u2325S " + tdrl + "/1");
}

TEST(HotKeyManager, SuggestedAlternativeSkipsTheCurrentChord) {
    struct Case {
        KeyChord current;
        KeyChord expected;
    };
    const std::vector<Case> cases = {
        {optionS, controlOptionV},
        {KeyChord::defaultChord(), optionS},
        {controlOptionV, optionS},
        {{1, M{M::option, M::shift}, "S"}, optionS},
    };
    for (const Case& c : cases) {
        Fixture f;
        auto manager = f.make();
        manager->changeChord(c.current);
        EXPECT_EQ(manager->suggestedAlternative(), c.expected) << c.current.display();
    }
}

TEST(HotKeyManager, PressesAreCountedFromTheEventQueueBeforeTheCallbackRuns) {
    Fixture f;
    auto manager = f.make();
    std::vector<int> seenCounts;
    manager->registerHotKey([&] { seenCounts.push_back(manager->fireCount()); });

    f.backend->handler({HotKeyManager::fourCharCode("TDRL"), 1});
    EXPECT_EQ(manager->fireCount(), 0) << "delivered from inside the platform's dispatch";
    QCoreApplication::processEvents();
    EXPECT_EQ(manager->fireCount(), 1);
    EXPECT_EQ(seenCounts, std::vector<int>{1});
}

TEST(HotKeyManager, PressesWithAnotherIdAreNotCounted) {
    Fixture f;
    auto manager = f.make();
    int calls = 0;
    manager->registerHotKey([&] { ++calls; });
    f.backend->handler({HotKeyManager::fourCharCode("TDRL"), 2});
    f.backend->handler({HotKeyManager::fourCharCode("TDRL"), 0});
    QCoreApplication::processEvents();
    EXPECT_EQ(manager->fireCount(), 0);
    EXPECT_EQ(calls, 0);
}

TEST(HotKeyManager, FourCharCodePacksBigEndian) {
    EXPECT_EQ(HotKeyManager::fourCharCode("TDRL"), 0x5444524Cu);
    EXPECT_EQ(HotKeyManager::fourCharCode("TDRLX"), 0x5444524Cu);
    EXPECT_EQ(HotKeyManager::fourCharCode("AB"), 0x4142u);
    EXPECT_EQ(HotKeyManager::fourCharCode(""), 0u);
    EXPECT_EQ(HotKeyManager::fourCharCode("\xff\xff\xff\xff"), 0xffffffffu);
}

TEST(HotKeyManager, SettingsLaunchFlags) {
    {
        Fixture f;
        auto manager = f.make();
        manager->prepareSettings({"tindrel-app", "--show-settings"});
        EXPECT_EQ(manager->status(), HotKeyManager::Status::active);
        manager->changeChord(optionS);
        EXPECT_EQ(f.calls.back(), "register \u2325S " + tdrl + "/1") << "the empty callback counts as set";
    }
    {
        Fixture f;
        auto manager = f.make();
        manager->registerHotKey([] {});
        manager->prepareSettings({"tindrel-app", "--show-settings"});
        EXPECT_EQ(f.calls.size(), 2u) << "already registered: no second attempt";
    }
    {
        Fixture f;
        auto manager = f.make();
        manager->prepareSettings({"tindrel-app", "--show-settings", "--force-hotkey-unavailable"});
        EXPECT_EQ(manager->status(), HotKeyManager::Status::unavailable);
    }
}

// The offscreen platform still hands out the X11 interface, with no connection behind it.
TEST(HotKeyManager, SessionsWithoutAnXConnectionGetNoGlobalKey) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        GTEST_SKIP() << "runs on the offscreen platform only";
    EXPECT_EQ(makeX11HotKeyBackend(), nullptr);
    MemoryDefaults defaults;
    HotKeyManager manager(defaults, makeSystemHotKeyBackend());
    EXPECT_FALSE(manager.registerHotKey([] {}));
    EXPECT_EQ(manager.status(), HotKeyManager::Status::unavailable);
}
