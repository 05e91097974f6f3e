#include "TindrelAppUI/shell/DesktopIdentity.h"

#include "TindrelAppUI/style/TindrelColor.h"
#include "TindrelAppUI/tray/MenuBarIcon.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>

namespace tindrel::DesktopIdentity {
namespace {

// The geometry of the installed SVG, on its 128-unit canvas.
constexpr double canvas = 128.0;
constexpr QRectF tile{8, 8, 112, 112};
constexpr double tileRadius = 26.0;
constexpr double outlineOffset = 16.0;
constexpr double outlineScale = 96.0 / MenuBarIcon::designSide;

} // namespace

QPixmap iconPixmap(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / canvas, side / canvas);
    QLinearGradient brand(tile.topLeft(), tile.bottomRight());
    brand.setColorAt(0, TindrelColor::brandPrimary.resolved(Appearance::light));
    brand.setColorAt(1, TindrelColor::brandSecondary.resolved(Appearance::light));
    painter.setPen(Qt::NoPen);
    painter.setBrush(brand);
    painter.drawRoundedRect(tile, tileRadius, tileRadius);
    painter.translate(outlineOffset, outlineOffset);
    painter.scale(outlineScale, outlineScale);
    painter.setPen(QPen(Qt::white, MenuBarIcon::strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(MenuBarIcon::outline());
    return pixmap;
}

QIcon icon() {
    QIcon result;
    for (int side : iconSizes)
        result.addPixmap(iconPixmap(side));
    return result;
}

void apply() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopFileName));
    QGuiApplication::setWindowIcon(icon());
}

} // namespace tindrel::DesktopIdentity
