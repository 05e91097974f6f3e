#pragma once

#include "TindrelAppUI/settings/Defaults.h"

#include <QString>

namespace tindrel {

class ColorSchemeSource;

// The user's choice between following the desktop and a fixed light or dark appearance.
namespace AppearancePref {

inline const QString storeKey = QStringLiteral("tindrel.appearance.v1");

// "system", "light" or "dark": what is stored, with "system" for anything absent or unknown.
QString stored(const Defaults& defaults);
// "light" and "dark" fix the appearance; any other value hands it back to the desktop.
void apply(const QString& value);
void applyStored(const Defaults& defaults);
// The desktop's preference becomes the system appearance now and on every change.
void followSystem(ColorSchemeSource& source);

} // namespace AppearancePref
} // namespace tindrel
