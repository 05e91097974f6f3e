#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tindrel {

// Where the tray panel's top-left corner goes so that it sits next to its icon and wholly inside the
// screen's available area: below an icon near the top edge, above one near the bottom edge, beside
// one on a left or right edge (a vertical panel), centred on the icon along that edge. Without an icon
// geometry (trays that do not tell), the panel hangs from `cursor` the same way. A panel larger than
// the area starts at the area's top-left corner.
QPoint trayPanelPosition(const QRect& icon, const QPoint& cursor, const QSize& panel, const QRect& available);

} // namespace tindrel
