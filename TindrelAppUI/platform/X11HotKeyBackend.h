#pragma once

#include "TindrelAppUI/platform/HotKeyBackend.h"

namespace tindrel {

// Key grabs on the X root window; also what XWayland sessions get. Nothing when the application does
// not run on an X connection (the offscreen platform hands out the X11 interface with no connection).
std::unique_ptr<HotKeyBackend> makeX11HotKeyBackend();

} // namespace tindrel
