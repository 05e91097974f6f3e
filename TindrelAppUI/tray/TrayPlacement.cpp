#include "TindrelAppUI/tray/TrayPlacement.h"

#include <algorithm>

namespace tindrel {
namespace {

constexpr int gap = 4;
// An icon this close to an edge of the area sits in a panel along that edge.
constexpr int edgeBand = 48;

enum class Side { below, above, right, left };

int clampInto(int start, int length, int areaStart, int areaLength) {
    const int last = areaStart + areaLength - length;
    return last < areaStart ? areaStart : std::clamp(start, areaStart, last);
}

// A bar along the top or bottom wins over one along the sides, so an icon in the corner of a top
// bar opens downwards.
Side sideFor(const QRect& anchor, const QRect& available) {
    const QPoint centre = anchor.center();
    const int band = std::max({edgeBand, anchor.width(), anchor.height()});
    const bool upperHalf = centre.y() < available.center().y();
    if (centre.y() - available.top() < band || available.bottom() - centre.y() < band)
        return upperHalf ? Side::below : Side::above;
    if (centre.x() - available.left() < band) return Side::right;
    if (available.right() - centre.x() < band) return Side::left;
    return upperHalf ? Side::below : Side::above;
}

QPoint besideAnchor(const QRect& anchor, const QSize& panel, Side side) {
    const QPoint centre = anchor.center();
    switch (side) {
    case Side::below:
        return {centre.x() - panel.width() / 2, anchor.bottom() + 1 + gap};
    case Side::above:
        return {centre.x() - panel.width() / 2, anchor.top() - gap - panel.height()};
    case Side::right:
        return {anchor.right() + 1 + gap, centre.y() - panel.height() / 2};
    case Side::left:
        return {anchor.left() - gap - panel.width(), centre.y() - panel.height() / 2};
    }
    return anchor.topLeft();
}

} // namespace

QPoint trayPanelPosition(const QRect& icon, const QPoint& cursor, const QSize& panel,
                         const QRect& available) {
    const QRect anchor = icon.isValid() ? icon : QRect(cursor, QSize(1, 1));
    const QPoint wanted = besideAnchor(anchor, panel, sideFor(anchor, available));
    return {clampInto(wanted.x(), panel.width(), available.left(), available.width()),
            clampInto(wanted.y(), panel.height(), available.top(), available.height())};
}

} // namespace tindrel
