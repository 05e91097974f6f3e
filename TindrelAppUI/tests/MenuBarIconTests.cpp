#include "TindrelAppUI/shell/DesktopIdentity.h"
#include "TindrelAppUI/tray/MenuBarIcon.h"

#include <QImage>
#include <QPainter>
#include <QTransform>
#include <gtest/gtest.h>

using namespace tindrel;

namespace {

// Where the outline passes, in pixels of a `side`-pixel picture: points spread around the curve.
std::vector<QPoint> outlinePixels(int side) {
    const QPainterPath path = MenuBarIcon::outline();
    const double scale = side / MenuBarIcon::designSide;
    std::vector<QPoint> pixels;
    for (double t = 0; t < 1; t += 0.125) {
        const QPointF p = path.pointAtPercent(t) * scale;
        pixels.emplace_back(int(p.x()), int(p.y()));
    }
    return pixels;
}

std::vector<QPoint> corners(int side) {
    return {{0, 0}, {side - 1, 0}, {0, side - 1}, {side - 1, side - 1}};
}

// What a tray shows: the icon laid over a panel of the given colour.
QImage onPanel(int side, const QColor& panel) {
    QImage shown(side, side, QImage::Format_ARGB32_Premultiplied);
    shown.fill(panel);
    QPainter painter(&shown);
    painter.drawPixmap(0, 0, MenuBarIcon::image().pixmap(QSize(side, side)));
    return shown;
}

int lightnessGap(const QColor& a, const QColor& b) {
    return std::abs(a.lightness() - b.lightness());
}

class TrayIconSize : public testing::TestWithParam<int> {};

// Trays draw the icon as it is, on panels of any shade: on each, the outline stands out clearly from
// the panel, the inside of the ring and the corners are the panel itself.
TEST_P(TrayIconSize, TheOutlineStandsOutOnAnyPanel) {
    const int side = GetParam();
    const QImage icon = MenuBarIcon::image().pixmap(QSize(side, side)).toImage();
    ASSERT_EQ(icon.size(), QSize(side, side));
    for (const QPoint& corner : corners(side))
        EXPECT_EQ(icon.pixelColor(corner).alpha(), 0)
            << side << " corner " << corner.x() << ',' << corner.y();
    EXPECT_EQ(icon.pixelColor(side / 2, side / 2).alpha(), 0) << side << ": an outline, not a disc";
    for (const char* panel : {"#000000", "#FFFFFF", "#7F7F7F", "#2B2F50", "#DDE1EA", "#C97716"}) {
        const QColor background(QString::fromLatin1(panel));
        const QImage shown = onPanel(side, background);
        // Around each point of the curve, as far as the stroke and its rim reach at this size.
        const int reach = int(std::ceil(side / MenuBarIcon::designSide *
                                        (MenuBarIcon::strokeWidth / 2 + MenuBarIcon::rimWidth)));
        int strongest = 0;
        for (const QPoint& p : outlinePixels(side))
            for (int dx = -reach; dx <= reach; ++dx)
                for (int dy = -reach; dy <= reach; ++dy)
                    strongest =
                        std::max(strongest, lightnessGap(shown.pixelColor(p + QPoint(dx, dy)), background));
        EXPECT_GT(strongest, 90) << side << " px on " << panel;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, TrayIconSize, testing::ValuesIn(MenuBarIcon::sizes));

TEST(TrayIcon, EverySizeIsDrawnInItsOwnColours) {
    const QIcon icon = MenuBarIcon::image();
    EXPECT_FALSE(icon.isMask()) << "a mask would let a tray tint it into its own panel colour";
    QList<QSize> expected;
    for (int side : MenuBarIcon::sizes)
        expected << QSize(side, side);
    EXPECT_EQ(icon.availableSizes(), expected);
}

TEST(TrayIcon, TheOutlineIsCentredInTheSquare) {
    const QRectF bounds = MenuBarIcon::outline().boundingRect();
    EXPECT_NEAR(bounds.center().x(), 9.0, 0.1);
    EXPECT_NEAR(bounds.center().y(), 9.0, 0.1);
    EXPECT_NEAR(bounds.width(), bounds.height(), 1.0);
    EXPECT_GT(bounds.width(), 10.0);
}

class AppIconSize : public testing::TestWithParam<int> {};

TEST_P(AppIconSize, WhiteOutlineOnABrandTileWithTransparentCorners) {
    const int side = GetParam();
    const QImage image = DesktopIdentity::icon().pixmap(QSize(side, side)).toImage();
    ASSERT_EQ(image.size(), QSize(side, side));
    for (const QPoint& corner : corners(side))
        EXPECT_EQ(image.pixelColor(corner).alpha(), 0) << side;
    const QColor middle = image.pixelColor(side / 2, side / 2);
    EXPECT_EQ(middle.alpha(), 255) << side;
    EXPECT_GT(middle.blue(), middle.green() + 60) << side << ": the brand's blue-violet";
    if (side < 48) return; // below that the stroke is under two pixels wide
    const QTransform onTile = QTransform::fromScale(side / 128.0, side / 128.0)
                                  .translate(16, 16)
                                  .scale(96 / MenuBarIcon::designSide, 96 / MenuBarIcon::designSide);
    const QPoint top = onTile.map(MenuBarIcon::outline().pointAtPercent(0)).toPoint();
    EXPECT_GT(image.pixelColor(top).lightness(), 220) << side;
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppIconSize, testing::ValuesIn(DesktopIdentity::iconSizes));

} // namespace
