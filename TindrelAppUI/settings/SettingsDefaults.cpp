#include "TindrelAppUI/settings/SettingsDefaults.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tindrel {
namespace {

// Creates the folder and an empty file with owner-only permissions before QSettings touches them;
// QSettings' atomic replacement keeps the permissions of the file it replaces.
void prepareOwnerOnly(const QString& path) {
    QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    QDir().mkpath(QString::fromLocal8Bit(folder));
    ::chmod(folder.constData(), S_IRWXU);
    QByteArray file = QFile::encodeName(path);
    int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd >= 0) ::close(fd);
    ::chmod(file.constData(), S_IRUSR | S_IWUSR);
}

} // namespace

QString SettingsDefaults::standardPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Tindrel/Tindrel.conf";
}

SettingsDefaults::SettingsDefaults(const QString& path)
    : path_(path) {
    prepareOwnerOnly(path_);
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    settings_->setAtomicSyncRequired(true);
}

QVariant SettingsDefaults::load(const QString& key) const {
    return settings_->value(key);
}

void SettingsDefaults::store(const QString& key, const QVariant& value) {
    settings_->setValue(key, value);
    commit();
}

void SettingsDefaults::remove(const QString& key) {
    settings_->remove(key);
    commit();
}

void SettingsDefaults::commit() {
    settings_->sync();
    ::chmod(QFile::encodeName(path_).constData(), S_IRUSR | S_IWUSR);
}

} // namespace tindrel
