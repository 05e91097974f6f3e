#include "TindrelAppUI/tray/TrayPlacement.h"

#include <algorithm>

namespace tindrel {
namespace {

constexpr int gap = 4;

int clampInto(int start, int length, int areaStart, int areaLength) {
    const int last = areaStart + areaLength - length;
    return last < areaStart ? areaStart : std::clamp(start, areaStart, last);
}

} // namespace

QPoint trayPanelPosition(const QRect& icon, const QPoint& cursor, const QSize& panel,
                         const QRect& available) {
    const QRect anchor = icon.isValid() ? icon : QRect(cursor, QSize(1, 1));
    const bool below = anchor.center().y() < available.center().y();
    const int x = anchor.center().x() - panel.width() / 2;
    const int y = below ? anchor.bottom() + 1 + gap : anchor.top() - gap - panel.height();
    return {clampInto(x, panel.width(), available.left(), available.width()),
            clampInto(y, panel.height(), available.top(), available.height())};
}

} // namespace tindrel
