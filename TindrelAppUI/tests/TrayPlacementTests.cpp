#include "TindrelAppUI/tray/TrayPlacement.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

const QRect screen(0, 0, 1920, 1080);
const QRect belowTopBar(0, 28, 1920, 1052);
const QRect aboveBottomBar(0, 0, 1920, 1040);
const QRect rightOfLeftBar(28, 0, 1892, 1080);
const QRect leftOfRightBar(0, 0, 1892, 1080);
const QRect small(0, 0, 1280, 800);
const QSize panel(340, 300);

struct PlacementCase {
    const char* name;
    QRect icon;
    QPoint cursor;
    QRect available;
    QSize panel;
    QPoint expected;
};

class TrayPanelPosition : public testing::TestWithParam<PlacementCase> {};

TEST_P(TrayPanelPosition, BesideTheIconAndOnTheScreen) {
    const PlacementCase& c = GetParam();
    const QPoint at = trayPanelPosition(c.icon, c.cursor, c.panel, c.available);
    EXPECT_EQ(at, c.expected);
    EXPECT_TRUE(c.available.contains(QRect(at, c.panel))) << "panel leaves the available area";
    EXPECT_FALSE(QRect(at, c.panel).intersects(c.icon)) << "panel covers its icon";
}

INSTANTIATE_TEST_SUITE_P(
    Icons, TrayPanelPosition,
    testing::Values(
        // top bar: centred under the icon, a small gap below it
        PlacementCase{"topBarMiddle", {900, 2, 24, 24}, {}, belowTopBar, panel, {741, 30}},
        // right end of a top bar: pushed back onto the screen, still below
        PlacementCase{"topBarRightEdge", {1890, 2, 24, 24}, {}, belowTopBar, panel, {1580, 30}},
        // right end of a top bar the window manager does not reserve: below all the same
        PlacementCase{"topBarCornerNoStrut", {1896, 0, 24, 24}, {}, screen, panel, {1580, 28}},
        // left end: never left of the screen
        PlacementCase{"topBarLeftEdge", {4, 2, 24, 24}, {}, belowTopBar, panel, {0, 30}},
        // bottom panel: above the icon
        PlacementCase{"bottomBar", {1800, 1050, 24, 24}, {}, aboveBottomBar, panel, {1580, 1040 - 300}},
        // a stand-alone tray at the bottom right of an 800-pixel screen, the panel before and after
        // it grew with a decoded preview: above the icon either way
        PlacementCase{"bottomTrayShort", {1257, 777, 22, 22}, {}, small, {340, 155}, {940, 777 - 4 - 155}},
        PlacementCase{"bottomTrayGrown", {1257, 777, 22, 22}, {}, small, {340, 289}, {940, 777 - 4 - 289}},
        // vertical bars: beside the icon, centred on it
        PlacementCase{"leftBar", {2, 500, 24, 24}, {}, rightOfLeftBar, panel, {30, 361}},
        PlacementCase{"rightBar", {1894, 500, 24, 24}, {}, leftOfRightBar, panel, {1550, 361}},
        PlacementCase{
            "leftBarBottomCorner", {2, 1054, 24, 24}, {}, rightOfLeftBar, panel, {28, 1054 - 4 - 300}},
        // no icon geometry: hangs from the pointer
        PlacementCase{"noGeometryTop", {}, {500, 10}, belowTopBar, panel, {330, 28}},
        PlacementCase{"noGeometryBottom", {}, {500, 1070}, screen, panel, {330, 1070 - 4 - 300}}),
    [](const testing::TestParamInfo<PlacementCase>& param) { return param.param.name; });

// Whatever the icon's place along any edge and however tall the panel grows, it stays wholly inside
// the available area and off its icon.
TEST(TrayPanelPosition, StaysOnTheScreenAndOffTheIconAlongEveryEdge) {
    const QSize iconSize(22, 22);
    std::vector<QPoint> icons;
    for (int x = 0; x + iconSize.width() <= small.width(); x += 37) {
        icons.emplace_back(x, 0);
        icons.emplace_back(x, small.height() - iconSize.height());
    }
    for (int y = 0; y + iconSize.height() <= small.height(); y += 29) {
        icons.emplace_back(0, y);
        icons.emplace_back(small.width() - iconSize.width(), y);
    }
    for (int height = 80; height <= 700; height += 45) {
        const QSize grown(340, height);
        for (const QPoint& corner : icons) {
            const QRect icon(corner, iconSize);
            const QRect placed(trayPanelPosition(icon, {}, grown, small), grown);
            ASSERT_TRUE(small.contains(placed)) << corner.x() << ',' << corner.y() << " height " << height;
            // Room on the icon's side always exists here: the panel is less than the screen less the icon.
            ASSERT_FALSE(placed.intersects(icon)) << corner.x() << ',' << corner.y() << " height " << height;
        }
    }
}

TEST(TrayPanelPosition, APanelLargerThanTheScreenStartsAtItsCorner) {
    const QRect tiny(10, 20, 200, 100);
    EXPECT_EQ(trayPanelPosition({50, 25, 10, 10}, {}, panel, tiny), QPoint(10, 20));
}

} // namespace
