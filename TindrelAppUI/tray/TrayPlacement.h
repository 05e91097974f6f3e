#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tindrel {

// Where the tray panel's top-left corner goes: centred under the icon when the icon sits in the upper
// half of the screen, above it otherwise, and kept inside the screen's available area. Without an
// icon geometry (trays that do not tell), the panel hangs from `cursor` the same way.
QPoint trayPanelPosition(const QRect& icon, const QPoint& cursor, const QSize& panel, const QRect& available);

} // namespace tindrel
