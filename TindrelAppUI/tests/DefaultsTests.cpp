#include "TindrelAppUI/settings/SettingsDefaults.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tindrel;

namespace {

unsigned mode(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return 0;
    return info.st_mode & 0777;
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
