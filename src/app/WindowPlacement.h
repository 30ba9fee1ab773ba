#pragma once
// The main window's geometry as data.prm keeps it, and the two rules around
// it: where a stored geometry opens, and what closing writes back. Pure
// functions over plain rectangles, so they are tested without a display.

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace fg::app {

struct WindowGeometry {
    int x = 0;  // the outer window's left edge, screen pixels
    int y = 0;  // the outer window's top edge
    int width = 1200;  // the client area, pixels
    int height = 720;
    bool zoomed = false;  // opens maximised
    bool operator==(const WindowGeometry&) const = default;
};

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool contains(long long px, long long py) const;
};

// The geometry the window opens with: the stored one when its centre
// (X + WIDTH/2, Y + HEIGHT/2) lies on one of the screens, otherwise the same
// size at the top-left corner of the primary screen, which comes first in
// `screens` (as QGuiApplication::screens() lists them). No screens: unchanged.
WindowGeometry placeOnScreens(const WindowGeometry& stored, std::span<const ScreenRect> screens);

// What closing writes: the window's own geometry when it is not maximised;
// when it is, the normal geometry it had before (`stored`, the last normal
// one) with ZOOMED set, so that un-maximising after the next start gives the
// user's window back rather than a screen-sized one.
WindowGeometry closingGeometry(const WindowGeometry& stored, const WindowGeometry& current, bool maximised);

// Where a dialog or tool window was last left: its outer top-left and its
// client size, screen pixels.
struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowPlace&) const = default;
};

// The places by window, under the names data.prm keeps them by.
using WindowPlaces = std::map<std::string, WindowPlace, std::less<>>;

// A window whose place is remembered: its name in data.prm, the object name
// the window carries, and whether its size is kept too (a dialog sized by
// its contents keeps only its position).
struct RememberedWindow {
    std::string_view key;
    std::string_view objectName;
    bool keepsSize;
};
std::span<const RememberedWindow> rememberedWindows();
// The one the main window places beside itself the first time.
inline constexpr std::string_view kHistoryPlace = "HISTORY";

// "x,y,w,h" and back; nothing for a text that is not four integers with a
// positive size.
std::optional<WindowPlace> parseWindowPlace(std::string_view text);
std::string windowPlaceText(const WindowPlace& place);

// Whether a remembered place can still be used: the middle of its top edge,
// where the title bar is grabbed, lies on one of the screens. A place on a
// screen that is gone is forgotten rather than opening out of reach.
bool isReachable(const WindowPlace& place, std::span<const ScreenRect> screens);

// Where a tool window of outer size `width` × `height` first opens next to
// the main window (`main`, its outer rectangle): beside its right edge when
// that fits on `screen` (the usable area of the main window's screen), else
// beside its left edge, else inside it against its right edge; level with its
// top, and moved as little as needed to lie wholly on the screen (a window
// larger than the screen keeps its top-left corner on it). Returns the outer
// top-left corner; width and height are those given.
WindowPlace besideMainWindow(const ScreenRect& main, int width, int height, const ScreenRect& screen);

}  // namespace fg::app
