#pragma once

#include "TindrelAppUI/platform/HotKeyBackend.h"

#include <QString>

namespace tindrel {

// The freedesktop GlobalShortcuts portal over the session bus: the way to a global key on Wayland.
// Nothing when the desktop offers no such portal.
std::unique_ptr<HotKeyBackend> makePortalHotKeyBackend();

// The chord as the portal's preferred trigger: "ALT+SHIFT+space", "CTRL+LOGO+k".
QString portalTrigger(const KeyChord& chord);

} // namespace tindrel
