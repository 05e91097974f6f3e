#include "TindrelAppUI/settings/Defaults.h"

namespace tindrel {

std::optional<QByteArray> Defaults::data(const QString& key) const {
    QVariant value = load(key);
    if (value.typeId() != QMetaType::QByteArray) return std::nullopt;
    return value.toByteArray();
}

std::optional<bool> Defaults::boolean(const QString& key) const {
    QVariant value = load(key);
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    // The settings file stores every scalar as text.
    if (value.typeId() == QMetaType::QString) {
        QString text = value.toString();
        if (text == QLatin1String("true")) return true;
        if (text == QLatin1String("false")) return false;
    }
    return std::nullopt;
}

std::optional<qint64> Defaults::integer(const QString& key) const {
    QVariant value = load(key);
    if (value.typeId() == QMetaType::Bool || !value.isValid()) return std::nullopt;
    bool ok = false;
    qint64 number = value.toLongLong(&ok);
    if (!ok) return std::nullopt;
    return number;
}

std::optional<QString> Defaults::string(const QString& key) const {
    QVariant value = load(key);
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString();
}

} // namespace tindrel
