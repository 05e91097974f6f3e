#include "ModelFakes.h"
#include "SettingsFakes.h"
#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/settings/AppearancePref.h"
#include "TindrelAppUI/shell/AppShell.h"
#include "TindrelAppUI/shell/MainWindow.h"
#include "TindrelAppUI/shell/OnboardingModel.h"
#include "TindrelAppUI/shell/PaletteCommands.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/CommandPalette.h"
#include "TindrelAppUI/views/OnboardingSheet.h"
#include "TindrelAppUI/views/PaletteHost.h"
#include "TindrelAppUI/views/result/HeaderBar.h"
#include "TindrelAppUI/views/settings/SettingsWindow.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace tindrel {
namespace {

// Grants every chord and lets the test press the registered one.
class PressableBackend final : public HotKeyBackend {
public:
    void installHandler(PressHandler handler) override { handler_ = std::move(handler); }
    std::optional<Handle> registerHotKey(const KeyChord&, HotKeyIdentifier identifier) override {
        registered_ = identifier;
        return ++handles_;
    }
    void unregisterHotKey(Handle) override { registered_.reset(); }

    bool press() {
        if (!handler_ || !registered_) return false;
        handler_(*registered_);
        return true;
    }

private:
    PressHandler handler_;
    std::optional<HotKeyIdentifier> registered_;
    Handle handles_ = 0;
};

class AppShellTest : public ::testing::Test {
protected:
    AppShellTest() {
        auto backend = std::make_unique<PressableBackend>();
        backend_ = backend.get();
        hotKeys_ = std::make_unique<HotKeyManager>(defaults_, std::move(backend));
        services_.pasteboard = pasteboard_;
        services_.explanations = std::make_shared<testing::FakeExplanations>();
    }

    ~AppShellTest() override { Theme::shared().setOverride(std::nullopt); }

    std::unique_ptr<AppShell> start(const QStringList& arguments = {}) {
        model_ = std::make_unique<InspectorModel>(defaults_, arguments, services_);
        ShellServices shell;
        shell.pasteboard = pasteboard_;
        shell.tray = false;
        shell.quit = [this] { ++quits_; };
        shell.makeSettings = [this](HotKeyManager& hotKeys, Defaults& defaults) {
            ++settingsMade_;
            return std::make_unique<SettingsWindow>(hotKeys, defaults,
                                                    std::make_shared<testing::ScriptedLoginItem>(),
                                                    std::make_shared<testing::FixedProbe>(std::nullopt));
        };
        auto app = std::make_unique<AppShell>(defaults_, *model_, *hotKeys_, arguments, std::move(shell));
        app->start();
        return app;
    }

    static bool sheetShown(const AppShell& app) {
        return app.onboardingSheet() != nullptr && app.onboardingSheet()->isVisible();
    }

    MemoryDefaults defaults_;
    PressableBackend* backend_ = nullptr;
    std::unique_ptr<HotKeyManager> hotKeys_;
    std::shared_ptr<testing::FakePasteboard> pasteboard_ = std::make_shared<testing::FakePasteboard>();
    InspectorServices services_;
    std::unique_ptr<InspectorModel> model_;
    int settingsMade_ = 0;
    int quits_ = 0;
};

TEST_F(AppShellTest, OnboardingShowsUntilStartUsingIsPressed) {
    {
        auto app = start();
        EXPECT_TRUE(app->window().isVisible());
        ASSERT_TRUE(sheetShown(*app));
        app->onboardingSheet()->startButton()->click();
        EXPECT_FALSE(sheetShown(*app));
    }
    auto again = start();
    EXPECT_FALSE(sheetShown(*again));
    auto forced = start({"tindrel-app", "--onboarding"});
    EXPECT_TRUE(sheetShown(*forced));
}

TEST_F(AppShellTest, ShortcutBringsTheWindowWithTheClipboardAndCountsAUse) {
    defaults_.setBoolean(OnboardingModel::completedKey, true);
    auto app = start();
    EXPECT_EQ(hotKeys_->status(), HotKeyManager::Status::active);
    app->window().hide();
    pasteboard_->contents = QStringLiteral("1733556842");
    ASSERT_TRUE(backend_->press());
    ASSERT_TRUE(testing::waitUntil([&] { return model_->input() == "1733556842"; }));
    EXPECT_TRUE(app->window().isVisible());
    EXPECT_EQ(app->onboarding().usageCount(), 1);
}

TEST_F(AppShellTest, OnlyTheShortcutAndTheTestButtonCountAsUses) {
    defaults_.setBoolean(OnboardingModel::completedKey, true);
    auto app = start();
    pasteboard_->contents = QStringLiteral("1733556842");
    app->window().header()->clipboardButton()->click();
    for (const PaletteCommand& command : paletteCommands(*model_, *pasteboard_, [] {}))
        if (command.title == "Inspect clipboard") command.run();
    EXPECT_EQ(model_->input(), "1733556842");
    EXPECT_EQ(app->onboarding().usageCount(), 0);
    app->inspectClipboard();
    EXPECT_EQ(app->onboarding().usageCount(), 1);
}

TEST_F(AppShellTest, AppearanceAtStart) {
    struct Case {
        const char* name;
        std::optional<QString> stored;
        QStringList arguments;
        std::optional<Appearance> expected; // the override in force; nothing follows the desktop
    };
    const Case cases[] = {
        {"nothingStored", std::nullopt, {}, std::nullopt},
        {"darkStored", "dark", {}, Appearance::dark},
        {"lightStored", "light", {}, Appearance::light},
        {"unknownStored", "sepia", {}, std::nullopt},
        {"forcedDarkOverLight", "light", {"tindrel-app", "--force-dark"}, Appearance::dark},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        defaults_.remove(AppearancePref::storeKey);
        if (c.stored) defaults_.setString(AppearancePref::storeKey, *c.stored);
        Theme::shared().setOverride(Appearance::light == c.expected ? Appearance::dark : Appearance::light);
        auto app = start(c.arguments);
        EXPECT_EQ(Theme::shared().overrideAppearance(), c.expected);
    }
}

TEST_F(AppShellTest, ShowSettingsOpensSettingsInsteadOfTheInspector) {
    auto app = start({"tindrel-app", "--show-settings"});
    ASSERT_NE(app->settings(), nullptr);
    EXPECT_TRUE(app->settings()->isVisible());
    EXPECT_FALSE(app->window().isVisible());
    EXPECT_FALSE(sheetShown(*app));
    // Settings registered the shortcut itself so its status row shows a real outcome.
    EXPECT_EQ(hotKeys_->status(), HotKeyManager::Status::active);
    app->openSettings();
    EXPECT_EQ(settingsMade_, 1);
}

TEST_F(AppShellTest, SettingsButtonAndPaletteOpenTheOneSettingsWindow) {
    defaults_.setBoolean(OnboardingModel::completedKey, true);
    auto app = start({"tindrel-app", "--open-palette"});
    ASSERT_TRUE(app->palette().palette()->isOpen());
    EXPECT_EQ(app->settings(), nullptr);
    app->window().header()->settingsButton()->click();
    ASSERT_NE(app->settings(), nullptr);
    EXPECT_TRUE(app->settings()->isVisible());
    app->settings()->hide();
    for (const PaletteCommand& command : paletteCommands(*model_, *pasteboard_, [&] { app->openSettings(); }))
        if (command.title == QString::fromUtf8("Settings\u2026")) command.run();
    EXPECT_TRUE(app->settings()->isVisible());
    EXPECT_EQ(settingsMade_, 1);
}

// Ctrl+, opens Settings, Ctrl+Q quits from either window, Ctrl+W closes Settings; without a tray the
// main window stays, since closing it would end the app.
TEST_F(AppShellTest, WindowKeysDoWhatTheySay) {
    defaults_.setBoolean(OnboardingModel::completedKey, true);
    auto app = start();
    const auto press = [](QWidget& window, Qt::Key key) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, key, Qt::ControlModifier);
    };
    press(app->window(), Qt::Key_Comma);
    ASSERT_NE(app->settings(), nullptr);
    EXPECT_TRUE(app->settings()->isVisible());
    press(*app->settings(), Qt::Key_Q);
    EXPECT_EQ(quits_, 1);
    press(*app->settings(), Qt::Key_W);
    EXPECT_FALSE(app->settings()->isVisible());
    press(app->window(), Qt::Key_Q);
    EXPECT_EQ(quits_, 2);
    press(app->window(), Qt::Key_W);
    EXPECT_TRUE(app->window().isVisible());
    press(app->window(), Qt::Key_Comma);
    EXPECT_TRUE(app->settings()->isVisible());
    EXPECT_EQ(settingsMade_, 1);
}

TEST_F(AppShellTest, HandedOverCommandLines) {
    defaults_.setBoolean(OnboardingModel::completedKey, true);
    auto app = start();
    std::vector<HandOverFailure> outcomes;
    const auto note = [&](const HandOverFailure& failure) { outcomes.push_back(failure); };
    app->window().hide();
    pasteboard_->contents = QStringLiteral("1733556842");
    app->handOver({"tindrel-app", "--inspect-clipboard"}, note);
    EXPECT_EQ(model_->input(), "1733556842");
    EXPECT_TRUE(app->window().isVisible());
    EXPECT_EQ(app->onboarding().usageCount(), 1);
    app->handOver({"tindrel-app", "--show-settings"}, note);
    ASSERT_TRUE(testing::waitUntil([&] { return app->settings() != nullptr; }));
    EXPECT_TRUE(app->settings()->isVisible());
    app->window().hide();
    app->handOver({"tindrel-app"}, note);
    ASSERT_TRUE(testing::waitUntil([&] { return outcomes.size() == 3; }));
    EXPECT_TRUE(app->window().isVisible());
    EXPECT_EQ(outcomes, std::vector<HandOverFailure>(3));
}

TEST_F(AppShellTest, HandedOverExportsAndQuestionsAreDoneOrRefused) {
    defaults_.setBoolean(OnboardingModel::completedKey, true);
    QTemporaryDir folder;
    const QString exported = folder.filePath("export.md");
    const QString unwritable = folder.filePath("missing/export.md");
    struct Case {
        QStringList arguments;
        HandOverFailure failure;
        bool exports;
        std::size_t questions; // asked about the artifact in focus
    } cases[] = {
        {{"--autoload-sample", "--dump-export", exported}, std::nullopt, true, 0},
        {{"--dump-export", exported}, "--dump-export: nothing is in focus to export", false, 0},
        {{"--scan", "--dump-export", unwritable}, "--dump-export: could not write " + unwritable, false, 0},
        {{"--autoload-sample", "--ask", "is it expired?"}, std::nullopt, false, 1},
        {{"--ask", "is it expired?"}, "--ask: nothing is in focus to ask about", false, 0},
        {{"--autoload-sample", "--ask", "  "}, "--ask: the question is blank", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        auto app = start();
        app->window().hide();
        QFile::remove(exported);
        std::optional<HandOverFailure> outcome;
        app->handOver(QStringList{"tindrel-app"} + c.arguments,
                      [&](const HandOverFailure& failure) { outcome = failure; });
        ASSERT_TRUE(testing::waitUntil([&] { return outcome.has_value(); }));
        EXPECT_EQ(*outcome, c.failure);
        EXPECT_EQ(QFile::exists(exported), c.exports);
        EXPECT_EQ(model_->followUps().size(), c.questions);
        EXPECT_EQ(app->window().isVisible(), !c.arguments.contains("--dump-export"))
            << "an export alone leaves the windows alone";
    }
}

TEST_F(AppShellTest, HandOversWaitForTheDecodeAndForEachOther) {
    defaults_.setBoolean(OnboardingModel::completedKey, true);
    testing::Gate decodes(false);
    const std::shared_ptr<void> reopen(nullptr, [&decodes](void*) { decodes.open(); }); // also on failure
    services_.decode = [&decodes](const std::string& text) {
        decodes.pass();
        return decodeInput(text);
    };
    auto app = start();
    const std::string large =
        "{\"note\":\"" + std::string(InspectorModel::backgroundDecodeBytes, 'n') + "\"}";
    model_->setInput(large);
    ASSERT_TRUE(model_->decoding());
    QTemporaryDir folder;
    const QString exported = folder.filePath("export.md");
    std::vector<HandOverFailure> outcomes;
    const auto note = [&](const HandOverFailure& failure) { outcomes.push_back(failure); };
    app->handOver({"tindrel-app", "--dump-export", exported}, note);
    pasteboard_->contents = QStringLiteral("1733556842");
    app->handOver({"tindrel-app", "--inspect-clipboard"}, note);
    testing::waitUntil([] { return false; }, 200);
    EXPECT_TRUE(outcomes.empty());
    EXPECT_EQ(model_->input(), large) << "the later launch waits its turn";

    decodes.open();
    ASSERT_TRUE(testing::waitUntil([&] { return outcomes.size() == 2; }));
    EXPECT_EQ(outcomes, std::vector<HandOverFailure>(2));
    QFile file(exported);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("=== JSON ==="));
    EXPECT_EQ(model_->input(), "1733556842");
}

} // namespace
} // namespace tindrel
