#include "TindrelAppUI/shell/DesktopIdentity.h"
#include "TindrelAppUI/tray/MenuBarIcon.h"

#include <QImage>
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

class TrayIconSize : public testing::TestWithParam<int> {};

TEST_P(TrayIconSize, InkOnTheOutlineAndNothingElsewhere) {
    const int side = GetParam();
    for (const QColor& ink : {QColor(Qt::black), QColor(Qt::white)}) {
        const QIcon icon = MenuBarIcon::image(ink);
        const QImage image = icon.pixmap(QSize(side, side)).toImage();
        ASSERT_EQ(image.size(), QSize(side, side));
        for (const QPoint& corner : corners(side))
            EXPECT_EQ(image.pixelColor(corner).alpha(), 0)
                << side << " corner " << corner.x() << ',' << corner.y();
        EXPECT_EQ(image.pixelColor(side / 2, side / 2).alpha(), 0) << side << ": an outline, not a disc";
        for (const QPoint& p : outlinePixels(side)) {
            const QColor pixel = image.pixelColor(p);
            EXPECT_GT(pixel.alpha(), 100) << side << " at " << p.x() << ',' << p.y();
            EXPECT_EQ(pixel.red(), ink.red()) << side << " at " << p.x() << ',' << p.y();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, TrayIconSize, testing::ValuesIn(MenuBarIcon::sizes));

TEST(TrayIcon, EverySizeIsDrawnAndMarkedAsAMask) {
    const QIcon icon = MenuBarIcon::image(Qt::black);
    EXPECT_TRUE(icon.isMask());
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

TEST(TrayIcon, InkContrastsWithThePanel) {
    EXPECT_EQ(MenuBarIcon::inkFor(Appearance::light), QColor(Qt::black));
    EXPECT_EQ(MenuBarIcon::inkFor(Appearance::dark), QColor(Qt::white));
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
