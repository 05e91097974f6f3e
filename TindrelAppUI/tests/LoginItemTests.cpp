#include "SettingsFakes.h"
#include "TindrelAppUI/platform/LoginItem.h"
#include "TindrelAppUI/views/settings/GeneralSettingsPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tindrel;
using namespace tindrel::testing;

namespace {

// A private XDG_CONFIG_HOME for one test.
struct ConfigHome {
    QTemporaryDir dir;
    ScopedEnv env{"XDG_CONFIG_HOME", dir.path().toUtf8()};
    ScopedEnv image{"APPIMAGE", std::nullopt};

    QString entry() const { return dir.path() + "/autostart/tindrel.desktop"; }
    void write(const QByteArray& text) const {
        QDir().mkpath(dir.path() + "/autostart");
        QFile file(entry());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QString read() const {
        QFile file(entry());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

} // namespace

TEST(LoginItem, EnablingWritesTheAutostartEntryAndDisablingRemovesIt) {
    ConfigHome home;
    EXPECT_FALSE(LoginItem::isEnabled());
    ASSERT_TRUE(LoginItem::setEnabled(true));
    const QStringList lines = home.read().split('\n', Qt::SkipEmptyParts);
    const QStringList expected = {
        "[Desktop Entry]", "Type=Application",
        "Name=Tindrel",    "Exec=" + LoginItem::execProgram(QCoreApplication::applicationFilePath()),
        "Icon=tindrel",    "X-GNOME-Autostart-enabled=true",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(QDir::isAbsolutePath(QCoreApplication::applicationFilePath()));
    EXPECT_TRUE(LoginItem::isEnabled());

    EXPECT_TRUE(LoginItem::setEnabled(false));
    EXPECT_FALSE(QFile::exists(home.entry()));
    EXPECT_FALSE(LoginItem::isEnabled());
    EXPECT_TRUE(LoginItem::setEnabled(false)) << "nothing to remove is no failure";
}

TEST(LoginItem, AnEntrySwitchedOffInItsMainGroupDoesNotCount) {
    struct Case {
        QByteArray text;
        bool enabled;
    } cases[] = {
        {"[Desktop Entry]\nType=Application\nExec=tindrel\n", true},
        {"[Desktop Entry]\nExec=tindrel\nHidden=true\n", false},
        {"[Desktop Entry]\nExec=tindrel\nHidden = true\n", false},
        {"[Desktop Entry]\nExec=tindrel\nHidden=false\n", true},
        {"[Desktop Entry]\nExec=tindrel\nX-GNOME-Autostart-enabled=false\n", false},
        {"[Desktop Entry]\nExec=tindrel\nX-GNOME-Autostart-enabled=true\n", true},
        {"[Desktop Entry]\nExec=tindrel\n[Desktop Action quit]\nHidden=true\n", true},
        {"", true},
    };
    for (const Case& c : cases) {
        ConfigHome home;
        home.write(c.text);
        EXPECT_EQ(LoginItem::isEnabled(), c.enabled) << c.text.toStdString();
    }
}

TEST(LoginItem, AnUnusableConfigHomeFallsBackToDotConfig) {
    QTemporaryDir homeDir;
    ScopedEnv home("HOME", homeDir.path().toUtf8());
    for (const QByteArray& configured : {QByteArray(), QByteArray("relative/config")}) {
        ScopedEnv env("XDG_CONFIG_HOME", configured);
        EXPECT_EQ(LoginItem::entryPath(), homeDir.path() + "/.config/autostart/tindrel.desktop")
            << configured.toStdString();
    }
}

TEST(LoginItem, ExecNamesTheProgramPerTheEntryFormat) {
    struct Case {
        QString program;
        QString exec;
    } cases[] = {
        {"/usr/bin/tindrel", "/usr/bin/tindrel"},
        {"/opt/My Apps/tindrel", R"("/opt/My Apps/tindrel")"},
        {"/opt/a$b/tindrel", R"("/opt/a\\$b/tindrel")"},
        {R"(/opt/a\b/tindrel)", R"("/opt/a\\\\b/tindrel")"},
        {R"(/opt/say "hi"/tindrel)", R"("/opt/say \\"hi\\"/tindrel")"},
        {"/opt/100%/tindrel", "/opt/100%%/tindrel"},
        {"/opt/100% sure/tindrel", R"("/opt/100%% sure/tindrel")"},
        {"/opt/it's/tindrel", R"("/opt/it's/tindrel")"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoginItem::execProgram(c.program), c.exec) << c.program.toStdString();
}

TEST(LoginItem, AnUnwritableAutostartFolderFailsAndTheToggleSnapsBack) {
    ConfigHome home;
    // A file where the folder should be: refused even for a privileged user.
    QFile blocker(home.dir.path() + "/autostart");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(LoginItem::setEnabled(true));

    FakeHotKeys hotKeys;
    MemoryDefaults defaults;
    GeneralSettingsPage page(hotKeys.manager, defaults, makeSystemLoginItem(),
                             std::make_shared<FixedProbe>("serverUnreachable"));
    auto* toggle = page.findChild<QCheckBox*>();
    ASSERT_NE(toggle, nullptr);
    EXPECT_FALSE(toggle->isChecked());
    toggle->click();
    EXPECT_FALSE(toggle->isChecked());
}

TEST(LoginItem, TheToggleShowsAndChangesTheServiceState) {
    struct Case {
        bool initially;
        bool refuse;
        std::vector<bool> requests;
        bool shown;
    } cases[] = {
        {false, false, {true}, true},
        {true, false, {false}, false},
        {false, true, {true}, false},
        {true, true, {false}, true},
    };
    for (const Case& c : cases) {
        auto service = std::make_shared<ScriptedLoginItem>();
        service->enabled = c.initially;
        service->refuse = c.refuse;
        FakeHotKeys hotKeys;
        MemoryDefaults defaults;
        GeneralSettingsPage page(hotKeys.manager, defaults, service,
                                 std::make_shared<FixedProbe>("serverUnreachable"));
        auto* toggle = page.findChild<QCheckBox*>();
        ASSERT_NE(toggle, nullptr);
        EXPECT_EQ(toggle->isChecked(), c.initially);
        toggle->click();
        EXPECT_EQ(service->requests, c.requests);
        EXPECT_EQ(toggle->isChecked(), c.shown) << c.initially << c.refuse;
    }
}
