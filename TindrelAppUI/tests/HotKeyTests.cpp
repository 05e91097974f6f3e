#include "SettingsFakes.h"
#include "TindrelAppUI/hotkey/ChordText.h"
#include "TindrelAppUI/hotkey/KeyCodes.h"
#include "TindrelAppUI/hotkey/ShortcutRecorder.h"
#include "TindrelAppUI/platform/PortalHotKeyBackend.h"
#include "TindrelAppUI/platform/X11HotKeyBackend.h"
#include "WidgetTexts.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tindrel;
using tindrel::testing::FakeHotKeys;
using tindrel::testing_support::dataRows;
using tindrel::testing_support::enumValue;
using M = KeyChord::Modifiers;
using Status = HotKeyManager::Status;
using Calls = std::vector<std::string>;

namespace {

const KeyChord optionS{1, M{M::option}, "S"};
const KeyChord controlOptionV{9, M{M::control, M::option}, "V"};
const std::string tdrl = std::to_string(0x5444524Cu);

TEST(HotKeyManager, StartsInactiveWithTheStoredOrDefaultChordAndRegistersNothing) {
    for (const QStringList& row : dataRows("stored-chords.tsv")) {
        const QByteArray stored = row[0].toUtf8();
        const KeyChord expected =
            row[1] == "default" ? KeyChord::defaultChord()
                                : KeyChord{row[1].toUInt(), M(row[2].toLongLong()), row[3].toStdString()};
        MemoryDefaults defaults;
        defaults.setData(HotKeyManager::storeKey, stored);
        auto* backend = new tindrel::testing::FakeHotKeyBackend;
        HotKeyManager manager(defaults, std::unique_ptr<HotKeyBackend>(backend));
        EXPECT_EQ(std::tuple(manager.chord(), manager.status(), manager.fireCount(), backend->calls.size()),
                  std::tuple(expected, Status::inactive, 0, 0u))
            << stored.toStdString();
        EXPECT_EQ(defaults.data(HotKeyManager::storeKey), stored) << "bad data stays until persisted";
    }
}

TEST(HotKeyManager, RegistrationsReleaseTheOldChordAndTheStatusFollowsEachAttempt) {
    FakeHotKeys f;
    EXPECT_TRUE(f.manager.registerHotKey([] {}) && f.manager.registerHotKey([] {}));
    EXPECT_EQ(f.manager.status(), Status::active);
    const std::string space = "register \u2325\u21e7Space " + tdrl + "/1";
    EXPECT_EQ(f.backend->calls, (Calls{"install", space, "unregister 100", space})) << "one handler";

    FakeHotKeys taken;
    taken.backend->taken = {KeyChord::defaultChord(), controlOptionV};
    EXPECT_FALSE(taken.manager.registerHotKey([] {}));
    EXPECT_EQ(taken.manager.status(), Status::unavailable);
    taken.manager.changeChord(optionS);
    EXPECT_EQ(taken.manager.status(), Status::active);
    taken.manager.changeChord(controlOptionV);
    EXPECT_EQ(taken.manager.status(), Status::unavailable);
    EXPECT_EQ(Calls(taken.backend->calls.end() - 2, taken.backend->calls.end()),
              (Calls{"unregister 100", "register \u2303\u2325V " + tdrl + "/1"}));
}

TEST(HotKeyManager, SuggestedAlternativeSkipsTheCurrentChordAndChangingBeforeRegistrationOnlyStoresIt) {
    const std::pair<KeyChord, KeyChord> cases[] = {{optionS, controlOptionV},
                                                   {KeyChord::defaultChord(), optionS},
                                                   {controlOptionV, optionS},
                                                   {{1, M{M::option, M::shift}, "S"}, optionS}};
    for (const auto& [current, expected] : cases) {
        FakeHotKeys f;
        f.manager.changeChord(current);
        EXPECT_EQ(f.manager.suggestedAlternative(), expected) << current.display();
    }

    FakeHotKeys f;
    f.manager.changeChord(optionS);
    EXPECT_EQ(std::tuple(
                  f.backend->calls.size(), f.manager.status(),
                  HotKeyManager(f.defaults, std::make_unique<tindrel::testing::FakeHotKeyBackend>()).chord()),
              std::tuple(0u, Status::inactive, optionS));
    f.manager.registerHotKey([] {});
    EXPECT_EQ(f.backend->calls.back(), "register \u2325S " + tdrl + "/1");
}

TEST(HotKeyManager, OnlyOurPressesAreCountedFromTheEventQueueBeforeTheCallbackRuns) {
    FakeHotKeys f;
    std::vector<int> seenCounts;
    f.manager.registerHotKey([&] { seenCounts.push_back(f.manager.fireCount()); });
    f.backend->handler({HotKeyManager::fourCharCode("TDRL"), 2});
    f.backend->handler({HotKeyManager::fourCharCode("TDRL"), 0});
    QCoreApplication::processEvents();
    EXPECT_EQ(f.manager.fireCount(), 0) << "another id";
    f.backend->handler({HotKeyManager::fourCharCode("TDRL"), 1});
    EXPECT_EQ(f.manager.fireCount(), 0) << "delivered from inside the platform's dispatch";
    QCoreApplication::processEvents();
    EXPECT_EQ(std::tuple(f.manager.fireCount(), seenCounts), std::tuple(1, std::vector<int>{1}));
    std::vector<std::uint32_t> codes;
    for (const char* text : {"TDRL", "TDRLX", "AB", "", "\xff\xff\xff\xff"})
        codes.push_back(HotKeyManager::fourCharCode(text));
    EXPECT_EQ(codes, (std::vector<std::uint32_t>{0x5444524C, 0x5444524C, 0x4142, 0, 0xffffffff}));
}

TEST(HotKeyManager, SettingsLaunchFlags) {
    FakeHotKeys settings;
    settings.manager.prepareSettings({"tindrel-app", "--show-settings"});
    EXPECT_EQ(settings.manager.status(), Status::active);
    settings.manager.changeChord(optionS);
    EXPECT_EQ(settings.backend->calls.back(), "register \u2325S " + tdrl + "/1")
        << "the empty callback counts";

    FakeHotKeys registered;
    registered.manager.registerHotKey([] {});
    registered.manager.prepareSettings({"tindrel-app", "--show-settings"});
    EXPECT_EQ(registered.backend->calls.size(), 2u) << "already registered: no second attempt";

    FakeHotKeys forced;
    forced.manager.prepareSettings({"tindrel-app", "--show-settings", "--force-hotkey-unavailable"});
    EXPECT_EQ(forced.manager.status(), Status::unavailable);
}

// The offscreen platform still hands out the X11 interface, with no connection behind it.
TEST(HotKeyManager, SessionsWithoutAnXConnectionGetNoGlobalKey) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) GTEST_SKIP() << "offscreen only";
    EXPECT_EQ(makeX11HotKeyBackend(), nullptr);
    MemoryDefaults defaults;
    HotKeyManager manager(defaults, makeSystemHotKeyBackend());
    EXPECT_FALSE(manager.registerHotKey([] {}) || manager.status() != Status::unavailable);
}

TEST(RecordedKey, KeyPressesFollowTheRecordingRules) {
    using Outcome = RecordedKey::Outcome;
    const std::map<QString, Outcome> outcomes = {
        {"ignore", Outcome::ignore}, {"cancel", Outcome::cancel}, {"record", Outcome::record}};
    ShortcutRecorder recorder;
    for (const QStringList& row : dataRows("recorded-keys.tsv")) {
        const RecordedKey recorded = RecordedKey::from(
            enumValue<Qt::Key>(row[0]), Qt::KeyboardModifiers(enumValue<Qt::KeyboardModifiers>(row[1])));
        EXPECT_EQ(recorded.outcome, outcomes.at(row[2])) << row.join(' ').toStdString();
        if (recorded.outcome != Outcome::record) continue;
        EXPECT_EQ(QString::fromStdString(recorded.chord.display()), row[3]);
        EXPECT_EQ(chordText(recorded.chord), row[4]);
        EXPECT_EQ(recorded.chord.keyCode, row[5].toUInt());
        recorder.setChord(recorded.chord);
        EXPECT_EQ(recorder.findChild<QPushButton*>()->text(), row[4]);
    }
}

TEST(KeyCodes, KeysMapToQtKeysKeySymsModifierMasksAndPortalTriggers) {
    for (const QStringList& row : dataRows("key-codes.tsv")) {
        const std::uint32_t code = row[0].toUInt();
        EXPECT_EQ(KeyCodes::fromQtKey(enumValue<Qt::Key>(row[1])), code) << code;
        EXPECT_EQ(KeyCodes::x11KeySym(code), row[2].toUInt(nullptr, 16)) << code;
        EXPECT_EQ(KeyCodes::characters(code), row[3]) << code;
    }
    EXPECT_FALSE(KeyCodes::x11KeySym(10) || KeyCodes::fromQtKey(Qt::Key_Shift));
    EXPECT_EQ(std::tuple(KeyCodes::x11Modifiers(M{M::option, M::shift}),
                         KeyCodes::x11Modifiers(M{M::control, M::command}), KeyCodes::x11Modifiers(M())),
              std::tuple(8 | 1, 4 | 64, 0));
    EXPECT_EQ(KeyCodes::fromQtModifiers(Qt::ControlModifier | Qt::MetaModifier | Qt::GroupSwitchModifier),
              (M{M::control, M::command}));
    QStringList triggers;
    for (const KeyChord& chord : {KeyChord::defaultChord(), KeyChord{40, M{M::command, M::control}, "K"},
                                  KeyChord{96, M{M::option}, "F5"}, KeyChord{116, M{M::control}, "Page Up"}})
        triggers << portalTrigger(chord);
    EXPECT_EQ(triggers, QStringList({"ALT+SHIFT+space", "CTRL+LOGO+k", "ALT+F5", "CTRL+Prior"}));
}

TEST(ShortcutRecorder, RecordsTheFirstValidChordOnlyWhileRecording) {
    ShortcutRecorder widget;
    QSignalSpy spy(&widget, &ShortcutRecorder::recorded);
    const auto field = [&] { return widget.findChildren<QPushButton*>().at(0)->text(); };
    const auto cancelShown = [&] { return !widget.findChildren<QPushButton*>().at(1)->isHidden(); };
    QWidget other;
    widget.setChord({40, M{M::command}, "K"});
    EXPECT_EQ(std::tuple(field(), cancelShown()), std::tuple(QString("Super+K"), false));
    widget.setStartTrigger(1);
    EXPECT_EQ(std::tuple(widget.isRecording(), field(), cancelShown()),
              std::tuple(true, QString("Type shortcut\u2026"), true));
    QTest::keyClick(&other, Qt::Key_K, Qt::ShiftModifier);
    EXPECT_TRUE(widget.isRecording());
    QTest::keyClick(&other, Qt::Key_K, Qt::MetaModifier);
    EXPECT_FALSE(widget.isRecording());
    ASSERT_EQ(spy.count(), 1);

    EXPECT_EQ(spy.at(0).at(0).value<KeyChord>().display(), "\u2318K");
    QTest::keyClick(&other, Qt::Key_J, Qt::MetaModifier);
    EXPECT_EQ(spy.count(), 1) << "presses after the recording pass through";

    widget.setStartTrigger(1); // the same trigger again starts nothing
    EXPECT_FALSE(widget.isRecording());
    widget.startRecording();
    QTest::keyClick(&other, Qt::Key_Escape);
    EXPECT_FALSE(widget.isRecording());
    widget.setStartTrigger(2);
    EXPECT_TRUE(widget.isRecording());
    widget.stopRecording();
    QTest::keyClick(&other, Qt::Key_K, Qt::MetaModifier);
    EXPECT_EQ(spy.count(), 1) << "neither Escape nor a stop records";
}

} // namespace
