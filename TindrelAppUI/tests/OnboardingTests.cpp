#include "ModelFakes.h"
#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/inspector/InspectorBinding.h"
#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelAppUI/shell/MainWindow.h"
#include "TindrelAppUI/shell/OnboardingModel.h"
#include "TindrelAppUI/shell/OnboardingTexts.h"
#include "TindrelAppUI/shell/ShortcutTip.h"
#include "TindrelAppUI/views/OnboardingSheet.h"
#include "TindrelAppUI/views/result/ResultPages.h"
#include "WidgetTexts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace tindrel;
using testing_support::visibleLabelTexts;
using Tone = OnboardingTexts::TestLine::Tone;
using Status = HotKeyManager::Status;
using M = KeyChord::Modifiers;

namespace {

// Grants every combination until told to refuse; presses are delivered through the installed handler.
struct ScriptedBackend final : HotKeyBackend {
    bool refuse = false;
    PressHandler handler;
    Handle next = 1;

    void installHandler(PressHandler h) override { handler = std::move(h); }
    std::optional<Handle> registerHotKey(const KeyChord&, HotKeyIdentifier) override {
        if (refuse) return std::nullopt;
        return next++;
    }
    void unregisterHotKey(Handle) override {}
};

struct HotKeys {
    MemoryDefaults defaults;
    ScriptedBackend* backend = nullptr;
    std::unique_ptr<HotKeyManager> manager;

    HotKeys() {
        auto fake = std::make_unique<ScriptedBackend>();
        backend = fake.get();
        manager = std::make_unique<HotKeyManager>(defaults, std::move(fake));
    }

    void press() {
        backend->handler({HotKeyManager::fourCharCode("TDRL"), HotKeyManager::hotKeyID});
        QCoreApplication::processEvents();
    }
};

const QString defaultDisplay = QStringLiteral("Alt+Shift+Space");

} // namespace

TEST(OnboardingModel, StartsFromTheStoredStateOrNothing) {
    struct Case {
        const char* name;
        QVariant completed;
        QVariant usage;
        bool expectedCompleted;
        int expectedUsage;
    };
    const std::vector<Case> cases = {
        {"absent", {}, {}, false, 0},
        {"stored", true, 2, true, 2},
        {"settings file text", QStringLiteral("true"), QStringLiteral("5"), true, 5},
        {"unreadable", QStringLiteral("yes"), QStringLiteral("many"), false, 0},
        {"negative count", false, -4, false, 0},
    };
    for (const Case& c : cases) {
        MemoryDefaults defaults;
        if (c.completed.isValid()) {
            if (c.completed.typeId() == QMetaType::Bool)
                defaults.setBoolean(OnboardingModel::completedKey, c.completed.toBool());
            else
                defaults.setString(OnboardingModel::completedKey, c.completed.toString());
        }
        if (c.usage.typeId() == QMetaType::Int)
            defaults.setInteger(OnboardingModel::usageKey, c.usage.toInt());
        if (c.usage.typeId() == QMetaType::QString)
            defaults.setString(OnboardingModel::usageKey, c.usage.toString());
        OnboardingModel model(defaults);
        EXPECT_EQ(model.completed(), c.expectedCompleted) << c.name;
        EXPECT_EQ(model.usageCount(), c.expectedUsage) << c.name;
    }
}

TEST(OnboardingModel, HintShowsAfterCompletionForTheFirstThreeUses) {
    struct Case {
        bool completed;
        int usage;
        bool hint;
    };
    const std::vector<Case> cases = {
        {true, 0, true},  {true, 1, true},   {true, 2, true},   {true, 3, false},
        {true, 7, false}, {false, 0, false}, {false, 2, false},
    };
    for (const Case& c : cases) {
        MemoryDefaults defaults;
        OnboardingModel model(defaults);
        if (c.completed) model.markCompleted();
        for (int use = 0; use < c.usage; ++use)
            model.recordUsage();
        EXPECT_EQ(model.showHint(), c.hint) << c.completed << " " << c.usage;
        const std::optional<QString> tip = emptyStateTip(model, KeyChord::defaultChord());
        const QString expected = "Tip: press " + defaultDisplay + " anywhere to inspect your clipboard.";
        EXPECT_EQ(tip, c.hint ? std::optional(expected) : std::nullopt);
    }
}

TEST(OnboardingModel, ChangesAreStoredAndAnnouncedOnce) {
    MemoryDefaults defaults;
    OnboardingModel model(defaults);
    QSignalSpy completed(&model, &OnboardingModel::completedChanged);
    QSignalSpy usage(&model, &OnboardingModel::usageCountChanged);
    model.markCompleted();
    model.markCompleted();
    model.recordUsage();
    model.recordUsage();
    EXPECT_EQ(completed.count(), 1);
    EXPECT_EQ(usage.count(), 2);
    EXPECT_EQ(defaults.boolean(OnboardingModel::completedKey), true);
    EXPECT_EQ(defaults.integer(OnboardingModel::usageKey), 2);
    EXPECT_EQ(OnboardingModel(defaults).usageCount(), 2);

    model.reset();
    EXPECT_FALSE(model.completed());
    EXPECT_EQ(model.usageCount(), 0);
    EXPECT_EQ(defaults.boolean(OnboardingModel::completedKey), std::nullopt);
    EXPECT_EQ(defaults.integer(OnboardingModel::usageKey), std::nullopt);
}

TEST(OnboardingModel, LaunchFlagsMatchWholeArguments) {
    struct Case {
        QStringList arguments;
        bool completed;
        int usage;
        bool completionStillStored;
        bool usageStillStored;
    };
    const std::vector<Case> cases = {
        {{"tindrel"}, true, 3, true, true},
        {{"tindrel", "--reset-onboarding"}, false, 0, false, false},
        {{"tindrel", "--onboarding"}, false, 3, true, true},
        {{"tindrel", "--onboarding", "--reset-onboarding"}, false, 0, false, false},
        {{"tindrel", "--onboarding=1", "--reset-onboarding-now", "-onboarding"}, true, 3, true, true},
        {{"--ONBOARDING"}, true, 3, true, true},
    };
    for (const Case& c : cases) {
        MemoryDefaults defaults;
        defaults.setBoolean(OnboardingModel::completedKey, true);
        defaults.setInteger(OnboardingModel::usageKey, 3);
        OnboardingModel model(defaults, c.arguments);
        const QString name = c.arguments.join(' ');
        EXPECT_EQ(model.completed(), c.completed) << name.toStdString();
        EXPECT_EQ(model.usageCount(), c.usage) << name.toStdString();
        EXPECT_EQ(defaults.boolean(OnboardingModel::completedKey).has_value(), c.completionStillStored);
        EXPECT_EQ(defaults.integer(OnboardingModel::usageKey).has_value(), c.usageStillStored);
        EXPECT_EQ(OnboardingModel(defaults).completed(), c.completionStillStored) << "next start";
    }
}

TEST(OnboardingTexts, TestLineFollowsFiringThenAvailability) {
    struct Case {
        bool fired;
        Status status;
        Tone tone;
        QString text;
    };
    const QString waiting =
        QStringLiteral("Copy something first, then try it \u2014 \u2318K, or the button below.");
    const QString unavailable =
        QStringLiteral("That shortcut is unavailable \u2014 pick another in Settings.");
    const std::vector<Case> cases = {
        {false, Status::inactive, Tone::waiting, waiting},
        {false, Status::active, Tone::waiting, waiting},
        {false, Status::unavailable, Tone::unavailable, unavailable},
        {true, Status::active, Tone::works, QStringLiteral("\u2318K works.")},
        {true, Status::unavailable, Tone::works, QStringLiteral("\u2318K works.")},
    };
    for (const Case& c : cases) {
        const OnboardingTexts::TestLine line =
            OnboardingTexts::testLine(c.fired, c.status, QStringLiteral("\u2318K"));
        EXPECT_EQ(line.tone, c.tone) << c.text.toStdString();
        EXPECT_EQ(line.text, c.text);
    }
}

struct Sheet : ::testing::Test {
    MemoryDefaults defaults;
    OnboardingModel onboarding{defaults};
    HotKeys hotKeys;
    int inspections = 0;
    OnboardingSheet sheet{onboarding, *hotKeys.manager, [this] { ++inspections; }, nullptr};

    QString testText() const { return sheet.testLine()->text(); }
};

TEST_F(Sheet, ShowsEveryTextInOrder) {
    const QStringList expected = {
        "Welcome to Tindrel",
        "Paste anything opaque \u2014 Tindrel tells you what it is, 100% on your computer.",
        "1",
        "Copy anything opaque.",
        "A token, an encoded value, a certificate, an error code.",
        "2",
        "Press " + defaultDisplay,
        "From any app \u2014 no need to switch to Tindrel first.",
        "3",
        "Tindrel explains it.",
        "Decoded, identified, and explained in plain English.",
        "Copy something first, then try it \u2014 " + defaultDisplay + ", or the button below.",
    };
    EXPECT_EQ(visibleLabelTexts(&sheet), expected);
    EXPECT_EQ(sheet.testButton()->text(), "Test Shortcut");
    EXPECT_EQ(sheet.startButton()->text(), "Start using Tindrel");
    EXPECT_EQ(sheet.windowModality(), Qt::WindowModal);
}

TEST_F(Sheet, OnlyStartUsingStoresCompletion) {
    sheet.show();
    sheet.reject();
    EXPECT_FALSE(onboarding.completed());
    sheet.show();
    sheet.startButton()->click();
    EXPECT_TRUE(onboarding.completed());
    EXPECT_EQ(defaults.boolean(OnboardingModel::completedKey), true);
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_FALSE(sheet.isVisible());
}

TEST_F(Sheet, TestLineFollowsTheManager) {
    sheet.testButton()->click();
    EXPECT_EQ(inspections, 1);
    EXPECT_TRUE(testText().startsWith("Copy something first")) << "the button is no press of the shortcut";
    hotKeys.backend->refuse = true;
    hotKeys.manager->registerHotKey([] {});
    EXPECT_EQ(testText(), "That shortcut is unavailable \u2014 pick another in Settings.");

    const KeyChord commandK{40, M{M::command}, "K"};
    hotKeys.backend->refuse = false;
    hotKeys.manager->changeChord(commandK);
    EXPECT_EQ(testText(), "Copy something first, then try it \u2014 Super+K, or the button below.");
    EXPECT_TRUE(visibleLabelTexts(&sheet).contains("Press Super+K"));

    hotKeys.press();
    EXPECT_EQ(testText(), "Super+K works.");
    hotKeys.backend->refuse = true;
    hotKeys.manager->changeChord(KeyChord::defaultChord());
    EXPECT_EQ(testText(), defaultDisplay + " works.");
}

TEST(ShortcutTipFeed, EmptyPageTipFollowsOnboardingAndChord) {
    MemoryDefaults defaults;
    InspectorModel model(defaults, {},
                         InspectorServices{std::make_shared<tindrel::testing::FakeExplanations>()});
    MainWindow window(false);
    InspectorBinding binding(model, window);
    OnboardingModel onboarding(defaults);
    HotKeys hotKeys;
    feedShortcutTip(binding, onboarding, *hotKeys.manager);
    const auto shownTip = [&]() -> std::optional<QString> {
        binding.renderNow();
        QLabel* tip = window.emptyPage()->tip();
        if (!tip->isVisibleTo(window.emptyPage())) return std::nullopt;
        return tip->text();
    };

    EXPECT_EQ(shownTip(), std::nullopt);
    onboarding.markCompleted();
    EXPECT_EQ(shownTip(), "Tip: press " + defaultDisplay + " anywhere to inspect your clipboard.");
    hotKeys.manager->changeChord({40, M{M::command}, "K"});
    EXPECT_EQ(shownTip(), "Tip: press Super+K anywhere to inspect your clipboard.");
    for (int use = 0; use < OnboardingModel::hintRetiresAfter; ++use)
        onboarding.recordUsage();
    EXPECT_EQ(shownTip(), std::nullopt);
}
