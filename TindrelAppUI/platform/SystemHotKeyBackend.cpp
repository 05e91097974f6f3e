#include "TindrelAppUI/platform/HotKeyBackend.h"
#include "TindrelAppUI/platform/PortalHotKeyBackend.h"
#include "TindrelAppUI/platform/X11HotKeyBackend.h"

#include <QGuiApplication>

namespace tindrel {

std::unique_ptr<HotKeyBackend> makeSystemHotKeyBackend() {
    QString platform = QGuiApplication::platformName();
    std::unique_ptr<HotKeyBackend> backend;
    if (platform == QLatin1String("xcb")) backend = makeX11HotKeyBackend();
    if (!backend && platform.startsWith(QLatin1String("wayland"))) backend = makePortalHotKeyBackend();
    if (!backend) backend = std::make_unique<UnavailableHotKeyBackend>();
    return backend;
}

} // namespace tindrel
