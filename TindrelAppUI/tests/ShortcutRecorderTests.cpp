#include "TindrelAppUI/hotkey/ChordText.h"
#include "TindrelAppUI/hotkey/KeyCodes.h"
#include "TindrelAppUI/hotkey/ShortcutRecorder.h"
#include "TindrelAppUI/platform/PortalHotKeyBackend.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tindrel;
using M = KeyChord::Modifiers;
using Outcome = RecordedKey::Outcome;

TEST(RecordedKey, KeyPressesFollowTheRecordingRules) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        Outcome outcome;
        std::string display; // the stored form
        QString shown;       // as the screens write it
        std::uint32_t keyCode;
    };
    const std::vector<Case> cases = {
        {Qt::Key_K, Qt::ShiftModifier, Outcome::ignore, "", "", 0},
        {Qt::Key_K, Qt::NoModifier, Outcome::ignore, "", "", 0},
        {Qt::Key_K, Qt::MetaModifier, Outcome::record, "\u2318K", "Super+K", 40},
        {Qt::Key_F5, Qt::ControlModifier, Outcome::record, "\u2303F5", "Ctrl+F5", 96},
        {Qt::Key_Escape, Qt::NoModifier, Outcome::cancel, "", "", 0},
        {Qt::Key_Escape, Qt::ControlModifier, Outcome::cancel, "", "", 0},
        {Qt::Key_Space, Qt::AltModifier | Qt::ShiftModifier, Outcome::record, "\u2325\u21e7Space",
         "Alt+Shift+Space", 49},
        {Qt::Key_Exclam, Qt::AltModifier | Qt::ShiftModifier, Outcome::record, "\u2325\u21e71", "Alt+Shift+1",
         18},
        {Qt::Key_K, Qt::ControlModifier | Qt::AltModifier, Outcome::record, "\u2303\u2325K", "Ctrl+Alt+K",
         40},
        {Qt::Key_Slash, Qt::ControlModifier | Qt::KeypadModifier, Outcome::record, "\u2303/", "Ctrl+/", 44},
        {Qt::Key_Left, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier,
         Outcome::record, "\u2303\u2325\u21e7\u2318\u2190", "Ctrl+Alt+Shift+Super+Left", 123},
        {Qt::Key_Backspace, Qt::ControlModifier, Outcome::record, "\u2303Delete", "Ctrl+Backspace", 51},
        {Qt::Key_Delete, Qt::AltModifier, Outcome::record, "\u2325\u2326", "Alt+Delete", 117},
        {Qt::Key_Control, Qt::ControlModifier, Outcome::ignore, "", "", 0},
    };
    ShortcutRecorder recorder;
    for (const Case& c : cases) {
        RecordedKey key = RecordedKey::from(c.key, c.modifiers);
        EXPECT_EQ(key.outcome, c.outcome) << c.key;
        if (c.outcome != Outcome::record) continue;
        EXPECT_EQ(key.chord.display(), c.display);
        EXPECT_EQ(chordText(key.chord), c.shown);
        EXPECT_EQ(key.chord.keyCode, c.keyCode);
        recorder.setChord(key.chord);
        EXPECT_TRUE(recorder.findChild<QPushButton*>()->text() == c.shown) << c.display;
    }
}

TEST(KeyCodes, KeysMapToQtKeysAndKeySymsConsistently) {
    struct Case {
        std::uint32_t code;
        int qtKey;
        std::uint32_t keysym;
        QString characters;
    };
    const std::vector<Case> cases = {
        {0, Qt::Key_A, 'a', "a"},
        {1, Qt::Key_S, 's', "s"},
        {40, Qt::Key_K, 'k', "k"},
        {29, Qt::Key_0, '0', "0"},
        {25, Qt::Key_9, '9', "9"},
        {49, Qt::Key_Space, 0x20, " "},
        {36, Qt::Key_Return, 0xff0d, ""},
        {76, Qt::Key_Enter, 0xff8d, ""},
        {51, Qt::Key_Backspace, 0xff08, ""},
        {117, Qt::Key_Delete, 0xffff, ""},
        {122, Qt::Key_F1, 0xffbe, ""},
        {111, Qt::Key_F12, 0xffc9, ""},
        {126, Qt::Key_Up, 0xff52, ""},
        {121, Qt::Key_PageDown, 0xff56, ""},
        {50, Qt::Key_QuoteLeft, '`', "`"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCodes::fromQtKey(c.qtKey), c.code) << c.code;
        EXPECT_EQ(KeyCodes::x11KeySym(c.code), c.keysym) << c.code;
        EXPECT_EQ(KeyCodes::characters(c.code), c.characters) << c.code;
    }
    EXPECT_FALSE(KeyCodes::x11KeySym(10));
    EXPECT_FALSE(KeyCodes::fromQtKey(Qt::Key_Shift));
}

TEST(KeyCodes, ModifierMasks) {
    EXPECT_EQ(KeyCodes::x11Modifiers(M{M::option, M::shift}), 8 | 1);
    EXPECT_EQ(KeyCodes::x11Modifiers(M{M::control, M::command}), 4 | 64);
    EXPECT_EQ(KeyCodes::x11Modifiers(M()), 0);
    EXPECT_EQ(KeyCodes::fromQtModifiers(Qt::ControlModifier | Qt::MetaModifier | Qt::GroupSwitchModifier),
              (M{M::control, M::command}));
}

TEST(PortalTrigger, ChordsBecomeShortcutTriggers) {
    EXPECT_EQ(portalTrigger(KeyChord::defaultChord()), "ALT+SHIFT+space");
    EXPECT_EQ(portalTrigger({40, M{M::command, M::control}, "K"}), "CTRL+LOGO+k");
    EXPECT_EQ(portalTrigger({96, M{M::option}, "F5"}), "ALT+F5");
    EXPECT_EQ(portalTrigger({116, M{M::control}, "Page Up"}), "CTRL+Prior");
}

namespace {

struct Recorder {
    ShortcutRecorder widget;
    QSignalSpy spy{&widget, &ShortcutRecorder::recorded};

    QString fieldText() const { return widget.findChildren<QPushButton*>().at(0)->text(); }
    bool cancelShown() const { return !widget.findChildren<QPushButton*>().at(1)->isHidden(); }
};

} // namespace

TEST(ShortcutRecorder, ShowsTheChordUntilRecordingStarts) {
    Recorder r;
    r.widget.setChord({40, M{M::command}, "K"});
    EXPECT_EQ(r.fieldText(), QString::fromUtf8("Super+K"));
    EXPECT_FALSE(r.cancelShown());
    r.widget.setStartTrigger(1);
    EXPECT_TRUE(r.widget.isRecording());
    EXPECT_EQ(r.fieldText(), QString::fromUtf8("Type shortcut\u2026"));
    EXPECT_TRUE(r.cancelShown());
}

TEST(ShortcutRecorder, RecordsTheFirstValidChordAndSwallowsTheKeys) {
    Recorder r;
    QWidget other;
    r.widget.startRecording();
    QTest::keyClick(&other, Qt::Key_K, Qt::ShiftModifier);
    EXPECT_TRUE(r.widget.isRecording());
    EXPECT_EQ(r.spy.count(), 0);
    QTest::keyClick(&other, Qt::Key_K, Qt::MetaModifier);
    EXPECT_FALSE(r.widget.isRecording());
    ASSERT_EQ(r.spy.count(), 1);
    EXPECT_EQ(r.spy.at(0).at(0).value<KeyChord>().display(), "\u2318K");

    QTest::keyClick(&other, Qt::Key_J, Qt::MetaModifier);
    EXPECT_EQ(r.spy.count(), 1) << "presses after the recording pass through";
}

TEST(ShortcutRecorder, EscapeCancelAndRepeatedStartsDoNotRecord) {
    Recorder r;
    QWidget other;
    r.widget.setStartTrigger(1);
    r.widget.setStartTrigger(1);
    r.widget.startRecording();
    QTest::keyClick(&other, Qt::Key_Escape);
    EXPECT_FALSE(r.widget.isRecording());
    QTest::keyClick(&other, Qt::Key_K, Qt::MetaModifier);
    EXPECT_EQ(r.spy.count(), 0);

    r.widget.setStartTrigger(2);
    EXPECT_TRUE(r.widget.isRecording());
    r.widget.stopRecording();
    QTest::keyClick(&other, Qt::Key_K, Qt::MetaModifier);
    EXPECT_EQ(r.spy.count(), 0);
}
