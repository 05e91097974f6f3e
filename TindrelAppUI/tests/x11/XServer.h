#pragma once

#include <QString>

namespace tindrel::xserver {

// The private X server the tests run on, started before the application object; empty when none
// could be started (no Xvfb installed, or it failed).
QString xDisplay();
QString xServerProblem();

} // namespace tindrel::xserver
