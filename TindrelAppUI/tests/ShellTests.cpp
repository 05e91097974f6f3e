#include "ModelFakes.h"
#include "SettingsFakes.h"
#include "TindrelAppUI/inspector/InspectorBinding.h"
#include "TindrelAppUI/settings/AppearancePref.h"
#include "TindrelAppUI/shell/AppShell.h"
#include "TindrelAppUI/shell/MainWindow.h"
#include "TindrelAppUI/shell/OnboardingModel.h"
#include "TindrelAppUI/shell/PaletteCommands.h"
#include "TindrelAppUI/shell/ShortcutTip.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/CommandPalette.h"
#include "TindrelAppUI/views/OnboardingSheet.h"
#include "TindrelAppUI/views/PaletteHost.h"
#include "TindrelAppUI/views/result/HeaderBar.h"
#include "TindrelAppUI/views/result/ResultPages.h"
#include "TindrelAppUI/views/settings/SettingsWindow.h"
#include "WidgetTexts.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace tindrel {
namespace {

using testing_support::visibleLabelTexts;
using Status = HotKeyManager::Status;
using M = KeyChord::Modifiers;
const QString defaultDisplay = QStringLiteral("Alt+Shift+Space");
const KeyChord superK{40, M{M::command}, "K"};

struct Shell : ::testing::Test, testing::ModelRig {
    testing::FakeHotKeys keys;
    int settingsMade = 0;
    int quits = 0;

    ~Shell() override { Theme::shared().setOverride(std::nullopt); }

    std::unique_ptr<AppShell> launch(const QStringList& arguments = {}) {
        start(arguments);
        ShellServices shell;
        shell.pasteboard = pasteboard;
        shell.tray = false;
        shell.quit = [this] { ++quits; };
        shell.makeSettings = [this](HotKeyManager& hotKeys, Defaults& settings) {
            ++settingsMade;
            return std::make_unique<SettingsWindow>(hotKeys, settings,
                                                    std::make_shared<testing::ScriptedLoginItem>(),
                                                    std::make_shared<testing::ScriptedProbe>(std::nullopt));
        };
        auto app = std::make_unique<AppShell>(defaults, *model, keys.manager, arguments, std::move(shell));
        app->start();
        return app;
    }
    std::unique_ptr<AppShell> launchOnboarded(const QStringList& arguments = {}) {
        defaults.setBoolean(OnboardingModel::completedKey, true);
        return launch(arguments);
    }
    static bool sheetShown(const AppShell& app) {
        return app.onboardingSheet() != nullptr && app.onboardingSheet()->isVisible();
    }
};

TEST_F(Shell, OnboardingShowsUntilStartUsingIsPressed) {
    {
        auto app = launch();
        ASSERT_TRUE(app->window().isVisible() && sheetShown(*app));
        app->onboardingSheet()->startButton()->click();
        EXPECT_FALSE(sheetShown(*app));
    }
    EXPECT_FALSE(sheetShown(*launch()));
    EXPECT_TRUE(sheetShown(*launch({"tindrel-app", "--onboarding"})));
}

TEST_F(Shell, OnlyTheShortcutAndTheTestButtonCountAsUses) {
    auto app = launchOnboarded();
    EXPECT_EQ(keys.manager.status(), Status::active);
    pasteboard->contents = QStringLiteral("1733556842");
    app->window().header()->clipboardButton()->click();
    for (const PaletteCommand& command : paletteCommands(*model, *pasteboard, [] {}))
        if (command.title == "Inspect clipboard") command.run();
    EXPECT_EQ(model->input(), "1733556842");
    EXPECT_EQ(app->onboarding().usageCount(), 0);
    app->inspectClipboard();
    EXPECT_EQ(app->onboarding().usageCount(), 1);
    app->window().hide();
    pasteboard->contents = QStringLiteral("MTIz");
    ASSERT_TRUE(keys.backend->press());
    ASSERT_TRUE(testing::waitUntil([&] { return model->input() == "MTIz"; }));
    EXPECT_EQ(std::tuple(app->window().isVisible(), app->onboarding().usageCount()), std::tuple(true, 2));
}

TEST_F(Shell, AppearanceAtStart) {
    const std::tuple<std::optional<QString>, QStringList, std::optional<Appearance>> cases[] = {
        {std::nullopt, {}, std::nullopt}, // nothing forced: the desktop decides
        {"light", {}, Appearance::light},
        {"light", {"tindrel-app", "--force-dark"}, Appearance::dark}};
    for (const auto& [stored, arguments, expected] : cases) {
        defaults.remove(AppearancePref::storeKey);
        if (stored) defaults.setString(AppearancePref::storeKey, *stored);
        Theme::shared().setOverride(Appearance::light == expected ? Appearance::dark : Appearance::light);
        auto app = launch(arguments);
        EXPECT_EQ(Theme::shared().overrideAppearance(), expected) << stored.value_or("-").toStdString();
    }
}

TEST_F(Shell, ShowSettingsOpensSettingsInsteadOfTheInspector) {
    auto app = launch({"tindrel-app", "--show-settings"});
    ASSERT_NE(app->settings(), nullptr);
    EXPECT_TRUE(app->settings()->isVisible() && !app->window().isVisible() && !sheetShown(*app));
    // Settings registered the shortcut itself so its status row shows a real outcome.
    EXPECT_EQ(keys.manager.status(), Status::active);
    app->openSettings();
    EXPECT_EQ(settingsMade, 1);
}

TEST_F(Shell, SettingsButtonAndPaletteOpenTheOneSettingsWindow) {
    auto app = launchOnboarded({"tindrel-app", "--open-palette"});
    ASSERT_TRUE(app->palette().palette()->isOpen() && app->settings() == nullptr);
    app->window().header()->settingsButton()->click();
    ASSERT_TRUE(app->settings() && app->settings()->isVisible());
    app->settings()->hide();
    for (const PaletteCommand& command : paletteCommands(*model, *pasteboard, [&] { app->openSettings(); }))
        if (command.title == QString::fromUtf8("Settings\u2026")) command.run();
    EXPECT_TRUE(app->settings()->isVisible());
    EXPECT_EQ(settingsMade, 1);
}

// Ctrl+, opens Settings, Ctrl+Q quits from either window, Ctrl+W closes Settings; without a tray the
// main window stays, since closing it would end the app.
TEST_F(Shell, WindowKeysDoWhatTheySay) {
    auto app = launchOnboarded();
    const auto press = [](QWidget& window, Qt::Key key) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, key, Qt::ControlModifier);
    };
    press(app->window(), Qt::Key_Comma);
    ASSERT_TRUE(app->settings() && app->settings()->isVisible());
    press(*app->settings(), Qt::Key_Q);
    EXPECT_EQ(quits, 1);
    press(*app->settings(), Qt::Key_W);
    EXPECT_FALSE(app->settings()->isVisible());
    press(app->window(), Qt::Key_Q);
    EXPECT_EQ(quits, 2);
    press(app->window(), Qt::Key_W);
    EXPECT_TRUE(app->window().isVisible());
    press(app->window(), Qt::Key_Comma);
    EXPECT_EQ(std::tuple(app->settings()->isVisible(), settingsMade), std::tuple(true, 1));
}

TEST_F(Shell, HandedOverCommandLines) {
    auto app = launchOnboarded();
    std::vector<HandOverFailure> outcomes;
    const auto note = [&](const HandOverFailure& failure) { outcomes.push_back(failure); };
    app->window().hide();
    pasteboard->contents = QStringLiteral("1733556842");
    app->handOver({"tindrel-app", "--inspect-clipboard"}, note);
    EXPECT_EQ(std::tuple(model->input(), app->window().isVisible(), app->onboarding().usageCount()),
              std::tuple("1733556842", true, 1));
    app->handOver({"tindrel-app", "--show-settings"}, note);
    ASSERT_TRUE(testing::waitUntil([&] { return app->settings() != nullptr; }));
    EXPECT_TRUE(app->settings()->isVisible());
    app->window().hide();
    app->handOver({"tindrel-app"}, note);
    ASSERT_TRUE(testing::waitUntil([&] { return outcomes.size() == 3; }));
    EXPECT_EQ(std::tuple(app->window().isVisible(), outcomes),
              std::tuple(true, std::vector<HandOverFailure>(3)));
}

TEST_F(Shell, HandedOverExportsAndQuestionsAreDoneOrRefused) {
    defaults.setBoolean(OnboardingModel::completedKey, true);
    QTemporaryDir folder;
    const QString exported = folder.filePath("export.md");
    const QString unwritable = folder.filePath("missing/export.md");
    const std::tuple<QStringList, HandOverFailure, bool, std::size_t> cases[] = {
        // the arguments, the failure, whether a file was written, the questions asked
        {{"--autoload-sample", "--dump-export", exported}, std::nullopt, true, 0},
        {{"--dump-export", exported}, "--dump-export: nothing is in focus to export", false, 0},
        {{"--scan", "--dump-export", unwritable}, "--dump-export: could not write " + unwritable, false, 0},
        {{"--autoload-sample", "--ask", "is it expired?"}, std::nullopt, false, 1},
        {{"--ask", "is it expired?"}, "--ask: nothing is in focus to ask about", false, 0},
        {{"--autoload-sample", "--ask", "  "}, "--ask: the question is blank", false, 0}};
    for (const auto& [arguments, failure, exports, questions] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        auto app = launch();
        app->window().hide();
        QFile::remove(exported);
        std::optional<HandOverFailure> outcome;
        app->handOver(QStringList{"tindrel-app"} + arguments, [&](const HandOverFailure& f) { outcome = f; });
        ASSERT_TRUE(testing::waitUntil([&] { return outcome.has_value(); }));
        EXPECT_EQ(std::tuple(*outcome, QFile::exists(exported), model->followUps().size()),
                  std::tuple(failure, exports, questions));
        EXPECT_EQ(app->window().isVisible(), !arguments.contains("--dump-export"))
            << "an export alone leaves the windows alone";
    }
}

TEST_F(Shell, HandOversWaitForTheDecodeAndForEachOther) {
    testing::Gate decodes(false);
    const std::shared_ptr<void> reopen(nullptr, [&decodes](void*) { decodes.open(); }); // also on failure
    services.decode = [&decodes](const std::string& text) {
        decodes.pass();
        return decodeInput(text);
    };
    auto app = launchOnboarded();
    const std::string large =
        "{\"note\":\"" + std::string(InspectorModel::backgroundDecodeBytes, 'n') + "\"}";
    model->setInput(large);
    ASSERT_TRUE(model->decoding());
    QTemporaryDir folder;
    const QString exported = folder.filePath("export.md");
    std::vector<HandOverFailure> outcomes;
    const auto note = [&](const HandOverFailure& failure) { outcomes.push_back(failure); };
    app->handOver({"tindrel-app", "--dump-export", exported}, note);
    pasteboard->contents = QStringLiteral("1733556842");
    app->handOver({"tindrel-app", "--inspect-clipboard"}, note);
    testing::waitUntil([] { return false; }, 200);
    EXPECT_TRUE(outcomes.empty());
    EXPECT_EQ(model->input(), large) << "the later launch waits its turn";

    decodes.open();
    ASSERT_TRUE(testing::waitUntil([&] { return outcomes.size() == 2; }));
    EXPECT_EQ(std::tuple(outcomes, model->input()),
              std::tuple(std::vector<HandOverFailure>(2), std::string("1733556842")));
    EXPECT_TRUE(testing_support::fileContents(exported).contains("=== JSON ==="));
}

TEST(OnboardingModel, StartsFromTheStoredStateOrTheFlagsAndStoresAndAnnouncesChangesOnce) {
    const auto store = [](Defaults& defaults, const QString& key, const QString& cell) {
        const QString value = cell.section(':', 1);
        if (cell.startsWith("bool:")) defaults.setBoolean(key, value == "true");
        if (cell.startsWith("int:")) defaults.setInteger(key, value.toInt());
        if (cell.startsWith("text:")) defaults.setString(key, value);
    };
    for (const QStringList& row : testing_support::dataRows("onboarding-stored.tsv")) {
        MemoryDefaults defaults;
        store(defaults, OnboardingModel::completedKey, row[0]);
        store(defaults, OnboardingModel::usageKey, row[1]);
        OnboardingModel model(defaults);
        EXPECT_EQ(std::tuple(model.completed(), model.usageCount()),
                  std::tuple(row[2] == "1", row[3].toInt()))
            << row.join(' ').toStdString();
    }

    for (const QStringList& row : testing_support::dataRows("onboarding-flags.tsv")) {
        const QStringList arguments = row[0].split('|');
        const bool completed = row[1] == "1", kept = row[3] == "1";
        const int usage = row[2].toInt();
        MemoryDefaults defaults;
        defaults.setBoolean(OnboardingModel::completedKey, true);
        defaults.setInteger(OnboardingModel::usageKey, 3);
        OnboardingModel model(defaults, arguments);
        EXPECT_EQ(std::tuple(model.completed(), model.usageCount(),
                             defaults.boolean(OnboardingModel::completedKey).has_value(),
                             defaults.integer(OnboardingModel::usageKey).has_value(),
                             OnboardingModel(defaults).completed()),
                  std::tuple(completed, usage, kept, kept, kept))
            << arguments.join(' ').toStdString();
    }

    MemoryDefaults defaults;
    OnboardingModel model(defaults);
    QSignalSpy completed(&model, &OnboardingModel::completedChanged);
    QSignalSpy usage(&model, &OnboardingModel::usageCountChanged);
    model.markCompleted();
    model.markCompleted();
    model.recordUsage();
    model.recordUsage();
    EXPECT_EQ(std::tuple(completed.count(), usage.count(), defaults.boolean(OnboardingModel::completedKey),
                         defaults.integer(OnboardingModel::usageKey), OnboardingModel(defaults).usageCount()),
              std::tuple(1, 2, std::optional(true), std::optional(2), 2));
    model.reset();
    EXPECT_EQ(std::tuple(model.completed(), model.usageCount(),
                         defaults.boolean(OnboardingModel::completedKey),
                         defaults.integer(OnboardingModel::usageKey)),
              std::tuple(false, 0, std::optional<bool>(), std::optional<int>()));
}

struct Sheet : ::testing::Test {
    MemoryDefaults defaults;
    OnboardingModel onboarding{defaults};
    testing::FakeHotKeys keys;
    int inspections = 0;
    OnboardingSheet sheet{onboarding, keys.manager, [this] { ++inspections; }, nullptr};

    QString testText() const { return sheet.testLine()->text(); }
};

TEST_F(Sheet, ShowsEveryTextInOrderOnlyStartUsingCompletesAndTheTestLineFollowsTheManager) {
    QStringList expected;
    for (const QStringList& row : testing_support::dataRows("onboarding-sheet.tsv"))
        expected << row[0];
    EXPECT_EQ(visibleLabelTexts(&sheet), expected);
    EXPECT_EQ(std::tuple(sheet.testButton()->text(), sheet.startButton()->text(), sheet.windowModality()),
              std::tuple(QString("Test Shortcut"), QString("Start using Tindrel"), Qt::WindowModal));
    sheet.show();
    sheet.reject();
    EXPECT_FALSE(onboarding.completed());
    sheet.show();
    sheet.startButton()->click();
    EXPECT_EQ(std::tuple(onboarding.completed(), defaults.boolean(OnboardingModel::completedKey),
                         sheet.result(), sheet.isVisible()),
              std::tuple(true, std::optional(true), int(QDialog::Accepted), false));

    sheet.testButton()->click();
    EXPECT_EQ(inspections, 1);
    EXPECT_TRUE(testText().startsWith("Copy something first")) << "the button is no press of the shortcut";
    keys.backend->refuseAll = true;
    keys.manager.registerHotKey([] {});
    EXPECT_EQ(testText(), "That shortcut is unavailable \u2014 pick another in Settings.");
    keys.backend->refuseAll = false;
    keys.manager.changeChord(superK);
    EXPECT_EQ(testText(), "Copy something first, then try it \u2014 Super+K, or the button below.");
    EXPECT_TRUE(visibleLabelTexts(&sheet).contains("Press Super+K"));
    ASSERT_TRUE(keys.backend->press());
    QCoreApplication::processEvents();
    EXPECT_EQ(testText(), "Super+K works.") << "fired wins over waiting, and then over unavailable";

    keys.backend->refuseAll = true;
    keys.manager.changeChord(KeyChord::defaultChord());
    EXPECT_EQ(testText(), defaultDisplay + " works.");
}

TEST(ShortcutTipFeed, EmptyPageTipFollowsOnboardingAndChord) {
    MemoryDefaults defaults;
    InspectorModel model(defaults, {}, InspectorServices{std::make_shared<testing::FakeExplanations>()});
    MainWindow window(false);
    InspectorBinding binding(model, window);
    OnboardingModel onboarding(defaults);
    testing::FakeHotKeys keys;
    feedShortcutTip(binding, onboarding, keys.manager);
    const auto shownTip = [&]() -> std::optional<QString> {
        binding.renderNow();
        QLabel* tip = window.emptyPage()->tip();
        if (!tip->isVisibleTo(window.emptyPage())) return std::nullopt;
        return tip->text();
    };
    EXPECT_EQ(shownTip(), std::nullopt);
    onboarding.markCompleted();
    EXPECT_EQ(shownTip(), "Tip: press " + defaultDisplay + " anywhere to inspect your clipboard.");
    keys.manager.changeChord(superK);
    EXPECT_EQ(shownTip(), "Tip: press Super+K anywhere to inspect your clipboard.");
    for (int use = 1; use <= 3; ++use) { // the tip helps with the first three uses only
        onboarding.recordUsage();
        EXPECT_EQ(shownTip().has_value(), use < 3) << use;
    }
}

} // namespace
} // namespace tindrel
