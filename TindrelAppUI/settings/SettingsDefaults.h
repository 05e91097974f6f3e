#pragma once

#include "TindrelAppUI/settings/Defaults.h"

#include <QHash>
#include <QSettings>
#include <memory>
#include <optional>

namespace tindrel {

// The user defaults on disk: $XDG_CONFIG_HOME/Tindrel/Tindrel.conf (~/.config/Tindrel/Tindrel.conf).
// The history in it holds whatever the user inspected, so a folder and file the app creates are
// owner-only (0700 and 0600); every write replaces the file atomically, so a crash or a full disk
// leaves the previous file whole. A file that cannot be read yields defaults, never a failed start.
// The permissions of an existing file are the person's choice and are never changed: a file they made
// read-only (or one a dotfile manager links to a read-only file) is left alone, and changes then last
// in memory until the app quits. A symbolic link is written through, not replaced.
class SettingsDefaults final : public Defaults {
public:
    // `path` overrides the standard location (tests).
    explicit SettingsDefaults(const QString& path = standardPath());
    static QString standardPath();

    void remove(const QString& key) override;
    bool writeRefused() const override { return memory_.has_value(); }

protected:
    QVariant load(const QString& key) const override;
    void store(const QString& key, const QVariant& value) override;

private:
    bool refuseWhenUnwritable();
    void keepInMemory();
    void commit();

    QString path_;
    std::unique_ptr<QSettings> settings_;
    // Every value, once the file refused a write; the file is not touched again.
    std::optional<QHash<QString, QVariant>> memory_;
};

} // namespace tindrel
