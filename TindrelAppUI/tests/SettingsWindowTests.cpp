#include "SettingsFakes.h"
#include "TindrelAI/model/ModelSettings.h"
#include "TindrelAI/model/ModelUnavailability.h"
#include "TindrelAppUI/hotkey/ShortcutRecorder.h"
#include "TindrelAppUI/settings/HistoryPrivacy.h"
#include "TindrelAppUI/settings/ModelPref.h"
#include "TindrelAppUI/settings/SettingsDefaults.h"
#include "TindrelAppUI/views/settings/AboutSettingsPage.h"
#include "TindrelAppUI/views/settings/LocalModelSection.h"
#include "TindrelAppUI/views/settings/SettingsWindow.h"
#include "TindrelAppUI/views/settings/ShortcutSection.h"
#include "WidgetTexts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDevice>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

using namespace tindrel;
using namespace tindrel::testing;
using tindrel::testing_support::buttonTitled;
using tindrel::testing_support::visibleLabelTexts;
using M = KeyChord::Modifiers;

namespace {

const KeyChord optionS{1, M{M::option}, "S"};

struct Window {
    FakeHotKeys hotKeys;
    MemoryDefaults defaults;
    std::shared_ptr<ScriptedLoginItem> loginItem = std::make_shared<ScriptedLoginItem>();
    std::shared_ptr<ModelStatusProbe> probe;
    std::unique_ptr<SettingsWindow> window;

    explicit Window(std::shared_ptr<ModelStatusProbe> modelProbe = std::make_shared<FixedProbe>(std::nullopt))
        : probe(std::move(modelProbe)) {}
    SettingsWindow& open() {
        window = std::make_unique<SettingsWindow>(hotKeys.manager, defaults, loginItem, probe);
        return *window;
    }
    QStringList labels() const { return visibleLabelTexts(window->tabs()->widget(0)); }
};

// A tab title as the tab bar draws it: "&&" is an ampersand, a lone "&" marks a mnemonic.
QString drawn(const QString& title) {
    QString text;
    for (qsizetype i = 0; i < title.size(); ++i) {
        if (title[i] != '&')
            text += title[i];
        else if (i + 1 < title.size() && title[i + 1] == '&')
            text += title[++i];
    }
    return text;
}

// Captures the addresses the app asks the desktop to open.
class UrlCatcher final : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

// Clears the model configuration the section hands to the explanation layer.
struct ModelConfigurationGuard {
    ~ModelConfigurationGuard() { ModelSettings::configure(std::nullopt, std::nullopt); }
};

} // namespace

TEST(SettingsWindow, HasTheThreeTabsInOrder) {
    Window w;
    SettingsWindow& window = w.open();
    EXPECT_EQ(window.windowTitle(), "Settings");
    QStringList titles;
    for (int i = 0; i < window.tabs()->count(); ++i)
        titles << drawn(window.tabs()->tabText(i));
    EXPECT_EQ(titles, (QStringList{"General", "Appearance", "Privacy & About"}));
    EXPECT_EQ(window.tabs()->currentIndex(), 0);
}

TEST(SettingsWindow, KeepsTheHistoryWithoutSecretsOnlyWhenAsked) {
    Window w;
    SettingsWindow& window = w.open();
    QCheckBox* box = nullptr;
    for (QCheckBox* candidate : window.tabs()->widget(0)->findChildren<QCheckBox*>())
        if (candidate->text() == "Keep history without secrets") box = candidate;
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isChecked());
    QSignalSpy announced(&HistoryPrivacy::shared(), &HistoryPrivacy::changed);
    box->setChecked(true);
    EXPECT_EQ(w.defaults.boolean(HistoryPrivacy::storeKey), true);
    ASSERT_EQ(announced.count(), 1);
    EXPECT_EQ(announced.at(0).at(0).toBool(), true);
    box->setChecked(false);
    EXPECT_EQ(w.defaults.boolean(HistoryPrivacy::storeKey), false);
}

TEST(SettingsWindow, DescribesTheShortcutAsItIsWrittenOnLinux) {
    EXPECT_EQ(ShortcutSection::description(QStringLiteral("Alt+Shift+Space")),
              "Press Alt+Shift+Space anywhere to bring up Tindrel and inspect your clipboard. Tindrel "
              "registers just that one key combo and reads only the clipboard when fired.");
}

TEST(SettingsWindow, StatusRowFollowsTheManager) {
    struct Case {
        bool registered;
        bool taken;
        QString status;
        bool offersWayOut;
    } cases[] = {
        {false, false, "Shortcut inactive", false},
        {true, false, "Shortcut active", false},
        {true, true, "This shortcut is unavailable", true},
    };
    const QStringList statuses = {"Shortcut inactive", "Shortcut active", "This shortcut is unavailable"};
    for (const Case& c : cases) {
        Window w;
        if (c.taken) w.hotKeys.taken.push_back(KeyChord::defaultChord());
        w.open();
        // Registering after the window opened: the row must follow live.
        if (c.registered) w.hotKeys.manager.registerHotKey([] {});
        QStringList shown;
        for (const QString& text : w.labels())
            if (statuses.contains(text)) shown << text;
        EXPECT_EQ(shown, QStringList{c.status});
        QWidget* page = w.window->tabs()->widget(0);
        QAbstractButton* tryButton = buttonTitled(page, "Try Alt+S");
        QAbstractButton* recordAnother = buttonTitled(page, "Record another");
        ASSERT_TRUE(tryButton && recordAnother);
        EXPECT_EQ(tryButton->isVisibleTo(page), c.offersWayOut) << c.status.toStdString();
        EXPECT_EQ(recordAnother->isVisibleTo(page), c.offersWayOut) << c.status.toStdString();
    }
}

TEST(SettingsWindow, TryingTheAlternativeChangesTheChordAndTheRow) {
    Window w;
    w.hotKeys.taken.push_back(KeyChord::defaultChord());
    w.hotKeys.manager.registerHotKey([] {});
    w.open();
    QWidget* page = w.window->tabs()->widget(0);
    buttonTitled(page, "Try Alt+S")->click();
    EXPECT_EQ(w.hotKeys.manager.chord(), optionS);
    EXPECT_EQ(w.hotKeys.manager.status(), HotKeyManager::Status::active);
    EXPECT_TRUE(w.labels().contains("Shortcut active"));
    EXPECT_TRUE(w.labels().filter("Press Alt+S anywhere").size() == 1);
    EXPECT_EQ(page->findChild<ShortcutRecorder*>()->chord(), optionS);
    EXPECT_FALSE(buttonTitled(page, "Try Ctrl+Alt+V")->isVisibleTo(page));
}

TEST(SettingsWindow, RecordAnotherStartsTheRecorderAndARecordedChordIsApplied) {
    Window w;
    w.hotKeys.taken.push_back(KeyChord::defaultChord());
    w.hotKeys.manager.registerHotKey([] {});
    w.open();
    QWidget* page = w.window->tabs()->widget(0);
    auto* recorder = page->findChild<ShortcutRecorder*>();
    ASSERT_FALSE(recorder->isRecording());
    buttonTitled(page, "Record another")->click();
    EXPECT_TRUE(recorder->isRecording());
    const KeyChord commandK{40, M{M::command}, "K"};
    emit recorder->recorded(commandK);
    EXPECT_EQ(w.hotKeys.manager.chord(), commandK);
    EXPECT_EQ(w.hotKeys.manager.status(), HotKeyManager::Status::active);
    recorder->stopRecording();
}

TEST(SettingsWindow, AboutShowsTheVersionAndOpensTheLinks) {
    QCoreApplication::setApplicationVersion("9.8.7");
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    Window w;
    QWidget* about = w.open().tabs()->widget(2);
    const QStringList labels = visibleLabelTexts(about);
    EXPECT_TRUE(labels.contains("Everything you inspect stays on this computer."));
    EXPECT_TRUE(labels.contains(
        "Decoding and the AI explanation run entirely on-device. Nothing you paste is ever uploaded."));
    EXPECT_EQ(labels.indexOf("9.8.7"), labels.indexOf("Version") + 1);
    buttonTitled(about, "Website")->click();
    buttonTitled(about, "Privacy Policy")->click();
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(catcher.opened,
              (QList<QUrl>{QUrl("https://tindrel.dev"), QUrl("https://tindrel.dev/privacy")}));
}

TEST(SettingsWindow, SaysOnceWhenTheSettingsFileIsReadOnly) {
    const QString notice = "Your settings file is read-only \u2014 changes last until Tindrel quits.";
    const QByteArray stored = "[General]\ntindrel.appearance.v1=light\n";
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner;
    const QFileDevice::Permissions writable = readOnly | QFileDevice::WriteOwner;
    // The file's own mode bits; Qt's "user" bits say what this process may do, root or not.
    const auto mode = [](const QString& file) {
        return QFile(file).permissions() &
               ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    };
    for (const QFileDevice::Permissions permissions : {readOnly, writable}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("Tindrel.conf");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(stored);
        file.close();
        ASSERT_TRUE(file.setPermissions(permissions));
        SettingsDefaults defaults(path);
        FakeHotKeys hotKeys;
        SettingsWindow window(hotKeys.manager, defaults, std::make_shared<ScriptedLoginItem>(),
                              std::make_shared<FixedProbe>(std::nullopt));
        window.show();
        // "System" rather than a fixed appearance, which would stay on the shared theme.
        buttonTitled(window.tabs()->widget(1), "System")->click();

        const bool frozen = permissions == readOnly;
        EXPECT_EQ(visibleLabelTexts(&window).count(notice), frozen ? 1 : 0);
        EXPECT_EQ(mode(path), permissions);
        EXPECT_EQ(defaults.string("tindrel.appearance.v1"), QString("system"));
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll() == stored, frozen);
    }
}

TEST(LocalModelSection, ShowsTheProbeAnswerInPlainWords) {
    // Built-in text is the normal state on most machines, not a fault: it is shown in neutral colours.
    struct Case {
        std::optional<std::string> reason;
        QStringList expected;
        QString tone;
    } cases[] = {
        {std::nullopt, {"Local model available"}, "good"},
        {"serverUnreachable",
         {"No local model \u2014 explanations use built-in text",
          "Nothing answers at the server address. Start Ollama or llama-server, or check the address."},
         "neutral"},
        {"nonLocalModel",
         {"No local model \u2014 explanations use built-in text",
          "That model would run on a remote service, so Tindrel won't use it."},
         "neutral"},
    };
    for (const Case& c : cases) {
        MemoryDefaults defaults;
        LocalModelSection section(defaults, std::make_shared<FixedProbe>(c.reason));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !visibleLabelTexts(&section).contains("Checking\u2026"); }));
        QStringList shown = visibleLabelTexts(&section);
        shown.removeAll("Local model");
        shown.removeAll("Server URL");
        shown.removeAll("Model");
        EXPECT_EQ(shown, c.expected) << c.reason.value_or("available");
        for (const QLabel* label : section.findChildren<QLabel*>()) {
            if (label->text() == c.expected.first()) {
                EXPECT_EQ(label->property("tone").toString(), c.tone) << c.reason.value_or("available");
            }
        }
    }
}

TEST(LocalModelSection, EveryReasonHasASentenceOfItsOwn) {
    const QString general = modelUnavailabilityText("somethingNew");
    std::set<QString> seen;
    for (ModelUnavailability reason :
         {ModelUnavailability::invalidEndpoint, ModelUnavailability::nonLocalEndpoint,
          ModelUnavailability::serverUnreachable, ModelUnavailability::unsupportedServer,
          ModelUnavailability::noModelInstalled, ModelUnavailability::modelNotFound,
          ModelUnavailability::nonLocalModel, ModelUnavailability::modelTurnedOff}) {
        const QString text = modelUnavailabilityText(reasonName(reason));
        EXPECT_NE(text, general) << reasonName(reason);
        EXPECT_TRUE(seen.insert(text).second) << reasonName(reason);
    }
}

TEST(LocalModelSection, AnOlderCheckFinishingLastIsIgnored) {
    auto probe = std::make_shared<ScriptedProbe>();
    MemoryDefaults defaults;
    LocalModelSection section(defaults, probe);
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe->calls() == 1; }));
    EXPECT_TRUE(visibleLabelTexts(&section).contains("Checking\u2026"));
    buttonTitled(&section, "Check again")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe->calls() == 2; }));

    probe->answer(1, std::nullopt);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return visibleLabelTexts(&section).contains("Local model available"); }));
    probe->answer(0, "serverUnreachable");
    QTest::qWait(100);
    EXPECT_TRUE(visibleLabelTexts(&section).contains("Local model available"));
    EXPECT_FALSE(
        visibleLabelTexts(&section).contains("No local model \u2014 explanations use built-in text"));
}

TEST(LocalModelSection, EditedFieldsAreStoredAndHandedToTheExplanationLayer) {
    ModelConfigurationGuard guard;
    MemoryDefaults defaults;
    defaults.setString(ModelPref::nameKey, "llama3.2");
    auto probe = std::make_shared<ScriptedProbe>();
    LocalModelSection section(defaults, probe);
    const QList<QLineEdit*> fields = section.findChildren<QLineEdit*>();
    ASSERT_EQ(fields.size(), 2);
    EXPECT_EQ(fields[1]->text(), "llama3.2");

    fields[0]->setText("  http://127.0.0.1:8081/v1 ");
    emit fields[0]->editingFinished();
    EXPECT_EQ(defaults.string(ModelPref::urlKey), "http://127.0.0.1:8081/v1");
    EXPECT_EQ(ModelSettings::current().url, "http://127.0.0.1:8081/v1");
    EXPECT_EQ(ModelSettings::current().model, "llama3.2");
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe->calls() == 2; })) << "a changed field checks again";

    fields[1]->clear();
    emit fields[1]->editingFinished();
    EXPECT_EQ(defaults.string(ModelPref::nameKey), std::nullopt);
    probe->answer(0, std::nullopt);
    probe->answer(1, std::nullopt);
    probe->answer(2, std::nullopt);
}

TEST(ModelPref, StoredValuesReachTheExplanationLayerAtStart) {
    ModelConfigurationGuard guard;
    struct Case {
        std::optional<QString> url, name;
        std::optional<std::string> configuredURL, configuredModel;
    } cases[] = {
        {"http://127.0.0.1:9000", "qwen3:4b", "http://127.0.0.1:9000", "qwen3:4b"},
        {std::nullopt, "  qwen3:4b  ", std::nullopt, "qwen3:4b"},
        {"", "   ", std::nullopt, std::nullopt},
    };
    ScopedEnv url("TINDREL_MODEL_URL", std::nullopt);
    ScopedEnv model("TINDREL_MODEL", std::nullopt);
    for (const Case& c : cases) {
        MemoryDefaults defaults;
        if (c.url) defaults.setString(ModelPref::urlKey, *c.url);
        if (c.name) defaults.setString(ModelPref::nameKey, *c.name);
        ModelPref::applyStored(defaults);
        EXPECT_EQ(ModelSettings::current().url, c.configuredURL);
        EXPECT_EQ(ModelSettings::current().model, c.configuredModel);
    }
}

#include "SettingsWindowTests.moc"
