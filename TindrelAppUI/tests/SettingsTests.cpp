#include "SettingsFakes.h"
#include "TindrelAI/model/ModelSettings.h"
#include "TindrelAI/model/ModelUnavailability.h"
#include "TindrelAppUI/hotkey/ShortcutRecorder.h"
#include "TindrelAppUI/platform/ColorScheme.h"
#include "TindrelAppUI/settings/AppearancePref.h"
#include "TindrelAppUI/settings/HistoryPrivacy.h"
#include "TindrelAppUI/settings/ModelPref.h"
#include "TindrelAppUI/settings/SettingsDefaults.h"
#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/style/TindrelColor.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelAppUI/views/settings/AppearanceSettingsPage.h"
#include "TindrelAppUI/views/settings/GeneralSettingsPage.h"
#include "TindrelAppUI/views/settings/LocalModelSection.h"
#include "TindrelAppUI/views/settings/SettingsWindow.h"
#include "TindrelAppUI/views/settings/ShortcutSection.h"
#include "WidgetTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <set>
#include <sys/stat.h>

using namespace tindrel;
using namespace tindrel::testing;
using tindrel::testing_support::buttonTitled;
using tindrel::testing_support::dataRows;
using tindrel::testing_support::fileContents;
using tindrel::testing_support::mode;
using tindrel::testing_support::ThemeGuard;
using tindrel::testing_support::visibleLabelTexts;
using M = KeyChord::Modifiers;

namespace {

struct Window {
    FakeHotKeys hotKeys;
    MemoryDefaults defaults;
    std::shared_ptr<ScriptedLoginItem> loginItem = std::make_shared<ScriptedLoginItem>();
    std::unique_ptr<SettingsWindow> window;

    SettingsWindow&
    open(const std::shared_ptr<ModelStatusProbe>& probe = std::make_shared<ScriptedProbe>(std::nullopt)) {
        window = std::make_unique<SettingsWindow>(hotKeys.manager, defaults, loginItem, probe);
        return *window;
    }
    QWidget* page(int index) const { return window->tabs()->widget(index); }
    QStringList labels() const { return visibleLabelTexts(page(0)); }
};

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

class FakeColorScheme final : public ColorSchemeSource {
public:
    Appearance scheme = Appearance::light;
    Appearance current() const override { return scheme; }
    void change(Appearance appearance) {
        scheme = appearance;
        emit changed(appearance);
    }
};

void writeFile(const QString& path, const QByteArray& text, std::optional<unsigned> permissions = {}) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    if (permissions) {
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), *permissions), 0);
    }
}

} // namespace

TEST(SettingsWindow, HasTheThreeTabsKeepsTheHistoryWithoutSecretsOnlyWhenAskedAndAboutOpensTheLinks) {
    QCoreApplication::setApplicationVersion("9.8.7");
    Window w;
    SettingsWindow& window = w.open();
    QStringList titles = {window.windowTitle(), QString::number(window.tabs()->currentIndex())};
    for (int i = 0; i < window.tabs()->count(); ++i)
        titles << window.tabs()->tabText(i);
    EXPECT_EQ(titles,
              (QStringList{"Settings", "0", "General", "Appearance", "Privacy && About"})); // "&&": "&"

    QCheckBox* box = nullptr;
    for (QCheckBox* candidate : w.page(0)->findChildren<QCheckBox*>())
        if (candidate->text() == "Keep history without secrets") box = candidate;
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isChecked());
    QSignalSpy announced(&HistoryPrivacy::shared(), &HistoryPrivacy::changed);
    box->setChecked(true);
    EXPECT_EQ(std::tuple(w.defaults.boolean(HistoryPrivacy::storeKey), QList<QVariantList>(announced)),
              std::tuple(std::optional(true), QList<QVariantList>{{true}}));
    box->setChecked(false);
    EXPECT_EQ(w.defaults.boolean(HistoryPrivacy::storeKey), false);

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    const QStringList labels = visibleLabelTexts(w.page(2));
    EXPECT_EQ(testing_support::missingTexts(w.page(2), dataRows("privacy-about.tsv").front()), QStringList());
    EXPECT_EQ(labels.indexOf("9.8.7"), labels.indexOf("Version") + 1);
    buttonTitled(w.page(2), "Website")->click();
    buttonTitled(w.page(2), "Privacy Policy")->click();
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(catcher.opened,
              (QList<QUrl>{QUrl("https://tindrel.dev"), QUrl("https://tindrel.dev/privacy")}));
}

TEST(SettingsWindow, StatusRowFollowsTheManagerAndOffersAWayOutOfATakenShortcut) {
    EXPECT_EQ(ShortcutSection::description(QStringLiteral("Alt+Shift+Space")),
              "Press Alt+Shift+Space anywhere to bring up Tindrel and inspect your clipboard. Tindrel "
              "registers just that one key combo and reads only the clipboard when fired.");
    const QStringList statuses = {"Shortcut inactive", "Shortcut active", "This shortcut is unavailable"};
    for (int status = 0; status < 3; ++status) {
        Window w;
        if (status == 2) w.hotKeys.backend->taken.push_back(KeyChord::defaultChord());
        w.open();
        if (status > 0) w.hotKeys.manager.registerHotKey([] {}); // after the window opened: followed live
        QStringList shown;
        for (const QString& text : w.labels())
            if (statuses.contains(text)) shown << text;
        EXPECT_EQ(shown, QStringList{statuses[status]});
        for (const char* title : {"Try Alt+S", "Record another"})
            EXPECT_EQ(buttonTitled(w.page(0), title)->isVisibleTo(w.page(0)), status == 2) << title << status;
    }

    const KeyChord optionS{1, M{M::option}, "S"};
    const KeyChord commandK{40, M{M::command}, "K"};
    for (bool tryAlternative : {true, false}) {
        Window w;
        w.hotKeys.backend->taken.push_back(KeyChord::defaultChord());
        w.hotKeys.manager.registerHotKey([] {});
        w.open();
        QWidget* page = w.page(0);
        auto* recorder = page->findChild<ShortcutRecorder*>();
        if (tryAlternative) {
            buttonTitled(page, "Try Alt+S")->click();
            EXPECT_EQ(std::tuple(w.hotKeys.manager.chord(), recorder->chord(),
                                 w.labels().filter("Press Alt+S anywhere").size()),
                      std::tuple(optionS, optionS, 1));
            EXPECT_TRUE(w.labels().contains("Shortcut active") &&
                        !buttonTitled(page, "Try Ctrl+Alt+V")->isVisibleTo(page));
        } else {
            buttonTitled(page, "Record another")->click();
            EXPECT_TRUE(recorder->isRecording());
            emit recorder->recorded(commandK);
            EXPECT_EQ(w.hotKeys.manager.chord(), commandK);
            recorder->stopRecording();
        }
        EXPECT_EQ(w.hotKeys.manager.status(), HotKeyManager::Status::active);
    }
}

TEST(SettingsWindow, SaysOnceWhenTheSettingsFileIsReadOnly) {
    const QString notice = "Your settings file is read-only \u2014 changes last until Tindrel quits.";
    const QByteArray stored = "[General]\ntindrel.appearance.v1=light\n";
    for (const unsigned permissions : {0400u, 0600u}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("Tindrel.conf");
        writeFile(path, stored, permissions);
        SettingsDefaults defaults(path);
        FakeHotKeys hotKeys;
        SettingsWindow window(hotKeys.manager, defaults, std::make_shared<ScriptedLoginItem>(),
                              std::make_shared<ScriptedProbe>(std::nullopt));
        window.show();
        // "System" rather than a fixed appearance, which would stay on the shared theme.
        buttonTitled(window.tabs()->widget(1), "System")->click();
        const bool frozen = permissions == 0400u;
        EXPECT_EQ(std::tuple(visibleLabelTexts(&window).count(notice), mode(path),
                             defaults.string("tindrel.appearance.v1"), fileContents(path) == stored),
                  std::tuple(frozen ? 1 : 0, permissions, std::optional<QString>("system"), frozen));
    }
}

TEST(LocalModelSection, ShowsTheProbeAnswerInPlainWords) {
    for (const QStringList& row : dataRows("model-status.tsv")) {
        const std::optional<std::string> reason =
            row[0] == "-" ? std::nullopt : std::optional(row[0].toStdString());
        const QString tone = row[1];
        const QStringList expected = row.mid(2);
        MemoryDefaults defaults;
        LocalModelSection section(defaults, std::make_shared<ScriptedProbe>(reason));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !visibleLabelTexts(&section).contains("Checking\u2026"); }));
        QStringList shown = visibleLabelTexts(&section);
        for (const char* fixed : {"Local model", "Server URL", "Model"})
            EXPECT_EQ(shown.removeAll(fixed), 1) << fixed;
        EXPECT_EQ(shown, expected) << reason.value_or("available");
        for (const QLabel* label : section.findChildren<QLabel*>())
            if (label->text() == expected.first()) {
                EXPECT_EQ(label->property("tone").toString(), tone);
            }
    }
    const QString general = modelUnavailabilityText("somethingNew");
    std::set<QString> seen;
    for (ModelUnavailability reason :
         {ModelUnavailability::invalidEndpoint, ModelUnavailability::nonLocalEndpoint,
          ModelUnavailability::serverUnreachable, ModelUnavailability::unsupportedServer,
          ModelUnavailability::noModelInstalled, ModelUnavailability::modelNotFound,
          ModelUnavailability::nonLocalModel, ModelUnavailability::modelTurnedOff}) {
        const QString text = modelUnavailabilityText(reasonName(reason));
        EXPECT_NE(text, general) << reasonName(reason);
        EXPECT_TRUE(seen.insert(text).second) << reasonName(reason) << ": a sentence of its own";
    }
}

TEST(LocalModelSection, AnOlderCheckFinishingLastIsIgnoredAndEditedFieldsAreStoredAndHandedOn) {
    ModelConfigurationGuard guard;
    auto probe = std::make_shared<ScriptedProbe>();
    MemoryDefaults defaults;
    defaults.setString(ModelPref::nameKey, "llama3.2");
    LocalModelSection section(defaults, probe);
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe->calls() == 1; }));
    EXPECT_TRUE(visibleLabelTexts(&section).contains("Checking\u2026"));
    buttonTitled(&section, "Check again")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe->calls() == 2; }));
    probe->answer(1, std::nullopt);
    const auto available = [&] { return visibleLabelTexts(&section).contains("Local model available"); };
    ASSERT_TRUE(QTest::qWaitFor(available));
    probe->answer(0, "serverUnreachable");
    QTest::qWait(100);
    EXPECT_TRUE(available() && visibleLabelTexts(&section).filter("No local model").isEmpty());

    const QList<QLineEdit*> fields = section.findChildren<QLineEdit*>();
    ASSERT_EQ(fields.size(), 2);
    EXPECT_EQ(fields[1]->text(), "llama3.2");
    fields[0]->setText("  http://127.0.0.1:8081/v1 ");
    emit fields[0]->editingFinished();
    EXPECT_EQ(std::tuple(defaults.string(ModelPref::urlKey), ModelSettings::current().url,
                         ModelSettings::current().model),
              std::tuple(std::optional<QString>("http://127.0.0.1:8081/v1"),
                         std::optional<std::string>("http://127.0.0.1:8081/v1"),
                         std::optional<std::string>("llama3.2")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe->calls() == 3; })) << "a changed field checks again";
    fields[1]->clear();
    emit fields[1]->editingFinished();
    EXPECT_EQ(defaults.string(ModelPref::nameKey), std::nullopt);
    for (int call = 2; call < 4; ++call)
        probe->answer(call, std::nullopt);
}

TEST(ModelPref, StoredValuesReachTheExplanationLayerAtStart) {
    ModelConfigurationGuard guard;
    ScopedEnvironment unset({{"TINDREL_MODEL_URL", std::nullopt}, {"TINDREL_MODEL", std::nullopt}});
    const std::tuple<std::optional<QString>, std::optional<QString>, std::optional<std::string>,
                     std::optional<std::string>>
        cases[] = {{"http://127.0.0.1:9000", "qwen3:4b", "http://127.0.0.1:9000", "qwen3:4b"},
                   {std::nullopt, "  qwen3:4b  ", std::nullopt, "qwen3:4b"},
                   {"", "   ", std::nullopt, std::nullopt}};
    for (const auto& [storedURL, storedName, configuredURL, configuredModel] : cases) {
        MemoryDefaults defaults;
        if (storedURL) defaults.setString(ModelPref::urlKey, *storedURL);
        if (storedName) defaults.setString(ModelPref::nameKey, *storedName);
        ModelPref::applyStored(defaults);
        EXPECT_EQ(std::tuple(ModelSettings::current().url, ModelSettings::current().model),
                  std::tuple(configuredURL, configuredModel));
    }
}

namespace {

// A private XDG_CONFIG_HOME for one test.
struct ConfigHome {
    QTemporaryDir dir;
    ScopedEnvironment env{{{"XDG_CONFIG_HOME", dir.path().toStdString()}, {"APPIMAGE", std::nullopt}}};

    QString entry() const { return dir.path() + "/autostart/tindrel.desktop"; }
};

} // namespace

TEST(LoginItem, EnablingWritesTheAutostartEntryAndDisablingRemovesIt) {
    ConfigHome home;
    EXPECT_FALSE(LoginItem::isEnabled());
    ASSERT_TRUE(LoginItem::setEnabled(true));
    const QStringList expected = {
        "[Desktop Entry]", "Type=Application",
        "Name=Tindrel",    "Exec=" + LoginItem::execProgram(QCoreApplication::applicationFilePath()),
        "Icon=tindrel",    "X-GNOME-Autostart-enabled=true"};
    EXPECT_EQ(QString::fromUtf8(fileContents(home.entry())).split('\n', Qt::SkipEmptyParts), expected);
    EXPECT_TRUE(QDir::isAbsolutePath(QCoreApplication::applicationFilePath()) && LoginItem::isEnabled());
    EXPECT_TRUE(LoginItem::setEnabled(false));
    EXPECT_FALSE(QFile::exists(home.entry()) || LoginItem::isEnabled());
    EXPECT_TRUE(LoginItem::setEnabled(false)) << "nothing to remove is no failure";

    QTemporaryDir homeDir;
    ScopedEnvironment homeEnv({{"HOME", homeDir.path().toStdString()}});
    for (const std::string configured : {"", "relative/config"}) {
        ScopedEnvironment env({{"XDG_CONFIG_HOME", configured}});
        EXPECT_EQ(LoginItem::entryPath(), homeDir.path() + "/.config/autostart/tindrel.desktop")
            << "unusable config home " << configured;
    }
}

TEST(LoginItem, AnEntrySwitchedOffInItsMainGroupDoesNotCountAndExecNamesTheProgramPerTheEntryFormat) {
    for (const QStringList& row : dataRows("autostart-entries.tsv")) {
        ConfigHome home;
        writeFile(home.entry(), row[0].toUtf8());
        EXPECT_EQ(LoginItem::isEnabled(), row[1] == "true") << row[0].toStdString();
    }
    for (const QStringList& row : dataRows("autostart-exec.tsv"))
        EXPECT_EQ(LoginItem::execProgram(row[0]), row[1]) << row[0].toStdString();
}

TEST(LoginItem, TheToggleShowsTheServiceStateAndSnapsBackWhenRefused) {
    const auto toggleOf = [](GeneralSettingsPage& page) { return page.findChild<QCheckBox*>(); };
    // enabled at first, refused, shown after a click
    const std::tuple<bool, bool, bool> cases[] = {
        {false, false, true}, {true, false, false}, {false, true, false}, {true, true, true}};
    for (const auto& [initially, refuse, shown] : cases) {
        auto service = std::make_shared<ScriptedLoginItem>();
        service->enabled = initially;
        service->refuse = refuse;
        FakeHotKeys hotKeys;
        MemoryDefaults defaults;
        GeneralSettingsPage page(hotKeys.manager, defaults, service,
                                 std::make_shared<ScriptedProbe>(std::nullopt));
        ASSERT_NE(toggleOf(page), nullptr);
        EXPECT_EQ(toggleOf(page)->isChecked(), initially);
        toggleOf(page)->click();
        EXPECT_EQ(std::tuple(service->requests, toggleOf(page)->isChecked()),
                  std::tuple(std::vector<bool>{!initially}, shown))
            << initially << refuse;
    }
    ConfigHome home;
    writeFile(home.dir.path() + "/autostart", {}); // a file where the folder should be: refused even for root
    EXPECT_FALSE(LoginItem::setEnabled(true));
    FakeHotKeys hotKeys;
    MemoryDefaults defaults;
    GeneralSettingsPage page(hotKeys.manager, defaults, makeSystemLoginItem(),
                             std::make_shared<ScriptedProbe>(std::nullopt));
    ASSERT_NE(toggleOf(page), nullptr);
    toggleOf(page)->click();
    EXPECT_FALSE(toggleOf(page)->isChecked());
}

namespace {

const QByteArray binary("[{\"a\":1}]\0\xff", 12);

void fill(Defaults& defaults) {
    defaults.setData("tindrel.history.v1", binary);
    defaults.setBoolean("tindrel.onboarding.completed.v1", true);
    defaults.setInteger("tindrel.usage.count.v1", 42);
    defaults.setString("tindrel.appearance.v1", "dark");
}

void expectFilled(const Defaults& defaults) {
    EXPECT_EQ(
        std::tuple(defaults.data("tindrel.history.v1"), defaults.boolean("tindrel.onboarding.completed.v1"),
                   defaults.integer("tindrel.usage.count.v1"), defaults.string("tindrel.appearance.v1")),
        std::tuple(std::optional(binary), std::optional(true), std::optional(42),
                   std::optional<QString>("dark")));
    EXPECT_FALSE(defaults.data("tindrel.appearance.v1") || defaults.boolean("tindrel.appearance.v1") ||
                 defaults.integer("missing"));
}

} // namespace

TEST(Defaults, StoresRoundTripTheFileIsTheOwnersAloneAndACorruptOneIsReplacedOnWrite) {
    MemoryDefaults memory;
    fill(memory);
    expectFilled(memory);
    memory.remove("tindrel.usage.count.v1");
    EXPECT_FALSE(memory.integer("tindrel.usage.count.v1"));

    QTemporaryDir dir;
    const QString path = dir.filePath("config/Tindrel/Tindrel.conf");
    {
        SettingsDefaults defaults(path);
        fill(defaults);
    }
    expectFilled(SettingsDefaults(path));
    EXPECT_EQ(std::tuple(mode(path), mode(QFileInfo(path).absolutePath())), std::tuple(0600u, 0700u));

    const QString corrupt = dir.filePath("Corrupt.conf");
    writeFile(corrupt, QByteArray("\xff\xfe[[[garbage\n=\n@ByteArray(\n\0\0", 24));
    SettingsDefaults damaged(corrupt);
    EXPECT_FALSE(damaged.data("tindrel.history.v1"));
    damaged.setString("tindrel.appearance.v1", "light");
    EXPECT_EQ(SettingsDefaults(corrupt).string("tindrel.appearance.v1"), QString("light"));
}

TEST(Defaults, SettingsFileKeepsThePermissionsThePersonChose) {
    const QByteArray stored = "[General]\ntindrel.appearance.v1=light\ntindrel.usage.count.v1=5\n";
    struct Case {
        std::string name;
        unsigned mode;
        bool throughLink, frozenWhileRunning, refused;
    };
    for (const QStringList& row : dataRows("settings-permissions.tsv")) {
        const Case c{row[0].toStdString(), row[1].toUInt(nullptr, 8), row[2] == "1", row[3] == "1",
                     row[4] == "1"};
        QTemporaryDir dir;
        const QString path = dir.filePath("config/Tindrel/Tindrel.conf");
        const QString target = c.throughLink ? dir.filePath("dotfiles/tindrel.conf") : path;
        writeFile(target, stored, c.mode);
        if (c.throughLink) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            ASSERT_TRUE(QFile::link(target, path));
        }
        {
            SettingsDefaults defaults(path);
            if (c.frozenWhileRunning) ::chmod(QFile::encodeName(path).constData(), 0400);
            defaults.setString("tindrel.appearance.v1", "dark");
            EXPECT_EQ(std::tuple(defaults.writeRefused(), defaults.string("tindrel.appearance.v1"),
                                 defaults.integer("tindrel.usage.count.v1")),
                      std::tuple(c.refused, std::optional<QString>("dark"), std::optional(5)))
                << c.name;
            defaults.remove("tindrel.usage.count.v1");
            EXPECT_FALSE(defaults.integer("tindrel.usage.count.v1")) << c.name;
        }
        EXPECT_EQ(std::tuple(QFileInfo(path).isSymLink(), mode(target)),
                  std::tuple(c.throughLink, c.frozenWhileRunning ? 0400u : c.mode))
            << c.name;
        EXPECT_EQ(c.refused ? fileContents(target) == stored
                            : SettingsDefaults(path).string("tindrel.appearance.v1") == QString("dark"),
                  true)
            << c.name;
    }
}

TEST(AppearancePref, StoredValueDecidesBetweenTheDesktopAndAFixedAppearanceAndTheDesktopIsFollowedLive) {
    ThemeGuard guard;
    const auto appearance = [](const QString& name) {
        return name == "dark" ? Appearance::dark : Appearance::light;
    };
    for (const QStringList& row : dataRows("appearance-stored.tsv")) {
        MemoryDefaults defaults;
        if (row[0] != "-") defaults.setString(AppearancePref::storeKey, row[0]);
        Theme::shared().setOverride(std::nullopt);
        Theme::shared().setSystemAppearance(appearance(row[1]));
        AppearancePref::applyStored(defaults);
        EXPECT_EQ(std::tuple(Theme::shared().appearance(), AppearancePref::stored(defaults)),
                  std::tuple(appearance(row[2]), row[3]))
            << row[0].toStdString();
    }

    Theme::shared().setOverride(std::nullopt);
    FakeColorScheme desktop;
    desktop.scheme = Appearance::dark;
    AppearancePref::followSystem(desktop);
    EXPECT_EQ(Theme::shared().appearance(), Appearance::dark);
    desktop.change(Appearance::light);
    EXPECT_EQ(Theme::shared().appearance(), Appearance::light);
    AppearancePref::apply("dark");
    desktop.change(Appearance::light);
    EXPECT_EQ(Theme::shared().appearance(), Appearance::dark) << "a fixed choice wins over the desktop";
    AppearancePref::apply("system");
    EXPECT_EQ(Theme::shared().appearance(), Appearance::light);
}

TEST(AppearancePref, ThePickerStoresAndAppliesEveryChoiceAtOnce) {
    ThemeGuard guard;
    Theme::shared().setSystemAppearance(Appearance::light);
    for (const auto& [stored, checked] : {std::pair("midnight", "System"), std::pair("dark", "Dark")}) {
        MemoryDefaults defaults;
        defaults.setString(AppearancePref::storeKey, stored);
        AppearanceSettingsPage page(defaults);
        for (const char* button : {"System", "Light", "Dark"})
            EXPECT_EQ(buttonTitled(&page, button)->isChecked(), QString(button) == checked)
                << stored << button;
    }
    MemoryDefaults defaults;
    defaults.setString(AppearancePref::storeKey, "dark");
    AppearancePref::applyStored(defaults);
    ASSERT_EQ(Theme::shared().appearance(), Appearance::dark);
    AppearanceSettingsPage page(defaults);
    EXPECT_TRUE(visibleLabelTexts(&page).contains(
        QString::fromUtf8("Tindrel follows your desktop's appearance by default. Both light and dark are "
                          "designed and tested \u2014 only override if you prefer one.")));
    const QColor light(0xF5, 0xF6, 0xFA), dark(0x0B, 0x0D, 0x12);
    const std::tuple<QString, QString, std::optional<Appearance>, QColor> steps[] = {
        {"System", "system", std::nullopt, light},
        {"Light", "light", Appearance::light, light},
        {"Dark", "dark", Appearance::dark, dark},
        {"System", "system", std::nullopt, light}};
    for (const auto& [button, stored, override, window] : steps) {
        buttonTitled(&page, button)->click();
        EXPECT_EQ(std::tuple(defaults.string(AppearancePref::storeKey), Theme::shared().overrideAppearance(),
                             QApplication::palette().color(QPalette::Window)),
                  std::tuple(std::optional(stored), override, window))
            << button.toStdString();
    }
}

// Every symbol is drawn (no empty icon when the desktop's theme lacks a name) in the colour token of
// the appearance in force when it is painted, so a switch recolours icons that already exist.
TEST(Symbols, EachIsDrawnInTheTokenOfTheAppearanceInForce) {
    ThemeGuard guard;
    for (Appearance appearance : {Appearance::light, Appearance::dark}) {
        Theme::shared().setOverride(appearance);
        for (int raw = 0; raw <= static_cast<int>(Symbol::appearance); ++raw) {
            const auto which = static_cast<Symbol>(raw);
            for (int side : {14, 16, 32}) {
                const QImage image = symbol(which).pixmap(QSize(side, side)).toImage();
                QColor ink(0, 0, 0, 0);
                int covered = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        const QColor pixel = image.pixelColor(x, y);
                        covered += pixel.alpha() > 0;
                        if (pixel.alpha() > ink.alpha()) ink = pixel;
                    }
                EXPECT_EQ(std::tuple(covered > side * side / 12, covered < side * side * 9 / 10, ink.alpha(),
                                     ink.rgb()),
                          std::tuple(true, true, 255, symbolInk(which, QIcon::Normal, appearance).rgb()))
                    << raw << " at " << side;
            }
        }
    }
    SymbolLabel shown(Symbol::lock, 16); // already on screen: new colours at the next paint
    shown.show();
    for (Appearance appearance : {Appearance::light, Appearance::dark}) {
        Theme::shared().setOverride(appearance);
        EXPECT_EQ(shown.grab().toImage().pixelColor(4, 13).rgb(),
                  symbolInk(Symbol::lock, QIcon::Normal, appearance).rgb());
    }
    EXPECT_NE(symbolInk(Symbol::settings, QIcon::Normal, Appearance::light),
              symbolInk(Symbol::settings, QIcon::Normal, Appearance::dark));
    EXPECT_EQ(symbolInk(Symbol::warning, QIcon::Normal, Appearance::dark),
              TindrelColor::warning.resolved(Appearance::dark));
}

// The tab pane and its pages are the surface token, not the platform style's own grey.
TEST(SettingsWindow, TabsSitOnTheSurfaceColour) {
    ThemeGuard guard;
    for (Appearance appearance : {Appearance::light, Appearance::dark}) {
        Theme::shared().setOverride(appearance);
        Window w;
        SettingsWindow& window = w.open();
        window.tabs()->setCurrentIndex(2); // the shortest page leaves the most empty pane
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QWidget* page = window.tabs()->currentWidget();
        const QPoint inside = page->mapTo(&window, QPoint(page->width() / 2, page->height() - 12));
        EXPECT_EQ(window.grab().toImage().pixelColor(inside).rgb(),
                  TindrelColor::surface.resolved(appearance).rgb())
            << (appearance == Appearance::dark ? "dark" : "light");
    }
}

#include "SettingsTests.moc"
