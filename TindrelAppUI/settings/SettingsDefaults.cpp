#include "TindrelAppUI/settings/SettingsDefaults.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tindrel {
namespace {

// Creates a missing folder and file owner-only before QSettings touches them; QSettings' atomic
// replacement keeps the permissions of the file it replaces. A dangling link gets its target created.
void createOwnerOnlyIfMissing(const QString& path) {
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(QFileInfo(folder).absolutePath());
        QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (file.exists()) return;
    int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd >= 0) ::close(fd);
}

// What an atomic save needs: the file a link leads to is writable and its folder takes the
// replacement. A file without its owner's write permission counts as read-only even for a user the
// system would let write it: the person froze it on purpose.
bool replaceable(const QString& path) {
    const QFileInfo target(QFileInfo(path).canonicalFilePath());
    const QFileInfo folder(target.absolutePath());
    return target.isFile() && target.permission(QFile::WriteOwner) && target.isWritable() &&
           folder.isWritable() && folder.isExecutable();
}

} // namespace

QString SettingsDefaults::standardPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Tindrel/Tindrel.conf";
}

SettingsDefaults::SettingsDefaults(const QString& path)
    : path_(path) {
    createOwnerOnlyIfMissing(path_);
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    settings_->setAtomicSyncRequired(true);
    refuseWhenUnwritable();
}

QVariant SettingsDefaults::load(const QString& key) const {
    return memory_ ? memory_->value(key) : settings_->value(key);
}

void SettingsDefaults::store(const QString& key, const QVariant& value) {
    if (refuseWhenUnwritable()) {
        memory_->insert(key, value);
        return;
    }
    settings_->setValue(key, value);
    commit();
}

void SettingsDefaults::remove(const QString& key) {
    if (refuseWhenUnwritable()) {
        memory_->remove(key);
        return;
    }
    settings_->remove(key);
    commit();
}

// Checked before every write, so a file made read-only while the app runs is left alone too.
bool SettingsDefaults::refuseWhenUnwritable() {
    if (!memory_ && !replaceable(path_)) keepInMemory();
    return memory_.has_value();
}

void SettingsDefaults::keepInMemory() {
    QHash<QString, QVariant> values;
    for (const QString& key : settings_->allKeys())
        values.insert(key, settings_->value(key));
    memory_ = std::move(values);
}

// A write the file refused stays in memory with everything else.
void SettingsDefaults::commit() {
    settings_->sync();
    if (settings_->status() == QSettings::AccessError) keepInMemory();
}

} // namespace tindrel
