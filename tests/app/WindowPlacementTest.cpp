#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "app/WindowPlacement.h"

namespace fg::app {
namespace {

// The primary screen first, as Qt lists them; the second one to its right.
const std::vector<ScreenRect> kScreens{{100, 50, 1920, 1080}, {2020, 0, 1280, 1024}};

TEST(WindowPlacement, AWindowWhoseCentreIsOnAScreenOpensWhereItWas) {
    const WindowGeometry onSecond{2500, 100, 1200, 720, false};
    EXPECT_EQ(placeOnScreens(onSecond, kScreens), onSecond);
    // Mostly off the left edge, but the centre (150 + 600, …) is on the primary.
    const WindowGeometry hanging{-450, 300, 1200, 720, true};
    EXPECT_EQ(placeOnScreens(hanging, kScreens), hanging);
}

TEST(WindowPlacement, AWindowWhoseCentreIsOnNoScreenOpensAtThePrimarysCorner) {
    // The second monitor was unplugged: centre (3500 + 600, 200 + 360).
    const WindowGeometry stranded{3500, 200, 1200, 720, true};
    EXPECT_EQ(placeOnScreens(stranded, kScreens), (WindowGeometry{100, 50, 1200, 720, true}));
    // In the gap above the second screen's bottom but below it: centre y 1040.
    const WindowGeometry below{2200, 680, 1200, 720, false};
    EXPECT_EQ(placeOnScreens(below, kScreens).x, 100);
}

TEST(WindowPlacement, ScreenEdgesBelongToTheScreenOnTheirLeftAndTop) {
    const std::vector<ScreenRect> one{{0, 0, 1920, 1080}};
    // Centre exactly on the right edge (x 1920) is off the screen, one less is on.
    EXPECT_EQ(placeOnScreens(WindowGeometry{1320, 0, 1200, 720, false}, one).x, 0);
    EXPECT_EQ(placeOnScreens(WindowGeometry{1319, 0, 1200, 720, false}, one).x, 1319);
}

TEST(WindowPlacement, ExtremeStoredValuesAreMovedNotOverflowed) {
    const WindowGeometry far{INT_MAX, INT_MAX, INT_MAX, INT_MAX, false};
    EXPECT_EQ(placeOnScreens(far, kScreens), (WindowGeometry{100, 50, INT_MAX, INT_MAX, false}));
}

TEST(WindowPlacement, WithoutScreensTheStoredGeometryStands) {
    const WindowGeometry stored{5000, 5000, 800, 600, false};
    EXPECT_EQ(placeOnScreens(stored, {}), stored);
}

TEST(WindowPlacement, ClosingWritesTheWindowsOwnGeometryUnlessMaximised) {
    const WindowGeometry stored{300, 200, 1000, 650, false};
    const WindowGeometry current{40, 60, 1280, 800, false};
    EXPECT_EQ(closingGeometry(stored, current, false), current);
    EXPECT_EQ(closingGeometry(stored, current, true), (WindowGeometry{300, 200, 1000, 650, true}));
    // A window started maximised and restored before closing writes ZOOMED 0.
    EXPECT_EQ(closingGeometry(WindowGeometry{300, 200, 1000, 650, true}, current, false), current);
}

}  // namespace
}  // namespace fg::app
