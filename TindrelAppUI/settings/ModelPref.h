#pragma once

#include "TindrelAppUI/settings/Defaults.h"

#include <QString>

namespace tindrel {

// The local model server and model the user named in Settings. An empty field leaves the choice to
// the environment (TINDREL_MODEL_URL, TINDREL_MODEL) and then to finding a server on its usual ports.
namespace ModelPref {

inline const QString urlKey = QStringLiteral("tindrel.model.url.v1");
inline const QString nameKey = QStringLiteral("tindrel.model.name.v1");

QString url(const Defaults& defaults);
QString name(const Defaults& defaults);
// Stores both (an empty value removes its key) and hands them to the explanation layer.
void store(Defaults& defaults, const QString& url, const QString& name);
// At start: the stored values to the explanation layer.
void applyStored(const Defaults& defaults);

} // namespace ModelPref
} // namespace tindrel
