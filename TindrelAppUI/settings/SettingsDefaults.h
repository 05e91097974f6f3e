#pragma once

#include "TindrelAppUI/settings/Defaults.h"

#include <QSettings>
#include <memory>

namespace tindrel {

// The user defaults on disk: $XDG_CONFIG_HOME/Tindrel/Tindrel.conf (~/.config/Tindrel/Tindrel.conf).
// The history in it holds whatever the user inspected, so the folder is owner-only (0700) and the
// file owner-only (0600); every write replaces the file atomically, so a crash or a full disk leaves
// the previous file whole. A file that cannot be read yields defaults, never a failed start.
class SettingsDefaults final : public Defaults {
public:
    // `path` overrides the standard location (tests).
    explicit SettingsDefaults(const QString& path = standardPath());
    static QString standardPath();

    void remove(const QString& key) override;

protected:
    QVariant load(const QString& key) const override;
    void store(const QString& key, const QVariant& value) override;

private:
    void commit();
    QString path_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace tindrel
