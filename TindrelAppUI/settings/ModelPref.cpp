#include "TindrelAppUI/settings/ModelPref.h"

#include "TindrelAI/model/ModelSettings.h"

namespace tindrel::ModelPref {
namespace {

QString storedText(const Defaults& defaults, const QString& key) {
    return defaults.string(key).value_or(QString()).trimmed();
}

std::optional<std::string> configured(const QString& value) {
    if (value.isEmpty()) return std::nullopt;
    return value.toStdString();
}

void storeText(Defaults& defaults, const QString& key, const QString& value) {
    if (value.isEmpty())
        defaults.remove(key);
    else
        defaults.setString(key, value);
}

} // namespace

QString url(const Defaults& defaults) {
    return storedText(defaults, urlKey);
}

QString name(const Defaults& defaults) {
    return storedText(defaults, nameKey);
}

void store(Defaults& defaults, const QString& url, const QString& name) {
    storeText(defaults, urlKey, url.trimmed());
    storeText(defaults, nameKey, name.trimmed());
    applyStored(defaults);
}

void applyStored(const Defaults& defaults) {
    ModelSettings::configure(configured(url(defaults)), configured(name(defaults)));
}

} // namespace tindrel::ModelPref
