#pragma once

#include "TindrelAppUI/style/TindrelColor.h"

#include <QDBusConnection>
#include <QObject>
#include <memory>

namespace tindrel {

// The desktop's light or dark preference, and word of every change to it.
class ColorSchemeSource : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    virtual Appearance current() const = 0;

signals:
    void changed(tindrel::Appearance appearance);
};

// The "color-scheme" of the freedesktop Settings portal on the given bus, read once now and then
// followed through the portal's change signal. No portal, or no preference, means light.
std::unique_ptr<ColorSchemeSource> makePortalColorScheme(const QDBusConnection& bus);
// The same on the session bus.
std::unique_ptr<ColorSchemeSource> makeSystemColorScheme();

} // namespace tindrel
