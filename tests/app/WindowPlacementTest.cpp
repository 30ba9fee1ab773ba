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

// The primary screen's usable area in the placement tests below.
constexpr ScreenRect kDesk{0, 0, 1600, 1000};

TEST(BesideMainWindow, OpensToTheRightWhenThereIsRoom) {
    EXPECT_EQ(besideMainWindow({100, 50, 1000, 700}, 280, 430, kDesk), (WindowPlace{1100, 50, 280, 430}));
    // Exactly fitting still counts as room.
    EXPECT_EQ(besideMainWindow({100, 50, 1220, 700}, 280, 430, kDesk).x, 1320);
}

TEST(BesideMainWindow, OpensToTheLeftWhenTheRightIsFull) {
    EXPECT_EQ(besideMainWindow({400, 50, 1100, 700}, 280, 430, kDesk), (WindowPlace{120, 50, 280, 430}));
}

TEST(BesideMainWindow, OpensInsideWhenNeitherSideHasRoom) {
    // A maximised main window: inside it, against its right edge.
    EXPECT_EQ(besideMainWindow({0, 0, 1600, 1000}, 280, 430, kDesk), (WindowPlace{1320, 0, 280, 430}));
    EXPECT_EQ(besideMainWindow({100, 0, 1400, 1000}, 280, 430, kDesk), (WindowPlace{1220, 0, 280, 430}));
}

TEST(BesideMainWindow, NeverOpensOffTheScreen) {
    // The main window hangs off the right edge: the left side is used.
    EXPECT_EQ(besideMainWindow({1500, 0, 900, 700}, 280, 430, kDesk).x, 1220);
    // Off the right edge with no room on either side: pulled back on.
    EXPECT_EQ(besideMainWindow({-100, 0, 1900, 900}, 280, 430, kDesk).x, 1320);
    // Its top low on the screen: the window is lifted so that it all shows.
    EXPECT_EQ(besideMainWindow({100, 800, 600, 400}, 280, 430, kDesk), (WindowPlace{700, 570, 280, 430}));
    // Above the screen: brought down to its top.
    EXPECT_EQ(besideMainWindow({100, -200, 600, 400}, 280, 430, kDesk).y, 0);
    // On a second screen to the right, the rule uses that screen's area.
    const ScreenRect second{1600, 0, 1280, 1024};
    EXPECT_EQ(besideMainWindow({1700, 100, 800, 600}, 280, 430, second), (WindowPlace{2500, 100, 280, 430}));
    // Larger than the screen: its top-left corner stays on it.
    EXPECT_EQ(besideMainWindow({0, 0, 800, 600}, 2000, 1200, kDesk), (WindowPlace{0, 0, 2000, 1200}));
}

TEST(RememberedPlace, IsUsedWhileItsTitleBarIsOnAScreen) {
    EXPECT_TRUE(isReachable({2100, 40, 300, 400}, kScreens));
    // Mostly off the left edge, its middle still on the primary.
    EXPECT_TRUE(isReachable({-100, 60, 500, 400}, kScreens));
}

TEST(RememberedPlace, IsIgnoredOnceNoScreenShowsItsTitleBar) {
    // The second screen was to the right of 3300; now nothing is there.
    EXPECT_FALSE(isReachable({3400, 100, 300, 400}, kScreens));
    // Its body on the screen but its title bar above every screen.
    EXPECT_FALSE(isReachable({300, 0, 300, 400}, kScreens));
    // A damaged entry: no size.
    EXPECT_FALSE(isReachable({300, 300, 0, 400}, kScreens));
    EXPECT_FALSE(isReachable({300, 300, 300, 400}, {}));
    // Values near the int range do not wrap onto a screen.
    EXPECT_FALSE(isReachable({INT_MAX - 10, INT_MAX - 10, INT_MAX, 400}, kScreens));
}

}  // namespace
}  // namespace fg::app
