#include "TindrelAppUI/tray/TrayPlacement.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

const QRect screen(0, 0, 1920, 1080);
const QRect belowTopBar(0, 28, 1920, 1052);
const QRect aboveBottomBar(0, 0, 1920, 1040);
const QSize panel(340, 300);

struct PlacementCase {
    const char* name;
    QRect icon;
    QPoint cursor;
    QRect available;
    QPoint expected;
};

class TrayPanelPosition : public testing::TestWithParam<PlacementCase> {};

TEST_P(TrayPanelPosition, BesideTheIconAndOnTheScreen) {
    const PlacementCase& c = GetParam();
    const QPoint at = trayPanelPosition(c.icon, c.cursor, panel, c.available);
    EXPECT_EQ(at, c.expected);
    EXPECT_TRUE(c.available.contains(QRect(at, panel))) << "panel leaves the available area";
}

INSTANTIATE_TEST_SUITE_P(
    Icons, TrayPanelPosition,
    testing::Values(
        // top bar: centred under the icon, a small gap below it
        PlacementCase{"topBarMiddle", {900, 2, 24, 24}, {}, belowTopBar, {741, 30}},
        // right end of a top bar: pushed back onto the screen
        PlacementCase{"topBarRightEdge", {1890, 2, 24, 24}, {}, belowTopBar, {1580, 30}},
        // left end: never left of the screen
        PlacementCase{"topBarLeftEdge", {4, 2, 24, 24}, {}, belowTopBar, {0, 30}},
        // bottom panel: above the icon
        PlacementCase{"bottomBar", {1800, 1050, 24, 24}, {}, aboveBottomBar, {1580, 1040 - 300}},
        // no icon geometry: hangs from the pointer
        PlacementCase{"noGeometryTop", {}, {500, 10}, belowTopBar, {330, 28}},
        PlacementCase{"noGeometryBottom", {}, {500, 1070}, screen, {330, 1070 - 4 - 300}}),
    [](const testing::TestParamInfo<PlacementCase>& param) { return param.param.name; });

TEST(TrayPanelPosition, APanelLargerThanTheScreenStartsAtItsCorner) {
    const QRect tiny(10, 20, 200, 100);
    EXPECT_EQ(trayPanelPosition({50, 25, 10, 10}, {}, panel, tiny), QPoint(10, 20));
}

} // namespace
