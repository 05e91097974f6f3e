#include "TindrelAppUI/settings/SettingsDefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

using namespace tindrel;

namespace {

unsigned mode(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return 0;
    return info.st_mode & 0777;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& text, unsigned permissions) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), permissions), 0);
}

void roundTrip(Defaults& defaults) {
    defaults.setData("tindrel.history.v1", QByteArray("[{\"a\":1}]\0\xff", 12));
    defaults.setBoolean("tindrel.onboarding.completed.v1", true);
    defaults.setInteger("tindrel.usage.count.v1", 42);
    defaults.setString("tindrel.appearance.v1", "dark");
}

void expectRoundTrip(const Defaults& defaults) {
    EXPECT_EQ(defaults.data("tindrel.history.v1"), QByteArray("[{\"a\":1}]\0\xff", 12));
    EXPECT_EQ(defaults.boolean("tindrel.onboarding.completed.v1"), true);
    EXPECT_EQ(defaults.integer("tindrel.usage.count.v1"), 42);
    EXPECT_EQ(defaults.string("tindrel.appearance.v1"), QString("dark"));
    EXPECT_FALSE(defaults.data("tindrel.appearance.v1"));
    EXPECT_FALSE(defaults.boolean("tindrel.appearance.v1"));
    EXPECT_FALSE(defaults.integer("missing"));
}

} // namespace

TEST(Defaults, MemoryStoreRoundTrips) {
    MemoryDefaults defaults;
    roundTrip(defaults);
    expectRoundTrip(defaults);
    defaults.remove("tindrel.usage.count.v1");
    EXPECT_FALSE(defaults.integer("tindrel.usage.count.v1"));
}

TEST(Defaults, SettingsFileRoundTripsAcrossInstancesWithOwnerOnlyPermissions) {
    QTemporaryDir dir;
    QString path = dir.filePath("config/Tindrel/Tindrel.conf");
    {
        SettingsDefaults defaults(path);
        roundTrip(defaults);
    }
    SettingsDefaults reopened(path);
    expectRoundTrip(reopened);
    EXPECT_EQ(mode(path), 0600u);
    EXPECT_EQ(mode(QFileInfo(path).absolutePath()), 0700u);
}

TEST(Defaults, CorruptFileGivesDefaultsAndIsReplacedOnWrite) {
    QTemporaryDir dir;
    QString path = dir.filePath("Tindrel.conf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xff\xfe[[[garbage\n=\n@ByteArray(\n\0\0", 24);
    file.close();
    SettingsDefaults defaults(path);
    EXPECT_FALSE(defaults.data("tindrel.history.v1"));
    defaults.setString("tindrel.appearance.v1", "light");
    EXPECT_EQ(SettingsDefaults(path).string("tindrel.appearance.v1"), QString("light"));
}

TEST(Defaults, SettingsFileKeepsThePermissionsThePersonChose) {
    const QByteArray stored = "[General]\ntindrel.appearance.v1=light\ntindrel.usage.count.v1=5\n";
    struct Case {
        const char* name;
        unsigned mode;
        bool throughLink;
        bool frozenWhileRunning;
        bool refused;
    } cases[] = {
        {"read-only file", 0400, false, false, true},
        {"file others may read", 0644, false, false, false},
        {"made read-only while running", 0600, false, true, true},
        {"link to a writable file", 0640, true, false, false},
        {"link to a read-only file", 0444, true, false, true},
    };
    for (const Case& c : cases) {
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
            EXPECT_EQ(defaults.writeRefused(), c.refused) << c.name;
            EXPECT_EQ(defaults.string("tindrel.appearance.v1"), QString("dark")) << c.name;
            EXPECT_EQ(defaults.integer("tindrel.usage.count.v1"), 5) << c.name;
            defaults.remove("tindrel.usage.count.v1");
            EXPECT_FALSE(defaults.integer("tindrel.usage.count.v1")) << c.name;
        }
        EXPECT_EQ(QFileInfo(path).isSymLink(), c.throughLink) << c.name;
        EXPECT_EQ(mode(target), c.frozenWhileRunning ? 0400u : c.mode) << c.name;
        if (c.refused) {
            EXPECT_EQ(contents(target), stored) << c.name;
        } else {
            EXPECT_EQ(SettingsDefaults(path).string("tindrel.appearance.v1"), QString("dark")) << c.name;
        }
    }
}
