#include "TindrelAppUI/tray/MenuBarIcon.h"

#include <QPainter>
#include <QPen>

namespace tindrel::MenuBarIcon {
namespace {

struct Segment {
    QPointF control1;
    QPointF control2;
    QPointF end;
};

// The same curve as the app icon's tile (TindrelApp/data/icons/.../tindrel.svg): eight cubic pieces
// through points at slightly uneven radii, so it reads as hand-drawn rather than a perfect ring.
constexpr QPointF start{8.85, 2.55};
constexpr std::array<Segment, 8> segments{{
    {{10.26, 2.66}, {12.14, 4.05}, {13.22, 5.05}},
    {{14.30, 6.04}, {15.42, 7.11}, {15.34, 8.51}},
    {{15.25, 9.91}, {13.75, 12.29}, {12.70, 13.45}},
    {{11.66, 14.60}, {10.45, 15.56}, {9.08, 15.45}},
    {{7.70, 15.34}, {5.53, 13.83}, {4.46, 12.80}},
    {{3.39, 11.77}, {2.62, 10.68}, {2.66, 9.28}},
    {{2.70, 7.89}, {3.69, 5.55}, {4.72, 4.43}},
    {{5.75, 3.31}, {7.43, 2.45}, start},
}};

} // namespace

QPainterPath outline() {
    QPainterPath path(start);
    for (const Segment& s : segments)
        path.cubicTo(s.control1, s.control2, s.end);
    path.closeSubpath();
    return path;
}

QPixmap pixmap(int side) {
    QPixmap canvas(side, side);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / designSide, side / designSide);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgba(rimInk), strokeWidth + 2 * rimWidth, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(outline());
    painter.setPen(
        QPen(QColor::fromRgba(strokeInk), strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline());
    return canvas;
}

QIcon image() {
    QIcon icon;
    for (int side : sizes)
        icon.addPixmap(pixmap(side));
    return icon;
}

} // namespace tindrel::MenuBarIcon
